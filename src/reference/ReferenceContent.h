#pragma once

#include <QRect>
#include <QString>

#include <span>

// The reference entries: the four entry groups with their titles and layout,
// and the texts and pictures compiled into the program, found by group and
// position. A text or picture that cannot be read comes back empty, so the
// control that shows it stays empty and the program goes on.
class ReferenceContent
{
public:
    struct Entry
    {
        const char* title;
        int labelHeightTwips;
        int labelWidthTwips;
    };

    struct Group
    {
        const char* resourceName; // folder under :/reference/texts and :/reference/pictures
        const char* tabControlName;
        const char* labelArrayName;
        QRect rectangle; // of the tab control in its page, in pixels
        int tabsPerRow;
        QRect entryFrame; // in the tab control, in pixels
        int firstFrameIndex; // fraContainer index of entry 0
        bool hasPictures;
        QRect picture; // in the entry frame, in pixels
        int firstPictureIndex; // imgPictures index of entry 0
        int entrySelectedAtLoad;
        std::span<const Entry> entries;

        int entryCount() const { return int(entries.size()); }
    };

    static const Group FestiveSeasons;
    static const Group Elements;
    static const Group Gods;
    static const Group Goddesses;

    // Resource folder of the introduction texts: 0 is the short one, 1 the long one.
    static constexpr const char* IntroductionGroup = "intro";
    static constexpr int ShortIntroduction = 0;
    static constexpr int LongIntroduction = 1;

    // Every entry tab control draws its tabs this high.
    static constexpr int TabHeightTwips = 295;

    static QString text(const char* group, int position);
    static QString textPath(const char* group, int position);
    // A JPEG drawn in the shape of the group's picture frame, at its size; the
    // drawings for other scales lie beside it (NAME@2x.jpg and so on).
    static QString picturePath(const char* group, int position);
};

#pragma once

#include "reference/ReferenceContent.h"

#include <QWidget>

class EntryPicture;
class QFrame;
class QLabel;
class TabControl;

// A main page that carries one entry group: a tab control whose every tab
// shows one entry's frame with its text and, where the group has them, its picture.
class EntryGroupPage : public QWidget
{
    Q_OBJECT

public:
    EntryGroupPage(QWidget* pageFrame, const ReferenceContent::Group& group);

    TabControl* tabControl() const { return tabs; }
    QFrame* entryFrame(int position) const;
    QLabel* entryLabel(int position) const;
    // Null for a group without pictures.
    EntryPicture* entryPicture(int position) const;

private:
    void addEntry(const ReferenceContent::Group& group, int position);

    TabControl* tabs;
    QList<QFrame*> frames;
    QList<QLabel*> labels;
    QList<EntryPicture*> pictures;
};

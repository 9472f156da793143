#include "reference/EntryGroupPage.h"

#include "controls/Look.h"
#include "controls/TabButton.h"
#include "controls/TabControl.h"
#include "controls/Twips.h"
#include "reference/EntryPicture.h"

#include <QFrame>
#include <QLabel>

namespace {

QString arrayName(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

// The other tabs keep the theme's button face and caption colour, both; the
// selected tab takes the page's teal so that it reads as one piece with the
// entry below it.
QPalette entryTabColours(QPalette colours)
{
    colours.setColor(QPalette::Window, Look::DarkTeal);
    colours.setColor(QPalette::WindowText, Look::White);
    colours.setColor(QPalette::Mid, QColor(110, 160, 160));
    return colours;
}

} // namespace

EntryGroupPage::EntryGroupPage(QWidget* pageFrame, const ReferenceContent::Group& group)
    : QWidget(pageFrame)
{
    setObjectName(QStringLiteral("EntryGroupPage"));
    setGeometry(pageFrame->rect());

    tabs = new TabControl(group.entryCount(), group.tabsPerRow,
                          Twips::toPixels(ReferenceContent::TabHeightTwips), this);
    tabs->setObjectName(QLatin1String(group.tabControlName));
    tabs->setPalette(entryTabColours(tabs->palette()));
    // Long titles such as "Nuadhu or Nud/ Nodens/ Lud" need more of the row than short ones.
    tabs->setTabWidthsFollowCaptions(true);
    tabs->setGeometry(group.rectangle);

    for (int position = 0; position < group.entryCount(); ++position)
        addEntry(group, position);
    tabs->setSelectedIndex(group.entrySelectedAtLoad);
}

void EntryGroupPage::addEntry(const ReferenceContent::Group& group, int position)
{
    const ReferenceContent::Entry& entry = group.entries[position];
    const QString title = QString::fromUtf8(entry.title);

    auto* frame = new QFrame(tabs);
    frame->setObjectName(arrayName("fraContainer", group.firstFrameIndex + position));
    frame->setFrameStyle(QFrame::NoFrame);
    Look::paint(frame, Look::DarkTeal, Look::White);
    frame->setGeometry(group.entryFrame);

    auto* label = new QLabel(frame);
    label->setObjectName(arrayName(group.labelArrayName, position));
    label->setTextFormat(Qt::PlainText); // "&" is shown as it stands
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(Look::verdana(9));
    Look::transparent(label, Look::White);
    label->setGeometry(Twips::rect(120, 120, entry.labelWidthTwips, entry.labelHeightTwips));
    label->setText(ReferenceContent::text(group.resourceName, position));

    EntryPicture* picture = nullptr;
    if (group.hasPictures) {
        picture = new EntryPicture(group.resourceName, position, title, frame);
        picture->setObjectName(arrayName("imgPictures", group.firstPictureIndex + position));
        picture->setGeometry(group.picture);
    }

    tabs->setTabCaption(position, title);
    // The entry's text is what its tab opens: a screen reader reads it with the tab.
    tabs->tabButton(position)->setAccessibleDescription(label->text());
    tabs->setPage(position, frame);
    frames.append(frame);
    labels.append(label);
    pictures.append(picture);
}

QFrame* EntryGroupPage::entryFrame(int position) const
{
    return frames.value(position);
}

QLabel* EntryGroupPage::entryLabel(int position) const
{
    return labels.value(position);
}

EntryPicture* EntryGroupPage::entryPicture(int position) const
{
    return pictures.value(position);
}

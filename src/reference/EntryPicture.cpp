#include "reference/EntryPicture.h"

#include "reference/ReferenceContent.h"

EntryPicture::EntryPicture(const char* groupName, int entryPosition, const QString& title,
                           QWidget* parent)
    : QLabel(parent), group(groupName), position(entryPosition)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setScaledContents(true);
    setAccessibleName(title);
}

void EntryPicture::load()
{
    if (loaded)
        return;
    loaded = true;
    setPixmap(ReferenceContent::picture(group, position));
}

void EntryPicture::showEvent(QShowEvent* event)
{
    load();
    QLabel::showEvent(event);
}

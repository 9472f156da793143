#include "reference/EntryPicture.h"

#include "reference/ReferenceContent.h"

EntryPicture::EntryPicture(const char* groupName, int entryPosition, const QString& title,
                           QWidget* parent)
    : DevicePicture(parent), group(groupName), position(entryPosition)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAccessibleName(title);
}

void EntryPicture::load()
{
    if (loaded)
        return;
    loaded = true;
    setRaster(ReferenceContent::picturePath(group, position));
}

void EntryPicture::showEvent(QShowEvent* event)
{
    load();
    DevicePicture::showEvent(event);
}

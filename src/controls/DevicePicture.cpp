#include "controls/DevicePicture.h"

#include "controls/Drawings.h"

DevicePicture::DevicePicture(QWidget* parent) : QLabel(parent) {}

void DevicePicture::setRaster(const QString& path)
{
    setRaster(path, QSize());
}

void DevicePicture::setRaster(const QString& path, const QSize& size)
{
    rasterPath = path;
    fixedSize = size;
    // Should the sizes differ by a rounding, the raster still fills the frame.
    setScaledContents(size.isEmpty());
    draw();
}

QSize DevicePicture::logicalSize() const
{
    return fixedSize.isEmpty() ? contentsRect().size() : fixedSize;
}

void DevicePicture::draw()
{
    drawnRatio = devicePixelRatioF();
    drawnSize = logicalSize();
    setPixmap(Drawings::at(rasterPath, drawnSize, drawnRatio));
}

void DevicePicture::paintEvent(QPaintEvent* event)
{
    // The window may have moved to a screen of another scale since the picture was drawn.
    if (!rasterPath.isEmpty() && (drawnRatio != devicePixelRatioF() || drawnSize != logicalSize()))
        draw();
    QLabel::paintEvent(event);
}

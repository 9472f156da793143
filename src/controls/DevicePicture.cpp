#include "controls/DevicePicture.h"

#include <QImage>
#include <QPixmapCache>

namespace {

// The raster smoothly scaled to the device pixels of the logical size. Kept in
// the pixmap cache, so that a window opened again does not decode it again.
QPixmap scaledRaster(const QString& path, const QSize& size, qreal ratio)
{
    const QSize device = (QSizeF(size) * ratio).toSize();
    const QString key =
        QStringLiteral("%1@%2x%3").arg(path).arg(device.width()).arg(device.height());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        const QImage image(path);
        if (image.isNull() || device.isEmpty())
            return QPixmap();
        pixmap = QPixmap::fromImage(
            image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QPixmapCache::insert(key, pixmap);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

DevicePicture::DevicePicture(QWidget* parent) : QLabel(parent) {}

void DevicePicture::setRaster(const QString& path)
{
    rasterPath = path;
    icon = QIcon();
    // Should the sizes still differ by a rounding, the raster fills the frame all the same.
    setScaledContents(true);
    draw();
}

void DevicePicture::setIcon(const QIcon& source, const QSize& size)
{
    rasterPath.clear();
    icon = source;
    iconSize = size;
    setScaledContents(false);
    draw();
}

QSize DevicePicture::logicalSize() const
{
    return rasterPath.isEmpty() ? iconSize : contentsRect().size();
}

void DevicePicture::draw()
{
    drawnRatio = devicePixelRatioF();
    drawnSize = logicalSize();
    setPixmap(rasterPath.isEmpty() ? icon.pixmap(drawnSize, drawnRatio)
                                   : scaledRaster(rasterPath, drawnSize, drawnRatio));
}

void DevicePicture::paintEvent(QPaintEvent* event)
{
    // The window may have moved to a screen of another scale since the picture was drawn.
    if ((!rasterPath.isEmpty() || !icon.isNull())
        && (drawnRatio != devicePixelRatioF() || drawnSize != logicalSize()))
        draw();
    QLabel::paintEvent(event);
}

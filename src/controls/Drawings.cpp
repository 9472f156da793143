#include "controls/Drawings.h"

#include <QFile>
#include <QImage>
#include <QPixmapCache>

#include <algorithm>
#include <iterator>

namespace {

// The scales that a raster is drawn for besides 100 %, each in a file of its own
// beside it: NAME@1.25x.EXT and so on.
constexpr qreal DrawnScales[] = {1.25, 1.5, 1.75, 2, 3};

// The drawing made for the ratio, or else for the next scale up, which is then
// scaled down: never up, which would blur it.
QString drawingFor(const QString& path, qreal ratio)
{
    if (ratio <= 1.0)
        return path;
    const qreal* scale = std::find_if(std::begin(DrawnScales), std::end(DrawnScales),
                                      [ratio](qreal drawn) { return ratio <= drawn + 0.001; });
    if (scale == std::end(DrawnScales))
        --scale;
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString drawn = path.left(dot) + QStringLiteral("@%1x").arg(*scale) + path.mid(dot);
    return QFile::exists(drawn) ? drawn : path;
}

} // namespace

QPixmap Drawings::at(const QString& path, const QSize& size, qreal ratio)
{
    const QSize device = (QSizeF(size) * ratio).toSize();
    // By the file drawn, not the path asked for: two ratios of the same device size (1.25 and
    // 1.26 of 32 px) are drawn from different files.
    const QString drawing = drawingFor(path, ratio);
    const QString key =
        QStringLiteral("%1:%2x%3").arg(drawing).arg(device.width()).arg(device.height());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        QImage image(drawing);
        if (image.isNull() || device.isEmpty())
            return QPixmap();
        if (image.size() != device)
            image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        pixmap = QPixmap::fromImage(std::move(image));
        QPixmapCache::insert(key, pixmap);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

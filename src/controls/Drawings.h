#pragma once

#include <QPixmap>

// The program's rasters are drawn for each scale a screen is commonly set to:
// NAME.EXT at 100 %, and beside it NAME@1.25x.EXT, NAME@1.5x.EXT, NAME@1.75x.EXT,
// NAME@2x.EXT and NAME@3x.EXT, so that most screens show one as it was drawn.
namespace Drawings {
// The drawing at path made for the ratio, at the device pixels of the logical
// size (another scale's is scaled down from the next drawing up, never up); a
// null pixmap if none can be read. Kept in the pixmap cache, so that a window
// opened again does not decode it again.
QPixmap at(const QString& path, const QSize& logicalSize, qreal ratio);
} // namespace Drawings

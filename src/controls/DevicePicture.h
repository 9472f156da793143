#pragma once

#include <QLabel>

// A picture drawn at the device pixels of the screen its window is on, so that
// it stays sharp at any scale: one of the program's rasters drawn for each scale
// (see Drawings). It is drawn again when the control's window meets a screen of
// another scale.
class DevicePicture : public QLabel
{
    Q_OBJECT

public:
    explicit DevicePicture(QWidget* parent);

    // Fills the control inside its frame with the raster, as a picture box
    // stretches its picture; one that cannot be read leaves the control empty.
    void setRaster(const QString& path);
    // Shows the raster at a fixed logical size, placed by the alignment.
    void setRaster(const QString& path, const QSize& logicalSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void draw();
    QSize logicalSize() const;

    QString rasterPath;
    QSize fixedSize; // empty: the raster fills the control
    qreal drawnRatio = 0;
    QSize drawnSize;
};

#pragma once

#include <QIcon>
#include <QLabel>

// A picture drawn at the device pixels of the screen its window is on, so that
// it stays sharp at any scale. It comes from a raster drawn for 100, 125, 150,
// 200 and 300 %, stretched to fill the control as a picture box stretches, or
// from an icon that has a drawing for each scale, shown at a fixed logical size.
// It is drawn again when the control's window meets a screen of another scale.
class DevicePicture : public QLabel
{
    Q_OBJECT

public:
    explicit DevicePicture(QWidget* parent);

    // Fills the control inside its frame with the raster at path, drawn for 100 %,
    // or with the one beside it drawn for the screen's scale (path@2x and so on).
    // A raster that cannot be read leaves the control empty.
    void setRaster(const QString& path);
    // Shows the icon at the given logical size, placed by the alignment.
    void setIcon(const QIcon& icon, const QSize& logicalSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void draw();
    QSize logicalSize() const;

    QString rasterPath;
    QIcon icon;
    QSize iconSize;
    qreal drawnRatio = 0;
    QSize drawnSize;
};

#pragma once

#include <QIcon>
#include <QLabel>

// A picture drawn at the device pixels of the screen its window is on, so that
// it stays sharp at any scale. It comes from a raster drawn for the largest
// scale (3x), stretched to fill the control as a picture box stretches, or from
// an icon that has a drawing for each scale, shown at a fixed logical size. It
// is drawn again when the control's window meets a screen of another scale.
class DevicePicture : public QLabel
{
    Q_OBJECT

public:
    explicit DevicePicture(QWidget* parent);

    // Fills the control inside its frame; a raster that cannot be read leaves it empty.
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

#pragma once

#include <QImage>

class QWidget;

// Colours read off what a window draws, as an eye would see them.
namespace Legibility {

// An area of a control (by default all it shows) as its window draws it.
QImage grabOf(QWidget* control, QRect area = QRect());
// Inside a 2 px edge, the most common colour is the background and the ink is
// the colour farthest from it that covers a few pixels.
double textContrast(const QImage& grab);
// The pixels that change as the focus arrives against those they cover; 0 when
// the mark is thinner than 2 px.
double focusMarkContrast(const QImage& without, const QImage& with);

} // namespace Legibility

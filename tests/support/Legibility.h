#pragma once

#include <QImage>
#include <QRect>

class QWidget;

// Colours read off what a window draws, as an eye would see them.
namespace Legibility {

// The contrast of the text in a grab: inside its 2 px edge, the most common colour
// is the background, and the ink the colour farthest from it that covers a few pixels.
double textContrast(const QImage& grab);
// The contrast of the focus mark against what it covers: the pixels that change
// when the focus arrives, or 0 where the mark is thinner than 2 px.
double focusMarkContrast(const QImage& without, const QImage& with);
// The part of a control that the frames around it leave in view.
QRect shownPart(QWidget* control);
// An area of a control (by default its shown part) as its window draws it.
QImage grabOf(QWidget* control, QRect area = QRect());

} // namespace Legibility

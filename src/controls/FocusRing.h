#pragma once

#include <QColor>

class QPainter;
class QRect;

// The one keyboard-focus mark of the program: a ring 2 px thick inside the
// given rectangle, yellow on dark colours and black on light ones, so that it
// stands out at 3:1 or more on any background the theme or the pages give.
namespace FocusRing {

constexpr int Thickness = 2;

// Contrast ratio of two colours as WCAG defines it, from 1 (alike) to 21.
double contrast(const QColor& first, const QColor& second);
// The ring's colour on a background.
QColor colourOn(const QColor& background);
void paint(QPainter& painter, const QRect& rect, const QColor& background);

} // namespace FocusRing

#pragma once

#include <QColor>
#include <QFont>
#include <QSize>

class QWidget;

// The program's colours and fonts.
namespace Look {

inline const QColor DarkTeal(0, 64, 64);
inline const QColor White(255, 255, 255);
inline const QColor LinkBlue(0, 0, 255);
inline const QColor Yellow(255, 255, 0);
inline const QColor Green(0, 255, 0);
inline const QColor Navy(0, 0, 128);
// The standard light button face. Fixed, as are the blue and black texts on
// it, so that a dark desktop theme cannot put them on a dark face.
inline const QColor ButtonFace(239, 239, 239);

// "Verdana" at the given size; fontconfig substitutes where it is not installed.
QFont verdana(qreal pointSize = 8.25, bool bold = false, bool underline = false);

// The font, shrunk in quarter points as far as 6 pt if need be, in which the text
// fits the width on one line, with room to spare for a font that draws a little
// wider than it measures (see TextLayout::inFont, cautious).
QFont fontFitting(const QFont& font, const QString& text, int width);
// The same for a text that wraps in a box, where the lines may also be a little taller.
QFont fontFittingBox(const QFont& font, const QString& text, QSize box);

// Fills the widget with a flat background and sets its text colour.
void paint(QWidget* widget, const QColor& background, const QColor& text);
// Lets the parent show through; only the text colour is set.
void transparent(QWidget* widget, const QColor& text);
// Gives a text box the theme's own colours, whatever its window fixes.
void followTheme(QWidget* textBox);

} // namespace Look

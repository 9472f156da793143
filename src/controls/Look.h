#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The program's colours and fonts.
namespace Look {

inline const QColor DarkTeal(0, 64, 64);
inline const QColor White(255, 255, 255);
inline const QColor LinkBlue(0, 0, 255);
inline const QColor Yellow(255, 255, 0);
inline const QColor Green(0, 255, 0);
inline const QColor Navy(0, 0, 128);

// "Verdana" at the given size; fontconfig substitutes where it is not installed.
QFont verdana(qreal pointSize = 8.25, bool bold = false, bool underline = false);

// Fills the widget with a flat background and sets its text colour.
void paint(QWidget* widget, const QColor& background, const QColor& text);
// Lets the parent show through; only the text colour is set.
void transparent(QWidget* widget, const QColor& text);
// The platform's button face, used by the outreach band and entry tabs.
QColor buttonFace();

} // namespace Look

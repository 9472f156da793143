#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QStringList>

class QWidget;

// A text the user reads in a box of fixed size, as a window lays it out.
struct FixedText
{
    QString name; // the window's and the control's names
    QString text;
    QFont font;
    QSize box;
    bool wrap = false;
    bool sizedToFont = false; // its size, or its font, follow the font drawn
};

// Every fixed-size text of a window, on every page, also those of pages not shown now:
// labels, buttons, options, tab captions, frame titles and a month view's day names and
// numbers. Controls parked outside their parent, menus, the month view's month and year
// buttons and texts that scroll are left out.
// A label sized to its text has the room up to its parent's right edge.
QList<FixedText> FixedTexts(QWidget* window);

// What of the text is cut, in Verdana's metrics where Verdana has its letters and in the
// font drawn here where a user sees that font; empty when it is whole.
// VELLORAN_FIT_TABLE=1 prints its box, lines and room to spare.
QStringList whatIsCut(const FixedText& text);

#pragma once

#include <QImage>
#include <QStringList>

class QWidget;

// What a shown window is, as one line a control in the order they are stacked: its place and
// size, whether it is shown or fixed in size, how it takes the focus, its font, every colour it
// gives that is not the theme's, what it says and how a screen reader names it; then the controls
// that Tab and Shift+Tab reach from where the focus is. Read under a theme of one colour, so that
// a colour left to inherit shows as the theme's.
QStringList Portrait(QWidget* window);
// The same lines for the controls alone, the window's first.
QStringList Controls(const QWidget* window);

// The window as it draws itself, without its letters (their shapes are the font's, which differs
// between machines), and below it each stop of its Tab order, as its focus shows around it.
QImage PictureWithoutLetters(QWidget* window);

// Each control that Tab (Shift+Tab with the modifier) reaches from the focus now, in order,
// back to where it began.
QWidgetList TabStops(QWidget* window, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A control's place in its window, by the names of the controls it lies in; with no window, from
// its own window's name.
QString PathIn(const QWidget* window, const QWidget* control);

// Compares lines and a picture with the references of that name under tests/data/portraits
// (name.txt, name.png; no picture, no name.png), which scripts/portraits.sh writes from the real
// windows. An empty answer when they agree, otherwise what differs; a picture that differs is left
// beside the test for a look.
QString DiffersFromReference(const QString& name, const QStringList& lines,
                             const QImage& picture = QImage());

#pragma once

#include <QProxyStyle>

// Fusion with the program's focus ring (FocusRing) in place of its own focus
// marks, which hardly show on the teal pages: on push buttons, option
// buttons, text boxes and the days of the month view. It draws every control in
// the shared palette of its colours (SharedPaletteLoan), so that the drawings
// Fusion keeps are found again by every control and window drawn in the same colours.
class FocusStyle : public QProxyStyle
{
    Q_OBJECT

public:
    FocusStyle();

    // Makes it the style of the whole program.
    static void install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

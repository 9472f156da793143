#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

// Fusion with the program's focus ring (FocusRing) in place of its own focus
// marks, which hardly show on the teal pages: on push buttons, option
// buttons, text boxes and the days of the month view. It draws every control in
// the shared palette of its colours (SharedPaletteLoan), so that the drawings
// Fusion keeps are found again by every control and window drawn in the same colours. For
// the same reason it hands out one icon for each standard picture (the month view's arrows,
// a message box's sign).
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
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    // Qt keeps each icon's drawn sizes in QPixmapCache under the key of that icon's own
    // pictures, so an icon made anew for every window is drawn and kept anew, never to be
    // found again, until the cache is full.
    mutable QHash<StandardPixmap, QIcon> standardIcons;
};

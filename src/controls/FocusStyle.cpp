#include "controls/FocusStyle.h"

#include "controls/FocusRing.h"
#include "controls/SharedPaletteLoan.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionFocusRect>

FocusStyle::FocusStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

void FocusStyle::install()
{
    QApplication::setStyle(new FocusStyle);
}

QIcon FocusStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                               const QWidget* widget) const
{
    // Without an option the picture depends only on the style and the application's
    // direction, which are the same for every window.
    if (option || QGuiApplication::layoutDirection() != Qt::LeftToRight)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    auto kept = standardIcons.constFind(standardIcon);
    if (kept == standardIcons.cend())
        kept = standardIcons.insert(standardIcon,
                                    QProxyStyle::standardIcon(standardIcon, nullptr, widget));
    return *kept;
}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    if (element == PE_FrameFocusRect) {
        // Shown whenever the control has the focus, also the first focus of a
        // window, which no key press has moved yet.
        // Push buttons draw theirs in drawControl.
        if (qobject_cast<const QPushButton*>(widget))
            return;
        const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option);
        QColor background = focus ? focus->backgroundColor : QColor();
        if (!background.isValid())
            background = option->palette.color(QPalette::Window);
        FocusRing::paint(*painter, option->rect, background);
        return;
    }
    {
        const SharedPaletteLoan loan(option);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    if (element == PE_PanelLineEdit && (option->state & State_HasFocus)
        && qobject_cast<const QLineEdit*>(widget))
        FocusRing::paint(*painter, option->rect.adjusted(1, 1, -1, -1),
                         option->palette.color(QPalette::Base));
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const
{
    {
        const SharedPaletteLoan loan(option);
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    if (element != CE_PushButton || !(option->state & State_HasFocus))
        return;
    // One pixel closer to the edge than Fusion's own mark, so that the caption
    // keeps its room on low buttons.
    const QRect rect =
        subElementRect(SE_PushButtonFocusRect, option, widget).adjusted(-1, -1, 1, 1);
    FocusRing::paint(*painter, rect, option->palette.color(QPalette::Button));
}

void FocusStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const
{
    const SharedPaletteLoan loan(option);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

#include "controls/LinkCursor.h"

#include "controls/Drawings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace {

constexpr QSize LogicalSize(32, 32);
// Both drawings point with the top of the index fingertip, here at 32 pixels.
constexpr QPoint FingerTip(11, 1);

// Qt's X11 platform hands a cursor's pixels and hot spot to the server as they
// are; its other platforms take the hot spot in logical pixels and scale it
// with the picture themselves.
QPoint hotSpot(qreal ratio)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return (QPointF(FingerTip) * ratio).toPoint();
    return FingerTip;
}

} // namespace

LinkCursor::LinkCursor(QWidget* widget, Kind cursorKind) : QObject(widget), kind(cursorKind) {}

void LinkCursor::set(QWidget* widget, Kind kind)
{
    auto* cursor = new LinkCursor(widget, kind);
    widget->installEventFilter(cursor);
    cursor->apply(widget);
}

QCursor LinkCursor::make(Kind kind, qreal ratio)
{
    const QPixmap picture =
        Drawings::at(kind == Kind::Hand ? QStringLiteral(":/cursors/hand.png")
                                        : QStringLiteral(":/cursors/cobrand.png"),
                     LogicalSize, ratio);
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    const QPoint spot = hotSpot(picture.devicePixelRatio());
    return QCursor(picture, spot.x(), spot.y());
}

void LinkCursor::apply(QWidget* widget)
{
    ratio = widget->devicePixelRatioF();
    widget->setCursor(make(kind, ratio));
}

bool LinkCursor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->devicePixelRatioF() != ratio)
            apply(widget);
    }
    return false;
}

#include "controls/LinkCursor.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QWidget>

namespace {

constexpr QSize LogicalSize(32, 32);
// Both drawings point with the top of the index fingertip, here at 32 pixels.
constexpr QPoint FingerTip(11, 1);

QIcon drawings(LinkCursor::Kind kind)
{
    QIcon icon;
    const QLatin1String name(kind == LinkCursor::Kind::Hand ? "hand" : "cobrand");
    for (int size : {32, 40, 48, 64, 96})
        icon.addFile(QStringLiteral(":/cursors/%1-%2.png").arg(name).arg(size), QSize(size, size));
    return icon;
}

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
    static const QIcon hand = drawings(Kind::Hand);
    static const QIcon coBrand = drawings(Kind::CoBrand);
    const QPixmap picture = (kind == Kind::Hand ? hand : coBrand).pixmap(LogicalSize, ratio);
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

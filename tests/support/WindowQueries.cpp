#include "WindowQueries.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

bool WhileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& act)
{
    bool acted = false;
    // Bound to this call: a box that never opens leaves no timer to fire on its dead locals later.
    QObject call;
    QTimer::singleShot(0, &call, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        acted = true;
        act(*modal);
        QTimer::singleShot(0, modal, [modal] { modal->close(); });
    });
    open();
    return acted;
}

QWidgetList VisibleWindows()
{
    QWidgetList list;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            list.append(window);
    return list;
}

bool StaysFixedWhenMaximized(QWidget* window)
{
    const QSize size = window->size();
    window->windowHandle()->setWindowStates(Qt::WindowMaximized);
    const auto fixedAgain = [&] {
        return window->windowHandle()->windowStates() == Qt::WindowNoState
               && window->size() == size && window->minimumSize() == window->maximumSize();
    };
    return QTest::qWaitFor(fixedAgain, 1000)
           && !(window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

bool PointsWithOurHand(const QWidget* widget)
{
    const QImage hand = widget->cursor().pixmap().toImage();
    const QPoint tip = widget->cursor().hotSpot() * hand.devicePixelRatio();
    return hand.size() == DevicePixels(QSize(32, 32)) && qAlpha(hand.pixel(tip)) > 128 &&
           qAlpha(hand.pixel(tip.x(), 0)) == 0;
}

QStringList MenuCaptions(const QList<QAction*>& actions)
{
    QStringList list;
    for (QAction* action : actions)
        list.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return list;
}

QString ExpectedPageAddress(const QString& pageKey)
{
    return QStringLiteral("http://www.tarrowmoor.com/velloran/ssd.php?page=") + pageKey;
}

QSize DevicePixels(const QSize& logical)
{
    return logical * qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

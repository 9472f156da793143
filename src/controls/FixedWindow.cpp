#include "controls/FixedWindow.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

void FixedWindow::keep(QWidget* window)
{
    // No maximize button where the platform draws one from the flags; on
    // Windows a thin border that cannot be dragged.
    Qt::WindowFlags flags = window->windowFlags();
    flags &= ~Qt::WindowMaximizeButtonHint;
    flags |= Qt::MSWindowsFixedSizeDialogHint;
    window->setWindowFlags(flags);
    new FixedWindow(window);
}

FixedWindow::FixedWindow(QWidget* window) : QObject(window), window(window)
{
    window->installEventFilter(this);
}

bool FixedWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The native window exists from the first show; a title-bar button changes
    // its state there before the widget hears of it.
    if (watched == window && event->type() == QEvent::Show && window->windowHandle())
        connect(window->windowHandle(), &QWindow::windowStateChanged, this,
                &FixedWindow::refuseMaximized, Qt::UniqueConnection);
    return false;
}

void FixedWindow::refuseMaximized(Qt::WindowState state)
{
    if (state == Qt::WindowMaximized || state == Qt::WindowFullScreen)
        window->windowHandle()->setWindowStates(Qt::WindowNoState);
}

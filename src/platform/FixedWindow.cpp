#include "platform/FixedWindow.h"

#include <QEvent>
#include <QLayout>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
// A compositor that keeps the window's size when it maximizes it sends no
// resize to wait for; the normal state is asked for after this long anyway.
constexpr int MaximizedSizeWaitMs = 1000;
} // namespace

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
    if (watched != window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        // The native window exists from the first show; a title-bar button
        // changes its state there before the widget hears of it.
        if (window->windowHandle())
            connect(window->windowHandle(), &QWindow::windowStateChanged, this,
                    &FixedWindow::refuseMaximized, Qt::UniqueConnection);
        break;
    case QEvent::Resize:
        if (step == Step::AwaitingMaximizedSize && window->size() != fixedSize)
            step = Step::AwaitingMaximizedFrame;
        else
            restoreFixedSize();
        break;
    case QEvent::UpdateRequest:
        // The frame is painted and handed over after this event; ask then.
        if (step == Step::AwaitingMaximizedFrame)
            QTimer::singleShot(0, this, &FixedWindow::askNormalState);
        break;
    default:
        break;
    }
    return false;
}

void FixedWindow::refuseMaximized(Qt::WindowState state)
{
    if (state == Qt::WindowNoState) {
        restoreFixedSize();
        return;
    }
    if ((state != Qt::WindowMaximized && state != Qt::WindowFullScreen) || step != Step::Fixed)
        return;
    // A Wayland compositor has configured the window maximized before it hears
    // of a refusal, and a surface that keeps its fixed size then breaks the
    // protocol (weston ends the program). So the window takes the size for one
    // frame, asks for its normal state once that frame is out (asked earlier,
    // weston loses the request), and is fixed again when it is back.
    fixedSize = window->size();
    // A layout that fixes the window's size would fix it again at once.
    if (QLayout* layout = window->layout()) {
        fixedConstraint = layout->sizeConstraint();
        layout->setSizeConstraint(QLayout::SetNoConstraint);
    }
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    step = Step::AwaitingMaximizedSize;
    QTimer::singleShot(MaximizedSizeWaitMs, this, [this] {
        if (step == Step::AwaitingMaximizedSize)
            askNormalState();
    });
}

void FixedWindow::askNormalState()
{
    step = Step::AwaitingNormalSize;
    window->windowHandle()->setWindowStates(Qt::WindowNoState);
}

void FixedWindow::restoreFixedSize()
{
    // Only once the compositor has given the normal size back: fixed earlier,
    // the surface would again not match the state it was last told.
    if (step != Step::AwaitingNormalSize || window->size() != fixedSize
        || window->windowHandle()->windowStates() != Qt::WindowNoState)
        return;
    step = Step::Fixed;
    window->setFixedSize(fixedSize);
    if (QLayout* layout = window->layout())
        layout->setSizeConstraint(fixedConstraint);
}

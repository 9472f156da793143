#include "controls/WindowPlacement.h"

#include "platform/FixedWindow.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace WindowPlacement {

void fixClientSize(QWidget* window)
{
    if (QLayout* layout = window->layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    window->adjustSize();
    window->setFixedSize(window->size());
    FixedWindow::keep(window);
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace WindowPlacement

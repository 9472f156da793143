#include "controls/KeyboardScrollArea.h"

#include "controls/FocusRing.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>

KeyboardScrollArea::KeyboardScrollArea(QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(true);
    setFocusPolicy(Qt::NoFocus);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int maximum) {
        setFocusPolicy(maximum > 0 ? Qt::StrongFocus : Qt::NoFocus);
    });
    // The ring's room, kept clear of the text only while the ring may show; set after the
    // scroll bar's own update, which the margins redo.
    connect(
        verticalScrollBar(), &QScrollBar::rangeChanged, this,
        [this](int, int maximum) {
            const int ring = maximum > 0 ? FocusRing::Thickness : 0;
            setViewportMargins(ring, ring, ring, ring);
        },
        Qt::QueuedConnection);
}

bool KeyboardScrollArea::event(QEvent* event)
{
    const bool handled = QScrollArea::event(event);
    if (event->type() == QEvent::Paint && hasFocus()) {
        QPainter painter(this);
        FocusRing::paint(painter, rect(), palette().color(QPalette::Window));
    }
    return handled;
}

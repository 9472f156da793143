#include "controls/LinkLabel.h"

#include "controls/FocusRing.h"
#include "controls/Look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

LinkLabel::LinkLabel(const QString& text, QWidget* parent, Cursor cursor) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    LinkCursor::set(this, cursor);
    // Reachable by Tab after the controls of its window, so screen-reader and
    // keyboard users can follow every link.
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::sizeToText()
{
    resize(fontMetrics().horizontalAdvance(text()) + 2, fontMetrics().height());
}

void LinkLabel::sizeToTextWithin(int maxWidth)
{
    setFont(Look::fontFitting(font(), text(), maxWidth - 2));
    sizeToText();
}

void LinkLabel::sizeToTextCentredOn(int middleX)
{
    sizeToText();
    move(middleX - width() / 2, y());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Space || (enter && enterActivates)) {
        Q_EMIT clicked();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

QRect LinkLabel::ringRect() const
{
    // Around the label, one pixel clear of it, so that the ring covers no text.
    const int reach = FocusRing::Thickness + 1;
    return geometry().adjusted(-reach, -reach, reach, reach);
}

void LinkLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    if (QWidget* parent = parentWidget()) {
        parent->removeEventFilter(this);
        parent->installEventFilter(this);
        parent->update(ringRect());
    }
}

void LinkLabel::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    if (QWidget* parent = parentWidget()) {
        parent->removeEventFilter(this);
        parent->update(ringRect());
    }
}

bool LinkLabel::eventFilter(QObject* watched, QEvent* event)
{
    // The ring lies on the parent, where the label's text does not reach: the
    // parent paints itself first, and the ring goes on top.
    QWidget* parent = parentWidget();
    if (watched != parent || event->type() != QEvent::Paint || !hasFocus() || !isVisible())
        return QLabel::eventFilter(watched, event);
    static_cast<QObject*>(parent)->event(event);
    QPainter painter(parent);
    FocusRing::paint(painter, ringRect(), parent->palette().color(parent->backgroundRole()));
    return true;
}

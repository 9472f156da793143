#include "controls/TabButton.h"

#include "controls/FocusRing.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

TabButton::TabButton(const QString& caption, QWidget* parent) : QAbstractButton(parent)
{
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
}

void TabButton::setSelected(bool isNowSelected)
{
    if (selected == isNowSelected)
        return;
    selected = isNowSelected;
    setFocusPolicy(selected ? Qt::StrongFocus : Qt::NoFocus);
    update();
}

namespace {

// Between the tab's outline and the focus ring, and between the ring and the caption.
constexpr int RingInset = 1;
constexpr int CaptionInset = RingInset + FocusRing::Thickness;

} // namespace

QSize TabButton::sizeHint() const
{
    return QSize(widthForCaption(), fontMetrics().height() + 2 * CaptionInset);
}

QRect TabButton::captionArea() const
{
    return rect().adjusted(CaptionInset, CaptionInset, -CaptionInset, -CaptionInset);
}

int TabButton::widthForCaption() const
{
    const QFont font = captionFont();
    if (measuredWidth < 0 || text() != measuredCaption || font != measuredFont) {
        measuredCaption = text();
        measuredFont = font;
        // A little air either side, so the caption never touches the ring.
        measuredWidth =
            QFontMetrics(font).horizontalAdvance(measuredCaption) + 2 * CaptionInset + 4;
    }
    return measuredWidth;
}

void TabButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // A tab with rounded upper corners; the selected one is taller and takes the
    // colour of its page, so that it reads as the page's own label.
    const QRectF area = QRectF(rect()).adjusted(0.5, selected ? 0.5 : 2.5, -0.5, 1.0);
    const qreal radius = 4.0;
    QPainterPath outline;
    outline.moveTo(area.bottomLeft());
    outline.lineTo(area.left(), area.top() + radius);
    outline.quadTo(area.topLeft(), QPointF(area.left() + radius, area.top()));
    outline.lineTo(area.right() - radius, area.top());
    outline.quadTo(area.topRight(), QPointF(area.right(), area.top() + radius));
    outline.lineTo(area.bottomRight());

    const QPalette& colours = palette();
    QColor fill = selected ? colours.color(QPalette::Window) : colours.color(QPalette::Button);
    if (!selected && underMouse())
        fill = fill.lighter(112);
    painter.fillPath(outline, fill);
    painter.setPen(QPen(colours.color(QPalette::Mid), 1.0));
    painter.drawPath(outline);

    painter.setFont(captionFont());
    painter.setPen(colours.color(selected ? QPalette::WindowText : QPalette::ButtonText));
    const QRect textArea = captionArea();
    // A caption too long for one line takes two, as the tab height allows.
    const bool fitsOneLine = painter.fontMetrics().horizontalAdvance(text()) <= textArea.width();
    painter.drawText(textArea,
                     Qt::AlignCenter | Qt::TextShowMnemonic
                         | (fitsOneLine ? Qt::TextSingleLine : Qt::TextWordWrap),
                     text());

    if (hasFocus())
        FocusRing::paint(painter, rect().adjusted(RingInset, RingInset, -RingInset, -RingInset),
                         fill);
}

void TabButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        Q_EMIT stepRequested(-1);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        Q_EMIT stepRequested(+1);
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

#pragma once

#include "controls/LinkCursor.h"

#include <QLabel>

// A label that acts as a web link: a hand cursor, a click signal, and keyboard
// activation with Enter or Space when it has the focus. Its text is shown
// literally, so an "&" stays an "&".
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    using Cursor = LinkCursor::Kind;

    explicit LinkLabel(const QString& text, QWidget* parent = nullptr,
                       Cursor cursor = Cursor::Hand);

    // Shrinks or grows the label to its text on one line, keeping its top left.
    void sizeToText();
    // Sizes to the text on one line, first making the font just small enough
    // that the text fits within maxWidth, so that no link is cut off.
    void sizeToTextWithin(int maxWidth);
    // Sizes to the text and centres the label on the given horizontal middle.
    void sizeToTextCentredOn(int middleX);

    // In a dialog whose Enter belongs to its default button, a link answers to
    // Space alone.
    void setActivatedByEnter(bool activated) { enterActivates = activated; }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The focus ring is drawn around the label, on its parent.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect ringRect() const;

    bool enterActivates = true;
};

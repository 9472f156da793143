#pragma once

#include <QAbstractButton>

// One tab of a TabControl. Only the selected tab takes the keyboard focus; the
// arrow keys move the selection along the tabs.
class TabButton : public QAbstractButton
{
    Q_OBJECT

public:
    TabButton(const QString& caption, QWidget* parent);

    bool isSelected() const { return selected; }
    void setSelected(bool selected);

    QSize sizeHint() const override;

    // The caption's room: inside the focus ring, which never crosses the caption.
    QRect captionArea() const;
    // Regular, selected or not, so that a tab's width never changes with the selection.
    QFont captionFont() const { return font(); }
    // The width a tab needs to show its caption on one line.
    int widthForCaption() const;

Q_SIGNALS:
    // Left (-1) or Right (+1) was pressed on this tab.
    void stepRequested(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool selected = false;
    // The last caption measured, in its font: a row is laid out again for every caption
    // set on it, and shaping each caption once is enough.
    mutable QString measuredCaption;
    mutable QFont measuredFont;
    mutable int measuredWidth = -1;
};

#pragma once

#include <QScrollArea>

// A frameless scroll area for a text that scrolls only when it must. While its scroll bar
// shows, Tab reaches it, the arrows and Page Up and Page Down scroll it, and the focus
// ring marks it; while all of it fits, the keyboard passes it by.
class KeyboardScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit KeyboardScrollArea(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

#pragma once

#include <QLabel>

// A label whose changes a screen reader speaks even while the focus is
// elsewhere: it reads as a notification, and every new text shows it anew.
class AnnouncingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit AnnouncingLabel(const QString& text, QWidget* parent = nullptr);

    void announce(const QString& text);
};

#pragma once

#include <QGroupBox>

// A group box that draws nothing: its members stand on the page as laid out,
// while a screen reader still hears them as one group under its title.
class UnframedGroup : public QGroupBox
{
    Q_OBJECT

public:
    UnframedGroup(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

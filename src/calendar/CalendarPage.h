#pragma once

#include <QWidget>

class QLabel;

// The "Pagan Calendar" page: a month, a year and the button that shows its festivals.
class CalendarPage : public QWidget
{
    Q_OBJECT

public:
    explicit CalendarPage(QWidget* pageFrame);

    void setMonthCaption(const QString& monthName);
    QString monthCaption() const;

private:
    QLabel* lblMonth;
};

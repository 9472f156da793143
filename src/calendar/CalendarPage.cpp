#include "calendar/CalendarPage.h"

#include "controls/Look.h"
#include "controls/Twips.h"

#include <QLabel>

CalendarPage::CalendarPage(QWidget* pageFrame) : QWidget(pageFrame)
{
    setObjectName(QStringLiteral("CalendarPage"));
    setGeometry(pageFrame->rect());
    lblMonth = new QLabel(QStringLiteral("December"), this);
    lblMonth->setObjectName(QStringLiteral("lblMonth"));
    lblMonth->setFont(Look::verdana(8.25, true));
    lblMonth->setAlignment(Qt::AlignCenter);
    lblMonth->setGeometry(Twips::rect(7605, 2385, 1005, 195));
}

void CalendarPage::setMonthCaption(const QString& monthName)
{
    lblMonth->setText(monthName);
}

QString CalendarPage::monthCaption() const
{
    return lblMonth->text();
}

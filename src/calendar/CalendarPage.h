#pragma once

#include <QWidget>

#include <array>

class AnnouncingLabel;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

// The "Pagan Calendar" page: the user steps to a month, picks one of the three
// years of the festival table and asks for that month's festivals. The page
// only asks; the window that holds it hands over to the result window.
class CalendarPage : public QWidget
{
    Q_OBJECT

public:
    explicit CalendarPage(QWidget* pageFrame);

    void setMonthCaption(const QString& monthName);
    QString monthCaption() const;

    static const char* const MissingYearMessage;
    static const char* const ShowCaption;

Q_SIGNALS:
    // The chosen month and year are stored for the result window to show.
    void festivalsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildIntroduction();
    void buildMonthAndYear();

    void cmdMonthBack_Click();
    void cmdMonthNext_Click();
    void cmdCalendar_Click();
    // Steps the month label by one; the months stop at January and December.
    void stepMonth(int step);
    bool ValidateYearChoice();

    QLabel* Label5 = nullptr;
    QLabel* Picture1 = nullptr;
    QPushButton* cmdMonthBack = nullptr;
    AnnouncingLabel* lblMonth = nullptr;
    QPushButton* cmdMonthNext = nullptr;
    std::array<QRadioButton*, 3> optYear{};
    QButtonGroup* years = nullptr;
    QWidget* yearGroup = nullptr;
    QPushButton* cmdCalendar = nullptr;
};

#pragma once

#include <QMainWindow>

class ForumBanner;
class FullBrandFrame;
class KeyboardScrollArea;
class QCalendarWidget;
class QLabel;
class QPushButton;

// Shows the festivals of the month chosen on the calendar page beside a month
// view of that month. It stands in for the main window while it is open: every
// way of closing it asks, once, for a new main window to come back.
class frmResultCalendar : public QMainWindow
{
    Q_OBJECT

public:
    frmResultCalendar();

    void Form_Load();

    static const char* const StartText;
    static const char* const Explanation;
    // The month view's stored date, and the range of the festival table.
    static const QDate StoredDate;
    static const QDate EarliestDate;
    static const QDate LatestDate;

Q_SIGNALS:
    // Raised once, as the window unloads: the main window is to take its place.
    void backRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildControls(QWidget* client);
    void shareMonthViewEvenly();
    void paintMonthView();
    void showChosenMonth();
    void showFestivals();
    void markFestivalDays(int year, int month);
    void describeMonthView(int year, int month);

    void mnuBack_Click();
    void mnuExit_Click();
    void cmdBack_Click();
    void mnuAbout_Click();
    void Form_Unload();
    void BackSequence();

    ForumBanner* Label14 = nullptr;
    KeyboardScrollArea* festivalArea = nullptr;
    QLabel* lblDisp = nullptr;
    QLabel* Label1 = nullptr;
    QCalendarWidget* MV = nullptr;
    FullBrandFrame* fraFullBrand = nullptr;
    QPushButton* cmdBack = nullptr;
    bool backSequenceRun = false;
};

#pragma once

#include <QMainWindow>

class CalendarPage;
class ForumBanner;
class FullBrandFrame;
class QAction;
class QFrame;
class QLabel;
class TabControl;

// The main window: the forum banner, the six main pages on SSTMain, and the
// outreach band. Closing it, by any road but the hand-over to the result
// window, brings up the exit window.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    frmMain();

    void Form_Load();

    TabControl* SSTMain() const { return mainTabs; }
    // Page frames by index; only 0, 1, 2, 11, 17 and 30 belong to this window.
    QFrame* fraContainer(int index) const;
    FullBrandFrame* fullBrandFrame() const { return fullBrand; }
    CalendarPage* calendarPage() const { return calendar; }
    ForumBanner* Label14() const { return banner; }

    // The entry group that selecting a main tab returns to its first entry:
    // tab 1 festive seasons, 2 elements, 3 gods, 4 goddesses, others none.
    static const char* entryGroupResetBy(int mainTab);

    // Closes the window for the result window, which takes its place: the
    // unload handler runs, but the exit window does not come up.
    void closeForResultWindow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPages(QWidget* client);
    void SSTMain_Click(int previousTab);
    void mnuExit_Click();
    void mnuAbout_Click();
    void Form_Unload();

    TabControl* mainTabs = nullptr;
    QList<QFrame*> pageFrames;
    FullBrandFrame* fullBrand = nullptr;
    CalendarPage* calendar = nullptr;
    ForumBanner* banner = nullptr;
    QLabel* lblYear = nullptr;
    bool handingOverToResultWindow = false;
};

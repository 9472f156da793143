#include "FakeSystem.h"
#include "Verdana.h"
#include "WindowCleanup.h"
#include "WebMenuChecks.h"
#include "WindowQueries.h"

#include "forms/FormHandle.h"
#include "forms/FormRegistry.h"
#include "app/frmMain.h"
#include "app/frmStartup.h"
#include "calendar/CalendarPage.h"
#include "calendar/frmResultCalendar.h"
#include "core/modPaganFestivals.h"
#include "controls/AccessibilityFactory.h"
#include "controls/LinkLabel.h"
#include "controls/TabControl.h"
#include "web/FullBrandFrame.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QTextCharFormat>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include <memory>

const QString CrLf = QStringLiteral("\r\n");

// The festival result window: what it shows for a choice, its menus, and every
// road back to the main window.
class ResultCalendarTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeSystem> system;

    frmResultCalendar& open(const QString& month, const QString& year)
    {
        modPaganFestivals::SelectedMonthName = month;
        modPaganFestivals::SelectedYear = year;
        frmResultCalendar& window = FormHandle<frmResultCalendar>::get();
        window.show();
        return window;
    }
    static QLabel* lblDisp(QWidget& window)
    {
        return window.findChild<QLabel*>(QStringLiteral("lblDisp"));
    }
    static QCalendarWidget* MV(QWidget& window)
    {
        return window.findChild<QCalendarWidget*>(QStringLiteral("MV"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        InstallAccessibilityFactory();
    }
    void init() { system = std::make_unique<FakeSystem>(); }
    void cleanup()
    {
        CloseAllWindows();
        QVERIFY(FormRegistry::loadedForms().isEmpty());
        system.reset();
    }

    void theChosenMonthIsShown_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("text");   // the whole text, or its last line after "...".
        QTest::addColumn<int>("pageMonth");
        QTest::addColumn<int>("pageYear");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);

        QTest::newRow("February 2007")
            << english << "February" << "2007"
            << "February 2, 2007\r\nIMBOLC\r\n\r\nFebruary 13, 2007\r\nFestival of Love : Danu "
               "and cernunnos(9 DAYS) 13th Feb Onward\r\n\r\nFebruary 28, 2007\r\nDay of Merriddyn"
            << 2 << 2007;
        QTest::newRow("October 2006") << english << "October" << "2006"
                                      << "October 23, 2006\r\nSAMHAIN" << 10 << 2006;
        QTest::newRow("December 2006")
            << english << "December" << "2006"
            << "...Festival of Wine and pleasure (4 DAYS) 28th Dec Onward" << 12 << 2006;
        QTest::newRow("December 2008")
            << english << "December" << "2008"
            << "...Festival of Wine and pleasure (4 DAYS) 28th December Onward" << 12 << 2008;
        QTest::newRow("German Januar 2008") << german << "Januar" << "2008"
                                            << "January 23, 2008\r\nDay of Braciaca(2 DAYS)23rd Onward"
                                            << 1 << 2008;
        // What the page cannot send leaves the start text; the month view keeps what it can.
        QTest::newRow("year outside the table") << english << "June" << "2009"
                                                << "Display Festivals" << 6 << 2007;
        QTest::newRow("year no number") << english << "June" << "" << "Display Festivals" << 6 << 2007;
        QTest::newRow("month matching nothing") << english << "Smarch" << "2006"
                                                << "Display Festivals" << 3 << 2006;
        QTest::newRow("English name under German") << german << "June" << "2008"
                                                   << "Display Festivals" << 3 << 2008;
    }

    void theChosenMonthIsShown()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, text);
        QFETCH(int, pageMonth);
        QFETCH(int, pageYear);
        system->userLocale = locale;

        frmResultCalendar& window = open(month, year);

        const QString shown = lblDisp(window)->text();
        if (text.startsWith(QStringLiteral("...")))
            QCOMPARE(shown.section(CrLf, -1), text.mid(3));
        else
            QCOMPARE(shown, text);
        QCOMPARE(MV(window)->monthShown(), pageMonth);
        QCOMPARE(MV(window)->yearShown(), pageYear);
        QVERIFY(system->messages.isEmpty());
    }

    void theFestivalDaysStandOutInTheMonthView()
    {
        frmResultCalendar& window = open(QStringLiteral("February"), QStringLiteral("2007"));
        QCalendarWidget* view = MV(window);
        for (int day = 1; day <= 28; ++day) {
            const bool festival = day == 2 || day == 13 || day == 28;
            QCOMPARE(view->dateTextFormat(QDate(2007, 2, day)).fontWeight() == QFont::Bold, festival);
        }
        QCOMPARE(view->selectedDate(), QDate(2007, 2, 2));
        QCOMPARE(view->monthShown(), 2);
        // The days' table, which takes the focus, tells a screen reader the month and its festivals.
        auto* days = view->findChild<QTableView*>();
        QCOMPARE(days->accessibleName(), QStringLiteral("Month of the festivals, February 2007"));
        QCOMPARE(days->accessibleDescription(),
                 QStringLiteral("February 2, 2007: IMBOLC. February 13, 2007: Festival of Love : Danu and "
                                "cernunnos(9 DAYS) 13th Feb Onward. February 28, 2007: Day of Merriddyn"));
        // Each day says its whole date, its festival, or the month it belongs to.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(days);
        QStringList names;
        for (int index = 0; index < table->childCount(); ++index) {
            if (QAccessibleInterface* day = table->child(index)) // and found again at its index
                names.append(table->indexOfChild(day) == index ? day->text(QAccessible::Name) : "?");
        }
        QLocale::setDefault(QLocale::system());
        for (const char* name : {"Friday, 2 February 2007, festival: IMBOLC",
                                 "Saturday, 3 February 2007", "Wednesday, 31 January 2007, month before",
                                 "Thursday, 1 March 2007, month after", "Monday"})
            QVERIFY2(names.contains(QString::fromUtf8(name)), qPrintable(names.join(u'|')));
    }

    void eachCrLfBreaksOneLineAndNoFestivalIsLost()
    {
        // December 2008: six entries, the longest block.
        frmResultCalendar& window = open(QStringLiteral("December"), QStringLiteral("2008"));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLabel* label = lblDisp(window);
        const QString block = label->text();
        QCOMPARE(block.count(CrLf), 16);
        const int width = label->width();
        const int height = label->heightForWidth(width);
        label->setText(QString(block).replace(CrLf, QStringLiteral("\n")));
        QCOMPARE(label->heightForWidth(width), height);

        // All of it in view, with no scroll bar taking its room and no stop for the keyboard:
        // it scrolls only where the font drawn needs more room than the box has.
        auto* area = window.findChild<QScrollArea*>(QStringLiteral("festivalArea"));
        if (Verdana::drawnAsUsersSeeIt(label->font())) {
            QVERIFY(height <= area->viewport()->height() && !area->verticalScrollBar()->isVisible());
            QCOMPARE(width, area->viewport()->width());
            QCOMPARE(area->focusPolicy(), Qt::NoFocus);
        }
        // A block taller than the box scrolls, by the keyboard too, down to its last line.
        label->setText(block + CrLf + CrLf + block);
        QTRY_VERIFY(area->verticalScrollBar()->isVisible() && area->verticalScrollBar()->maximum() > 0);
        // The stop after the month view, named for the month it lists.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(area->hasFocus());
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(area);
        QCOMPARE(list->role(), QAccessible::Pane);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Festivals of December 2008"));
        for (int page = 0; page < 8; ++page)
            QTest::keyClick(area, Qt::Key_PageDown);
        QTRY_COMPARE(label->y() + label->height(), area->viewport()->height());
        // Back to a block that fits: the whole box for the text again, the ring's room given back.
        label->setText(block);
        if (Verdana::drawnAsUsersSeeIt(label->font()))
            QTRY_COMPARE(area->viewport()->geometry(), area->rect());
    }

    void theMonthViewStaysWithinTheTable()
    {
        frmResultCalendar& window = open(QStringLiteral("January"), QStringLiteral("2006"));
        QCalendarWidget* view = MV(window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        view->setFocus();
        view->setSelectedDate(QDate(2006, 1, 1));
        QTest::keyClick(view->focusWidget(), Qt::Key_Left);
        QTest::keyClick(view->focusWidget(), Qt::Key_PageUp);
        QCOMPARE(view->selectedDate(), QDate(2006, 1, 1));
        QCOMPARE(view->yearShown() * 100 + view->monthShown(), 200601);

        view->setCurrentPage(2008, 12);
        view->setSelectedDate(QDate(2008, 12, 31));
        QTest::keyClick(view->focusWidget(), Qt::Key_Right);
        QTest::keyClick(view->focusWidget(), Qt::Key_PageDown);
        QCOMPARE(view->selectedDate(), QDate(2008, 12, 31));
        QCOMPARE(view->yearShown() * 100 + view->monthShown(), 200812);
        // Browsing the month view changes nothing else in the window.
        QCOMPARE(lblDisp(window)->text().section(CrLf, 0, 0), QStringLiteral("January 23, 2006"));
        // Typed digits open no date box of their own: the month view only follows the
        // choice (and Qt 6.4 leaks the box's reader when its window closes under it).
        QTest::keyClick(view->focusWidget(), Qt::Key_1);
        QVERIFY(view->findChildren<QLabel*>().isEmpty());
    }

    void theWindowAndItsMenus()
    {
        frmResultCalendar& window = open(QStringLiteral("May"), QStringLiteral("2007"));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Velloran v1.95"));
        QVERIFY(StaysFixedWhenMaximized(&window));
        QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
        // The month view is where the keyboard starts.
        QVERIFY(MV(window)->hasFocus());
        // The hidden button is out of sight and so out of the keyboard's reach.
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("cmdBack"))->isVisibleTo(&window));
        auto* band = window.findChild<FullBrandFrame*>(QStringLiteral("fraFullBrand"));
        QCOMPARE(band->frontLabel(), band->lblFullBrand());
        QCOMPARE(QAccessible::queryAccessibleInterface(MV(window)->findChild<QWidget*>(QStringLiteral("qt_calendar_nextmonth")))
                     ->text(QAccessible::Name),
                 QStringLiteral("Next month"));
        // Tab goes round: the banner, the band's link, and the month view again.
        for (QWidget* stop : QWidgetList{window.findChild<QWidget*>(QStringLiteral("Label14")),
                                         band->lblFullBrand(), MV(window)}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(stop->hasFocus());
        }
        const QList<QAction*> bar = window.menuBar()->actions();
        VerifyWebMenus(bar);
        QCOMPARE(MenuCaptions(bar[0]->menu()->actions()), (QStringList{"&Back", "-", "E&xit"}));
    }

    void linksOpenTheirPages_data() { AddWebCommandRows(); }

    void linksOpenTheirPages()
    {
        QFETCH(QString, control);
        QFETCH(QString, pageKey);
        frmResultCalendar& window = open(QStringLiteral("May"), QStringLiteral("2007"));
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (auto* action = window.findChild<QAction*>(control))
            action->trigger();
        else
            QTest::mouseClick(window.findChild<LinkLabel*>(control), Qt::LeftButton);
        QCOMPARE(system->openedAddresses, QStringList{ExpectedPageAddress(pageKey)});
        // A link leaves the window where it is.
        QCOMPARE(VisibleWindows(), QWidgetList{&window});
    }

    void aboutIsModalOverThisWindow()
    {
        frmResultCalendar& window = open(QStringLiteral("May"), QStringLiteral("2007"));
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(WhileModal([&] { window.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger(); },
                           [&](QWidget& about) {
                               QVERIFY(about.isModal());
                               QCOMPARE(about.parentWidget()->window(), &window);
                           }));
        QVERIFY(FormHandle<frmResultCalendar>::loaded());
    }

    void everyRoadLeadsBackToANewMainWindow_data()
    {
        QTest::addColumn<QString>("road");
        QTest::newRow("File Back") << "mnuBack";
        QTest::newRow("File Exit") << "mnuExit";
        QTest::newRow("close box") << "close";
        QTest::newRow("hidden Back button") << "cmdBack";
    }

    void everyRoadLeadsBackToANewMainWindow()
    {
        QFETCH(QString, road);
        system->date = QDate(2026, 7, 4);
        system->draws = {0.0};   // the co-brand label in front of the first main window
        FormHandle<frmStartup>::get();
        frmMain* firstMain = FormHandle<frmMain>::loaded();
        firstMain->SSTMain()->setSelectedIndex(0);
        CalendarPage* page = firstMain->calendarPage();
        page->findChild<QPushButton*>(QStringLiteral("cmdMonthNext"))->click();
        page->findChild<QRadioButton*>(QStringLiteral("optYear(1)"))->click();
        page->findChild<QPushButton*>(QStringLiteral("cmdCalendar"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QPointer<frmResultCalendar> result = FormHandle<frmResultCalendar>::loaded();
        QCOMPARE(lblDisp(*result)->text().section(CrLf, 0, 0), QStringLiteral("August 1, 2007"));

        if (road == QLatin1String("close"))
            result->close();
        else if (road == QLatin1String("cmdBack"))
            result->findChild<QPushButton*>(road)->click();
        else
            result->findChild<QAction*>(road)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(result.isNull());
        QVERIFY(!FormHandle<frmResultCalendar>::loaded());
        frmMain* main = FormHandle<frmMain>::loaded();
        QCOMPARE(VisibleWindows(), QWidgetList{main});
        QCOMPARE(main->SSTMain()->selectedIndex(), 0);
        // Created afresh: the current month, no year, the stored outreach label.
        CalendarPage* newPage = main->calendarPage();
        QCOMPARE(newPage->monthCaption(), QStringLiteral("July"));
        for (QRadioButton* option : newPage->findChildren<QRadioButton*>())
            QVERIFY(!option->isChecked());
        QCOMPARE(main->fullBrandFrame()->frontLabel(), main->fullBrandFrame()->lblFullBrand());
        // The choice last sent stays, and the program goes on.
        QCOMPARE(modPaganFestivals::SelectedMonthName, QStringLiteral("August"));
        QCOMPARE(modPaganFestivals::SelectedYear, QStringLiteral("2007"));
        QCOMPARE(system->endCalls, 0);
        QVERIFY(system->messages.isEmpty());
    }
};

QTEST_MAIN(ResultCalendarTest)
#include "tst_resultcalendar.moc"

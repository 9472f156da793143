#include "FakeSystem.h"
#include "WindowCleanup.h"
#include "WebMenuChecks.h"
#include "WindowQueries.h"

#include "forms/FormHandle.h"
#include "app/frmMain.h"
#include "calendar/frmResultCalendar.h"
#include "calendar/CalendarPage.h"
#include "controls/AccessibilityFactory.h"
#include "controls/LinkLabel.h"
#include "controls/TabButton.h"
#include "controls/TabControl.h"
#include "web/ForumBanner.h"
#include "web/FullBrandFrame.h"
#include "web/frmExitScreen.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { InstallAccessibilityFactory(); }
    void cleanup() { CloseAllWindows(); }

    void aFixedCentredWindowAndItsMenus()
    {
        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(main.windowTitle(), QStringLiteral("Velloran v1.95"));
        QCOMPARE(main.minimumSize(), main.maximumSize());
        QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(main.windowFlags() & Qt::WindowMinimizeButtonHint);
        // Drawn for the title bar's largest icon, 64 logical pixels, at the screen's scale.
        int largestIcon = 0;
        for (const QSize size : main.windowIcon().availableSizes())
            largestIcon = qMax(largestIcon, size.width());
        QVERIFY(largestIcon >= 64 * main.devicePixelRatio());
        const QPoint middle = main.frameGeometry().center();
        const QPoint screenMiddle = main.screen()->availableGeometry().center();
        // Within the few pixels that a window frame adds.
        QVERIFY2((middle - screenMiddle).manhattanLength() <= 12, "centred on the screen");
        QVERIFY(StaysFixedWhenMaximized(&main));
        const QList<QAction*> bar = main.menuBar()->actions();
        VerifyWebMenus(bar);
        QCOMPARE(MenuCaptions(bar[0]->menu()->actions()), QStringList{"E&xit"});
        // Named for screen readers, without the access-key mark.
        QCOMPARE(bar[0]->menu()->accessibleName(), QStringLiteral("File"));
        QCOMPARE(bar[1]->menu()->accessibleName(), QStringLiteral("Help"));
    }

    void everyWindowIsAWindowToScreenReaders()
    {
        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        // It opens on its own content, the selected tab, not on the forum banner.
        QCOMPARE(QApplication::focusWidget(), main.SSTMain()->tabButton(0));
        QMessageBox box;
        QFrame plain;
        const QList<std::pair<QWidget*, QAccessible::Role>> windows = {
            {&main, QAccessible::Window},
            {&FormHandle<frmResultCalendar>::get(), QAccessible::Dialog},
            {&FormHandle<frmExitScreen>::get(), QAccessible::Dialog},
            {&box, QAccessible::AlertMessage}, // a dialog that a screen reader reads out whole
            {main.SSTMain()->page(3), QAccessible::Pane}, // a tab's page: no window of its own
            {&plain, QAccessible::Border}, // a frame that is not a tab's page is no pane
        };
        for (const auto& [window, role] : windows)
            QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), role);
    }

    void commandsOpenTheirPages_data()
    {
        AddWebCommandRows();
        QTest::newRow("co-brand label") << "lblCobrand" << "co-brand";
    }

    void commandsOpenTheirPages()
    {
        QFETCH(QString, control);
        QFETCH(QString, pageKey);
        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        main.show();
        if (auto* action = main.findChild<QAction*>(control)) {
            action->trigger();
        } else {
            auto* label = main.findChild<LinkLabel*>(control);
            main.fullBrandFrame()->bringToFront(label == main.fullBrandFrame()->lblCobrand()
                                                    ? label
                                                    : main.fullBrandFrame()->lblFullBrand());
            QTest::mouseClick(label, Qt::LeftButton);
            QVERIFY(PointsWithOurHand(label));
        }
        QCOMPARE(system.openedAddresses, QStringList{ExpectedPageAddress(pageKey)});
        QVERIFY(system.messages.isEmpty());
        QVERIFY(FormHandle<frmMain>::loaded()); // nothing else happens
    }

    void linkLabelsWorkByKeyboardAndForScreenReaders()
    {
        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.Label14()->setFocus();
        QTest::keyClick(main.Label14(), Qt::Key_Return);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(main.Label14());
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name),
                 "The Most Popular Online Quillmere Discussion Forum. Click Here To Visit Tarrowmoor Now");
        QCOMPARE(main.fullBrandFrame()->lblFullBrand()->text(),
                 "Home Business Opportunity. Start your own Internet business and make money online. "
                 "Get this software fully branded for your website. Click here for more details.");
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(system.openedAddresses,
                 (QStringList{ExpectedPageAddress("home-page"), ExpectedPageAddress("home-page")}));
        // The banner is one centred line.
        ForumBanner* banner = main.Label14();
        QCOMPARE(banner->height(), banner->fontMetrics().height());
        QVERIFY(banner->width() >= banner->fontMetrics().horizontalAdvance(banner->text()));
        QVERIFY(qAbs(banner->geometry().center().x() - main.centralWidget()->width() / 2) <= 1);
        QVERIFY(banner->geometry().bottom() < main.SSTMain()->geometry().top());
    }

    void everyLoadStartsOnTheCalendarWithTheCurrentMonth_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("month");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "March";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "März";
        QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << "март";
    }

    void everyLoadStartsOnTheCalendarWithTheCurrentMonth()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, month);
        FakeSystem system;
        system.userLocale = locale;
        system.date = QDate(2027, 3, 15);
        for (int round = 0; round < 2; ++round) {
            frmMain& main = FormHandle<frmMain>::get();
            QCOMPARE(main.calendarPage()->monthCaption(), month);
            QCOMPARE(main.findChild<QLabel*>(QStringLiteral("lblYear"))->text(), QStringLiteral("2027"));
            QCOMPARE(main.SSTMain()->selectedIndex(), 0);
            main.SSTMain()->setSelectedIndex(4);
            main.close();
            CloseAllWindows();
        }
    }

    void exactlyOneOutreachLabelAndNothingParkedIsReachable()
    {
        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        main.show();
        FullBrandFrame* band = main.fullBrandFrame();
        QCOMPARE(band->frontLabel(), band->lblFullBrand()); // the stored order
        QVERIFY(band->lblFullBrand()->isVisible() && !band->lblCobrand()->isVisible());
        QCOMPARE(band->lblCobrand()->text(),
                 QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic "
                                "to your site. Put your site's name &  link here. See \"Help\" for "
                                "details.    Click Here for more info on co-branding."));
        band->bringToFront(band->lblCobrand());
        QVERIFY(!band->lblFullBrand()->isVisible() && band->lblCobrand()->isVisible());
        QCOMPARE(band->lblCobrand()->geometry(), band->lblFullBrand()->geometry());

        // Going round with the Tab key never lands on a hidden control.
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.activateWindow();
        main.SSTMain()->setFocus();
        QSet<QWidget*> visited;
        for (int step = 0; step < 60; ++step) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            QVERIFY2(focused->isVisible(), qPrintable(focused->objectName()));
            visited.insert(focused);
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QVERIFY(visited.contains(main.Label14()));
        QVERIFY(visited.contains(band->lblCobrand()));
        QVERIFY(main.findChild<QLabel*>(QStringLiteral("lblYear"))->geometry().top()
                >= main.centralWidget()->height());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"

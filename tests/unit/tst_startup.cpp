#include "FakeSystem.h"
#include "WindowCleanup.h"
#include "WindowQueries.h"

#include "forms/EndProgram.h"
#include "forms/FormHandle.h"
#include "forms/FormRegistry.h"
#include "app/frmMain.h"
#include "app/frmStartup.h"
#include "controls/LinkLabel.h"
#include "controls/TabControl.h"
#include "web/FullBrandFrame.h"
#include "web/frmExitScreen.h"

#include <QtTest>

// Start-up, the road out of the program and EndProgram, with the system faked.
class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CloseAllWindows(); }

    void aSecondCopyOnlySaysSoAndEnds()
    {
        FakeSystem system;
        system.otherInstance = true;
        FormHandle<frmStartup>::get();

        QCOMPARE(system.messages.size(), 1);
        QCOMPARE(system.messages[0].text, QStringLiteral("Application is already running"));
        QCOMPARE(system.messages[0].icon, QMessageBox::Information);
        QCOMPARE(system.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // Nothing else: no seed, no main window, no exit window, the end after the message.
        QCOMPARE(system.events.first(), QStringLiteral("message:Application is already running"));
        QCOMPARE(system.events.at(1), QStringLiteral("end"));
        QCOMPARE(system.seeds, 0);
        QVERIFY(!FormHandle<frmMain>::loaded());
        QVERIFY(!FormHandle<frmExitScreen>::loaded());
        QVERIFY(FormRegistry::loadedForms().isEmpty());
        QVERIFY(system.openedAddresses.isEmpty());
    }

    void aNormalStartShowsOnlyTheMainWindow()
    {
        FakeSystem system;
        system.date = QDate(2026, 3, 15);
        frmStartup& startup = FormHandle<frmStartup>::get();

        frmMain* main = FormHandle<frmMain>::loaded();
        QVERIFY(main && main->isVisible());
        QVERIFY(!startup.isVisible());
        QVERIFY(FormRegistry::isLoaded(&startup));
        QCOMPARE(system.seeds, 1);
        QVERIFY(system.messages.isEmpty());
        QCOMPARE(system.endCalls, 0);
        QCOMPARE(VisibleWindows(), QWidgetList{main});
        // Hiding the start-up window again, as other windows do, keeps it hidden.
        FormHandle<frmStartup>::hide();
        startup.show();
        QVERIFY(!startup.isVisible());
    }

    void theDrawPutsOneOutreachLabelInFront_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("front");
        QTest::newRow("n = 1") << 0.0 << "lblCobrand";
        QTest::newRow("n = 2") << 0.17 << "lblFullBrand";
        QTest::newRow("n = 5") << 0.7 << "lblCobrand";
        QTest::newRow("n = 6") << 0.9999 << "lblFullBrand";
    }

    void theDrawPutsOneOutreachLabelInFront()
    {
        QFETCH(double, draw);
        QFETCH(QString, front);
        FakeSystem system;
        system.draws = {draw};
        FormHandle<frmStartup>::get();
        FullBrandFrame* band = FormHandle<frmMain>::get().fullBrandFrame();
        QCOMPARE(band->frontLabel()->objectName(), front);
        QVERIFY(band->lblCobrand()->isVisible() != band->lblFullBrand()->isVisible());
        QVERIFY(band->frontLabel()->isVisible());
    }

    void closingTheMainWindowLeadsToTheExitWindow_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("File > Exit") << true;
    }

    void closingTheMainWindowLeadsToTheExitWindow()
    {
        QFETCH(bool, byMenu);
        FakeSystem system;
        FormHandle<frmStartup>::get();
        QPointer<frmMain> main = FormHandle<frmMain>::loaded();
        main->SSTMain()->setSelectedIndex(3);
        if (byMenu)
            main->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        else
            main->close();

        QVERIFY(!FormHandle<frmMain>::loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main.isNull()); // destroyed, not hidden: the next use loads it afresh
        frmExitScreen* exitWindow = FormHandle<frmExitScreen>::loaded();
        QVERIFY(exitWindow && exitWindow->isVisible());
        QVERIFY(!FormHandle<frmStartup>::loaded()->isVisible());
        QCOMPARE(system.endCalls, 0); // still running

        exitWindow->close();
        QVERIFY(system.endCalls >= 1);
        QVERIFY(FormRegistry::loadedForms().isEmpty());
        QCOMPARE(FormHandle<frmMain>::get().SSTMain()->selectedIndex(), 0);
    }

    void endProgramClosesEveryWindowAlthoughItIsReentered()
    {
        FakeSystem system;
        FormHandle<frmStartup>::get();
        FormHandle<frmExitScreen>::hide(); // loaded but hidden
        QCOMPARE(FormRegistry::loadedForms().size(), 3);

        EndProgram();

        // The start-up and exit windows call EndProgram from their unload handlers.
        QVERIFY(system.endCalls >= 2);
        QVERIFY(FormRegistry::loadedForms().isEmpty());
        QVERIFY(!FormHandle<frmStartup>::loaded());
        QVERIFY(!FormHandle<frmMain>::loaded());
        QVERIFY(!FormHandle<frmExitScreen>::loaded());
        // No window is left visible.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"

#include "FakeSystem.h"
#include "FixedTexts.h"
#include "WindowCleanup.h"
#include "WindowQueries.h"

#include "forms/FormHandle.h"
#include "forms/FormRegistry.h"
#include "app/frmMain.h"
#include "app/frmStartup.h"
#include "calendar/CalendarPage.h"
#include "calendar/frmResultCalendar.h"
#include "core/modPaganFestivals.h"
#include "controls/TabButton.h"
#include "controls/TabControl.h"
#include "web/frmExitScreen.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

const QLocale German(QLocale::German, QLocale::Germany);
const QLocale English(QLocale::English, QLocale::UnitedStates);

// The calendar page of the main window: stepping the month, choosing a year
// and handing over to the result window, on a program started as the user starts it.
class CalendarPageTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeSystem> system;

    CalendarPage* page() const
    {
        frmMain* main = FormHandle<frmMain>::loaded();
        return main ? main->calendarPage() : nullptr;
    }
    template <class Widget>
    Widget* control(const char* name) const
    {
        Widget* widget = page()->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s on the calendar page", name);
        return widget;
    }
    QLabel* lblMonth() const { return control<QLabel>("lblMonth"); }
    QRadioButton* optYear(int index) const
    {
        return control<QRadioButton>(qPrintable(QStringLiteral("optYear(%1)").arg(index)));
    }
    QList<bool> yearsSet() const
    {
        return {optYear(0)->isChecked(), optYear(1)->isChecked(), optYear(2)->isChecked()};
    }

    void startProgram(const QLocale& locale, QDate today)
    {
        system->userLocale = locale;
        system->date = today;
        FormHandle<frmStartup>::get();
        QVERIFY(page());
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        system = std::make_unique<FakeSystem>();
        modPaganFestivals::SelectedMonthName = QStringLiteral("untouched");
        modPaganFestivals::SelectedYear = QStringLiteral("untouched");
    }

    void cleanup()
    {
        CloseAllWindows();
        QVERIFY(FormRegistry::loadedForms().isEmpty());
        system.reset();
    }

    void opensOnTheCurrentMonthWithNoYearAndAsksForOne()
    {
        startProgram(English, QDate(2026, 3, 15));
        QCOMPARE(lblMonth()->text(), QStringLiteral("March"));
        QCOMPARE(yearsSet(), (QList<bool>{false, false, false}));

        control<QPushButton>("cmdCalendar")->click();

        QCOMPARE(system->messages.size(), 1);
        QCOMPARE(system->messages[0].text, QStringLiteral("Please Select A Year"));
        QCOMPARE(system->messages[0].icon, QMessageBox::Critical);
        QCOMPARE(system->messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // Nothing else: the page as it was, the main window alone, nothing sent on.
        QVERIFY(!FormHandle<frmResultCalendar>::loaded());
        QCOMPARE(VisibleWindows(), QWidgetList{FormHandle<frmMain>::loaded()});
        QCOMPARE(lblMonth()->text(), QStringLiteral("March"));
        QCOMPARE(yearsSet(), (QList<bool>{false, false, false}));
        QCOMPARE(modPaganFestivals::SelectedMonthName, QStringLiteral("untouched"));
        QCOMPARE(modPaganFestivals::SelectedYear, QStringLiteral("untouched"));
        QCOMPARE(system->endCalls, 0);
    }

    void steppingTheMonth_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("expected");

        QTest::newRow("back from January stays") << English << "January" << "cmdMonthBack" << 1 << "January";
        QTest::newRow("next from December stays") << English << "December" << "cmdMonthNext" << 1 << "December";
        QTest::newRow("November, twice next") << English << "November" << "cmdMonthNext" << 2 << "December";
        QTest::newRow("February back") << English << "February" << "cmdMonthBack" << 1 << "January";
        QTest::newRow("padded text steps") << English << "  June " << "cmdMonthBack" << 1 << "May";
        QTest::newRow("other case matches nothing") << English << "june" << "cmdMonthNext" << 1 << "june";
        QTest::newRow("abbreviation matches nothing") << English << "Jun" << "cmdMonthNext" << 1 << "Jun";
        QTest::newRow("unknown text") << English << "Smarch" << "cmdMonthBack" << 3 << "Smarch";
        QTest::newRow("German back from Januar stays") << German << "Januar" << "cmdMonthBack" << 1 << "Januar";
        QTest::newRow("German next from Dezember stays") << German << "Dezember" << "cmdMonthNext" << 1 << "Dezember";
        QTest::newRow("German Februar to März") << German << " Februar" << "cmdMonthNext" << 1 << "März";
        QTest::newRow("English name under German") << German << "March" << "cmdMonthNext" << 1 << "March";
    }

    void steppingTheMonth()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        QFETCH(QString, button);
        QFETCH(int, presses);
        QFETCH(QString, expected);
        startProgram(locale, QDate(2026, 7, 4));
        page()->setMonthCaption(shown);
        optYear(1)->setChecked(true);

        for (int press = 0; press < presses; ++press)
            control<QPushButton>(qPrintable(button))->click();

        QCOMPARE(lblMonth()->text(), expected);
        QCOMPARE(lblMonth()->accessibleName(), expected); // what a screen reader hears
        // Stepping never touches the year, whichever end it meets.
        QCOMPARE(yearsSet(), (QList<bool>{false, true, false}));
        QVERIFY(system->messages.isEmpty());
    }

    void showingHandsOverToTheResultWindow_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("monthName");
        QTest::addColumn<QString>("yearText");
        QTest::addColumn<QString>("firstLine");

        QTest::newRow("June 2008") << English << "June" << 2 << "June" << "2008" << "June 5, 2008";
        QTest::newRow("padded January 2006")
            << English << " January  " << 0 << "January" << "2006" << "January 23, 2006";
        QTest::newRow("German Oktober 2007")
            << German << "Oktober" << 1 << "Oktober" << "2007" << "October 23, 2007";
    }

    void showingHandsOverToTheResultWindow()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        QFETCH(int, year);
        QFETCH(QString, monthName);
        QFETCH(QString, yearText);
        QFETCH(QString, firstLine);
        startProgram(locale, QDate(2026, 7, 4));
        QPointer<frmMain> oldMain = FormHandle<frmMain>::loaded();
        page()->setMonthCaption(shown);
        optYear(year)->click();

        control<QPushButton>("cmdCalendar")->click();

        QCOMPARE(modPaganFestivals::SelectedMonthName, monthName);
        QCOMPARE(modPaganFestivals::SelectedYear, yearText);
        frmResultCalendar* result = FormHandle<frmResultCalendar>::loaded();
        // The main window is gone for good, not hidden. The exit window never came
        // up: shown even for a moment, a window manager maps it over the result.
        QVERIFY(!FormHandle<frmMain>::loaded());
        QVERIFY(!FormHandle<frmExitScreen>::loaded());
        QCOMPARE(VisibleWindows(), QWidgetList{result});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(oldMain.isNull());
        QCOMPARE(VisibleWindows(), QWidgetList{result});
        QVERIFY(system->messages.isEmpty());
        QCOMPARE(system->endCalls, 0);
        // The result window reads the month the same way the page wrote it.
        const QString shownText = result->findChild<QLabel*>(QStringLiteral("lblDisp"))->text();
        QCOMPARE(shownText.section(QStringLiteral("\r\n"), 0, 0), firstLine);
    }

    void workedByKeyboardAlone()
    {
        startProgram(English, QDate(2026, 11, 4));
        frmMain* main = FormHandle<frmMain>::loaded();
        QVERIFY(QTest::qWaitForWindowActive(main));
        main->SSTMain()->tabButton(0)->setFocus();
        const auto press = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
            return QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                               : QString();
        };

        // From the tabs into the page, in reading order.
        QCOMPARE(press(Qt::Key_Tab), QStringLiteral("cmdMonthBack"));
        QCOMPARE(press(Qt::Key_Tab), QStringLiteral("cmdMonthNext"));
        press(Qt::Key_Space);
        QCOMPARE(lblMonth()->text(), QStringLiteral("December"));
        QCOMPARE(press(Qt::Key_Tab), QStringLiteral("optYear(0)"));
        QCOMPARE(press(Qt::Key_Right), QStringLiteral("optYear(1)"));
        QCOMPARE(press(Qt::Key_Right), QStringLiteral("optYear(2)"));
        // Up and Down move along the one row too; a screen reader hears one group, "Year".
        QCOMPARE(press(Qt::Key_Up), QStringLiteral("optYear(1)"));
        QCOMPARE(press(Qt::Key_Down), QStringLiteral("optYear(2)"));
        const auto labels =
            QAccessible::queryAccessibleInterface(optYear(2))->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty());
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Year"));
        press(Qt::Key_Space);
        QCOMPARE(yearsSet(), (QList<bool>{false, false, true}));
        QCOMPARE(press(Qt::Key_Tab), QStringLiteral("cmdCalendar"));
        // The access key of "Show Pagan &Calendar" from anywhere on the page.
        control<QPushButton>("cmdMonthBack")->setFocus();
        QTest::keyClick(main->windowHandle(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(FormHandle<frmResultCalendar>::loaded());
        QCOMPARE(modPaganFestivals::SelectedMonthName, QStringLiteral("December"));
        QCOMPARE(modPaganFestivals::SelectedYear, QStringLiteral("2008"));
    }

    void everyMonthNameWhole_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name :
             {"en_US", "en_GB", "de_DE", "fr_FR", "es_ES", "it_IT", "pt_BR", "pt_PT", "nl_NL", "pl_PL",
              "ru_RU", "uk_UA", "cs_CZ", "hu_HU", "ro_RO", "el_GR", "tr_TR", "sv_SE", "da_DK", "nb_NO",
              "fi_FI", "ja_JP", "zh_CN", "zh_TW", "ko_KR", "he_IL", "ar_EG", "hi_IN", "id_ID", "vi_VN"})
            QTest::newRow(name) << name;
    }

    // Each month's name of the locale reads whole, in Verdana where Verdana has its
    // letters and in the font drawn here, centred where the label is described.
    void everyMonthNameWhole()
    {
        QFETCH(QString, locale);
        startProgram(QLocale(locale), QDate(2026, 7, 4));
        QLabel* label = lblMonth();
        // Its middle where described: 7605 + 1005 / 2 twips, 540.5 px.
        QVERIFY(qAbs(label->x() * 2 + label->width() - 1081) <= 2);
        for (int month = 1; month <= 12; ++month) {
            const QString name = QLocale(locale).standaloneMonthName(month, QLocale::LongFormat);
            page()->setMonthCaption(name);
            QCOMPARE(label->text(), name);
            const QStringList cut = whatIsCut({name, name, label->font(), label->contentsRect().size()});
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u';')));
        }
    }

    void theIntroductionAndPicture()
    {
        startProgram(English, QDate(2026, 7, 4));
        auto* intro = control<QLabel>("Label5");
        QVERIFY(intro->text().startsWith(QStringLiteral(
            "One of the most significant things in the ancient Anglo-Saxon culture is the old "
            "pagan calendar. ")));
        QVERIFY2(intro->text().size() > 900 && intro->text().size() < 1300,
                 qPrintable(QString::number(intro->text().size())));
        auto* picture = control<QLabel>("Picture1");
        QCOMPARE(picture->pixmap().size(), DevicePixels(QSize(90, 90)));
        QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(90, 90));
        QVERIFY(!picture->accessibleName().isEmpty());
    }
};

QTEST_MAIN(CalendarPageTest)
#include "tst_calendarpage.moc"

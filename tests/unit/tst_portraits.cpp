#include "FakeSystem.h"
#include "WindowCleanup.h"
#include "WindowPortrait.h"
#include "WindowQueries.h"

#include "app/frmMain.h"
#include "platform/SystemServices.h"
#include "calendar/frmResultCalendar.h"
#include "controls/AccessibilityFactory.h"
#include "controls/FocusStyle.h"
#include "controls/TabControl.h"
#include "core/modPaganFestivals.h"
#include "forms/FormHandle.h"
#include "web/frmAbout.h"
#include "web/frmExitScreen.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QtTest>

#include <memory>

// Every window in the states a user reaches, whole: where each control is, its size, colours,
// font, texts and names, its Tab order and what it draws, against the references that
// scripts/portraits.sh made from these windows. The windows are laid out in a letterless Verdana,
// with Verdana's metrics, so that they are placed and drawn alike on every machine.
class PortraitsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        for (const char* style : {"regular", "bold"})
            QVERIFY(QFontDatabase::addApplicationFont(
                        QStringLiteral(":/test/fonts/letterless-verdana-%1.ttf")
                            .arg(QLatin1String(style)))
                    >= 0);
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Verdana"));
        QApplication::setFont(QFont(QStringLiteral("Verdana"), 8));
        // A theme of none of the program's colours: a colour it gives is one it set.
        QPalette theme;
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            theme.setColor(QPalette::ColorRole(role), QColor(0x80, 0x00, 0x80));
        QApplication::setPalette(theme);
        FocusStyle::install();
        InstallAccessibilityFactory();
    }
    void cleanup() { CloseAllWindows(); }

    void everyWindowAsItWasDrawn_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("page");
        for (int page = 0; page < 6; ++page)
            QTest::addRow("main-%d", page) << "main" << page;
        QTest::newRow("result") << "result" << 0;
        QTest::newRow("about") << "about" << 0;
        QTest::newRow("exit") << "exit" << 0;
        QTest::newRow("exit-filled") << "exit" << 1;
    }

    void everyWindowAsItWasDrawn()
    {
        QFETCH(QString, window);
        QFETCH(int, page);
        FakeSystem system;
        QWidget* shown = showState(window, page, system);
        QVERIFY(shown);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QString differences =
            DiffersFromReference(name, Portrait(shown), PictureWithoutLetters(shown));
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
        differences =
            DiffersFromReference(name + ".actions", actions(window, page, TabStops(shown).size()));
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }

private:
    std::unique_ptr<frmAbout> about;

    // The window in the state a user brings it to: the main window on one of its pages, the result
    // window on December 2007, the exit window empty or filled in.
    QWidget* showState(const QString& window, int page, FakeSystem& system)
    {
        CloseAllWindows();
        about.reset();
        system.draws = {0.3};
        modPaganFestivals::SelectedMonthName = FullMonthName(12);
        modPaganFestivals::SelectedYear = QStringLiteral("2007");
        if (window == "about")
            about = std::make_unique<frmAbout>();
        QWidget* shown =
            window == "main"     ? static_cast<QWidget*>(&FormHandle<frmMain>::get())
            : window == "result" ? static_cast<QWidget*>(&FormHandle<frmResultCalendar>::get())
            : window == "exit"   ? static_cast<QWidget*>(&FormHandle<frmExitScreen>::get())
                                 : about.get();
        shown->show();
        shown->activateWindow();
        if (!QTest::qWaitForWindowActive(shown))
            return nullptr;
        if (auto* tabs = shown->findChild<TabControl*>(QStringLiteral("SSTMain")))
            tabs->setSelectedIndex(page);
        if (window == "exit" && page == 1) {
            const char* boxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
            const char* typed[] = {"Ann Lee", "ann@example.org", "Bo Lee", "bo@example.org"};
            for (int box = 0; box < 4; ++box)
                QTest::keyClicks(shown->findChild<QLineEdit*>(QLatin1String(boxes[box])),
                                 QLatin1String(typed[box]));
        }
        return shown;
    }

    // What the user sees when each stop of the Tab order, reached by Tab, is worked by Space, by
    // Enter, by the right arrow and by a click: what the program asked of the desktop (a page
    // opened, a message shown, its end), the windows on screen then, where the focus is and each
    // control of the window that looks otherwise.
    QStringList actions(const QString& window, int page, qsizetype stopCount)
    {
        QStringList lines;
        const std::pair<const char*, int> ways[] = {{"Space", Qt::Key_Space},
                                                    {"Enter", Qt::Key_Return},
                                                    {"Right", Qt::Key_Right},
                                                    {"click", 0}};
        for (qsizetype stop = 0; stop < stopCount; ++stop) {
            for (const auto& [way, key] : ways) {
                FakeSystem system;
                QPointer<QWidget> shown = showState(window, page, system);
                for (qsizetype press = 0; shown && press <= stop; ++press)
                    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                                : shown.data(),
                                    Qt::Key_Tab);
                QWidget* control = QApplication::focusWidget();
                if (!shown || !control)
                    return lines << QStringLiteral("no stop %1").arg(stop);
                const QString name = PathIn(shown, control);
                const auto looks = [](const QWidget* window) {
                    QStringList lines = Controls(window);
                    for (QString& line : lines)
                        line = line.simplified().remove(QStringLiteral(" FOCUSED"));
                    return lines;
                };
                const QStringList before = looks(shown);
                QString modal;
                WhileModal(
                    [&] {
                        if (key)
                            QTest::keyClick(control, Qt::Key(key));
                        else
                            QTest::mouseClick(control, Qt::LeftButton, {},
                                              control->rect().center());
                    },
                    [&](QWidget& box) {
                        modal = QStringLiteral(" modal %1").arg(PathIn(nullptr, &box));
                    });
                QStringList windows;
                for (QWidget* open : VisibleWindows())
                    windows << PathIn(nullptr, open) + (open->isActiveWindow() ? "*" : "");
                windows.sort();
                // The controls of the window that now look otherwise, as they look now.
                QStringList changed = shown ? looks(shown) : QStringList();
                changed.removeIf([&](const QString& line) { return before.contains(line); });
                lines << QStringLiteral("%1 by %2: %3%4; windows %5; focus %6")
                             .arg(name, QLatin1String(way), system.events.join(u' '), modal,
                                  windows.join(u' '),
                                  PathIn(shown ? shown.data() : nullptr,
                                         QApplication::focusWidget()));
                for (const QString& line : changed)
                    lines << QStringLiteral("    now ") + line;
            }
        }
        return lines;
    }
};

QTEST_MAIN(PortraitsTest)
#include "tst_portraits.moc"

#include "FakeSystem.h"
#include "Legibility.h"
#include "WindowCleanup.h"

#include "forms/FormHandle.h"
#include "app/frmMain.h"
#include "calendar/frmResultCalendar.h"
#include "core/modPaganFestivals.h"
#include "controls/FocusStyle.h"
#include "controls/TabControl.h"
#include "web/frmAbout.h"
#include "web/frmExitScreen.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

using Legibility::grabOf;

// Every text of every window reads at 4.5:1 on its own background and every focus
// stop shows a mark of 3:1 and 2 px, in the default colours and under a dark
// desktop theme: read off the windows as drawn.
class LegibilityTest : public QObject
{
    Q_OBJECT

    static void checkText(QWidget* control, const QString& text, const QRect& area = QRect())
    {
        const double ratio = Legibility::textContrast(grabOf(control, area));
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 \"%2\" at %3:1")
                                              .arg(control->objectName(), text.left(30)).arg(ratio)));
    }

    static void checkShownControls(QWidget* window)
    {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisible() || control->visibleRegion().isEmpty())
                continue;
            // Each control is read first without the focus, then with it.
            if (QWidget* focused = QApplication::focusWidget())
                focused->clearFocus();
            const auto* label = qobject_cast<QLabel*>(control);
            const auto* button = qobject_cast<QAbstractButton*>(control);
            const auto* box = qobject_cast<QLineEdit*>(control);
            const QString text = label ? label->text() : button ? button->text() : box ? box->text() : QString();
            if (!text.isEmpty())
                checkText(control, text);
            if (auto* frame = qobject_cast<QGroupBox*>(control))
                checkText(control, frame->title(), QRect(0, 0, frame->width(), frame->fontMetrics().height()));
            auto* days = qobject_cast<QTableView*>(control->parentWidget());
            for (int cell = 0; days && control == days->viewport() && cell < 49; ++cell) {
                const QModelIndex day = days->model()->index(cell / 7, cell % 7); // weekdays, six weeks
                checkText(control, day.data().toString(), days->visualRect(day));
            }
            if (QTest::currentTestFailed())
                return;
            if ((control->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !control->isEnabled())
                continue;
            const QRect around = control->rect().adjusted(-4, -4, 4, 4);
            const QImage without = grabOf(control, around);
            // Not by Tab: a text box would select its text, which is no focus mark.
            control->setFocus(Qt::OtherFocusReason);
            QVERIFY2(Legibility::focusMarkContrast(without, grabOf(control, around)) >= 3.0,
                     qPrintable(control->objectName() + control->accessibleName() + " shows no focus"));
        }
    }

private Q_SLOTS:
    void initTestCase() { FocusStyle::install(); }
    void cleanup() { CloseAllWindows(); }

    void everyTextAndFocusStop_data()
    {
        // qt6ct's "darker": window text, button, light, dark, mid, text, bright text, base, window.
        QPalette darker(Qt::white, QColor(0x424245), QColor(0x979797), QColor(0x302f2e), QColor(0x4a4947),
                        Qt::white, Qt::white, QColor(0x3d3d3d), QColor(0x222020));
        darker.setColor(QPalette::AlternateBase, QColor(0x5c5b5a));
        darker.setColor(QPalette::Highlight, QColor(0x12608a));
        // High contrast: white on black, a cyan selection.
        QPalette contrast(Qt::white, Qt::black, Qt::white, Qt::white, Qt::white, Qt::white, Qt::white,
                          Qt::black, Qt::black);
        contrast.setColor(QPalette::Highlight, Qt::cyan);
        contrast.setColor(QPalette::HighlightedText, Qt::black);
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPalette>("theme");
        for (const char* window : {"main", "result", "exit", "about"}) {
            QTest::addRow("%s, default", window) << window << QApplication::style()->standardPalette();
            QTest::addRow("%s, dark", window) << window << darker;
            QTest::addRow("%s, high contrast", window) << window << contrast;
        }
    }

    void everyTextAndFocusStop()
    {
        QFETCH(QString, window);
        QFETCH(QPalette, theme);
        QApplication::setPalette(theme);
        FakeSystem system;
        modPaganFestivals::SelectedMonthName = FullMonthName(12);
        modPaganFestivals::SelectedYear = QStringLiteral("2007");
        frmAbout about;
        QWidget* shown = window == "main"     ? static_cast<QWidget*>(&FormHandle<frmMain>::get())
                         : window == "result" ? static_cast<QWidget*>(&FormHandle<frmResultCalendar>::get())
                         : window == "exit"   ? static_cast<QWidget*>(&FormHandle<frmExitScreen>::get())
                                              : &about;
        shown->show();
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        // The main window is read on each of its pages.
        auto* tabs = shown->findChild<TabControl*>(QStringLiteral("SSTMain"));
        for (int tab = 0; tab < (tabs ? tabs->tabCount() : 1) && !QTest::currentTestFailed(); ++tab) {
            if (tabs)
                tabs->setSelectedIndex(tab);
            checkShownControls(shown);
        }
    }
};

QTEST_MAIN(LegibilityTest)
#include "tst_legibility.moc"

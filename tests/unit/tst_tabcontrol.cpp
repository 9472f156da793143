#include "controls/AccessibilityFactory.h"
#include "controls/TabButton.h"
#include "controls/TabControl.h"

#include <QAccessible>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TabControlTest : public QObject
{
    Q_OBJECT

private:
    // A control of `count` tabs with a page each, laid out 600 x 300.
    static TabControl* makeControl(int count, int perRow, QWidget* parent)
    {
        auto* control = new TabControl(count, perRow, 20, parent);
        control->resize(600, 300);
        for (int index = 0; index < count; ++index) {
            control->setTabCaption(index, QStringLiteral("Tab &%1").arg(index));
            auto* page = new QWidget;
            page->setGeometry(0, control->rowCount() * 20, 600, 100);
            control->setPage(index, page);
        }
        return control;
    }

private Q_SLOTS:
    void initTestCase() { InstallAccessibilityFactory(); }

    void tabWidthsFollowCaptionsOnlyWhereTheyFit_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<bool>("equal");
        QTest::newRow("one long caption among short ones")
            << QStringList{"Esus", "Nuadhu or Nud/ Nodens/ Lud", "Donn"} << false;
        QTest::newRow("more than the row can hold")
            << QStringList{QString(60, QLatin1Char('W')), "Donn", "Esus"} << true;
    }

    void tabWidthsFollowCaptionsOnlyWhereTheyFit()
    {
        QFETCH(QStringList, captions);
        QFETCH(bool, equal);
        QWidget window;
        // Two rows, to see that each row is laid out on its own.
        TabControl tabs(6, 3, 20, &window);
        tabs.setGeometry(0, 0, 330, 200);
        QPalette colours = tabs.palette();
        colours.setColor(QPalette::Mid, QColor(0x6e, 0xa0, 0xa0)); // the outline, as the main tabs have it
        tabs.setPalette(colours);
        for (int index = 0; index < 6; ++index)
            tabs.setTabCaption(index, index < 3 ? captions[index] : QStringLiteral("Ogmios"));
        window.show();
        tabs.setTabWidthsFollowCaptions(true); // takes effect at once, on a control already shown
        // Equal captions share equally.
        QVERIFY(qAbs(tabs.tabButton(3)->width() - tabs.tabButton(5)->width()) <= 2);
        if (equal)
            QVERIFY(qAbs(tabs.tabButton(0)->width() - tabs.tabButton(1)->width()) <= 2);
        else
            QVERIFY(tabs.tabButton(1)->width() > 2 * tabs.tabButton(0)->width());
        for (int row = 0; row < 2; ++row) {
            // Edge to edge across the whole row, row under row.
            QCOMPARE(tabs.tabButton(row * 3)->geometry().topLeft(), QPoint(0, row * 20));
            QCOMPARE(tabs.tabButton(row * 3)->height(), 20);
            QCOMPARE(tabs.tabButton(row * 3 + 2)->geometry().right(), tabs.width() - 1);
            for (int column = 1; column < 3; ++column)
                QCOMPARE(tabs.tabButton(row * 3 + column)->x(),
                         tabs.tabButton(row * 3 + column - 1)->geometry().right() + 1);
        }
        QCOMPARE(tabs.grab().toImage().pixelColor(329, 199).name(), "#6ea0a0"); // the page area's corner
        tabs.resize(300, 200); // laid out again at its new width
        QCOMPARE(tabs.tabButton(2)->geometry().right(), 299);
        const int narrow = tabs.tabButton(0)->widthForCaption();
        tabs.tabButton(0)->setFont(QFont(tabs.font().family(), 30)); // measured again
        QVERIFY(tabs.tabButton(0)->widthForCaption() > narrow);
    }

    void theFocusRingLeavesTheCaptionAlone()
    {
        for (int height : {27, 20}) { // the main tabs' and the entry tabs'
            QWidget window;
            TabControl tabs(2, 2, height, &window);
            tabs.setGeometry(0, 0, 300, 100);
            tabs.setTabCaption(0, QStringLiteral("Pagan Festive Seasons"));
            tabs.setTabCaption(1, QStringLiteral("Esus"));
            tabs.setTabWidthsFollowCaptions(true);
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            TabButton* tab = tabs.tabButton(0);
            tab->clearFocus();
            const QImage without = tab->grab().toImage();
            tab->setFocus();
            const QImage with = tab->grab().toImage();
            // The ring is what the focus adds; none of it falls on the caption's room.
            int ring = 0;
            for (int y = 0; y < with.height(); ++y)
                for (int x = 0; x < with.width(); ++x)
                    if (with.pixel(x, y) != without.pixel(x, y)) {
                        ++ring;
                        QVERIFY2(!tab->captionArea().contains(x, y), qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
                    }
            QVERIFY2(ring > 2 * tab->width(), qPrintable(QString::number(height)));
        }
    }

    void selectionShowsOnlyItsPageAndIsAnnounced()
    {
        QWidget window;
        TabControl* control = makeControl(12, 6, &window);
        window.show();
        QSignalSpy clicks(control, &TabControl::Click);

        control->setSelectedIndex(7); // in code
        QTest::mouseClick(control->tabButton(2), Qt::LeftButton); // by the user
        control->setSelectedIndex(2); // no change, no event
        control->setSelectedIndex(12); // out of range, ignored
        control->setSelectedIndex(-1);

        QCOMPARE(clicks.size(), 2);
        QCOMPARE(clicks[0][0].toInt(), 0); // the previous tab
        QCOMPARE(clicks[1][0].toInt(), 7);
        QCOMPARE(control->selectedIndex(), 2);
        for (int index = 0; index < 12; ++index) {
            QCOMPARE(control->page(index)->isVisible(), index == 2);
            QCOMPARE(control->tabButton(index)->isSelected(), index == 2);
        }
    }

    void theSelectedTabHoldsTheFocusAndArrowsMoveIt()
    {
        QWidget window;
        TabControl* control = makeControl(6, 6, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        control->setFocus();
        QCOMPARE(QApplication::focusWidget(), control->tabButton(0));
        // Each arrow from the selected tab, and where it leads; no arrow wraps round the ends.
        const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_Left, 0},
                                                 {Qt::Key_Down, 1},  {Qt::Key_Up, 0},     {Qt::Key_Down, 1},
                                                 {Qt::Key_Right, 2}};
        for (const auto& [key, to] : steps) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(control->selectedIndex(), to);
            QCOMPARE(QApplication::focusWidget(), control->tabButton(to));
        }
        // Only the selected tab is a Tab-key stop.
        QCOMPARE(control->tabButton(0)->focusPolicy(), Qt::NoFocus);
        QVERIFY(control->tabButton(2)->focusPolicy() & Qt::TabFocus);
        // A click on another tab takes the focus from the page it hides straight to the tab, not
        // by way of what follows the page.
        auto* onPage = new QPushButton(control->page(2));
        (new QPushButton(&window))->show();
        onPage->show();
        onPage->setFocus();
        QSignalSpy moves(qApp, &QApplication::focusChanged);
        QTest::mouseClick(control->tabButton(4), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), control->tabButton(4));
        QCOMPARE(moves.size(), 1);
        control->setSelectedIndex(5);
        QTest::keyClick(control->tabButton(5), Qt::Key_Right);
        QCOMPARE(control->selectedIndex(), 5);
    }

    void controlKeysStepRoundTheTabs_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << ctrl << 2 << 3;
        QTest::newRow("Ctrl+Tab round the end") << int(Qt::Key_Tab) << ctrl << 5 << 0;
        QTest::newRow("Ctrl+Shift+Tab") << int(Qt::Key_Backtab) << (ctrl | Qt::ShiftModifier) << 0 << 5;
        QTest::newRow("Ctrl+Page Down") << int(Qt::Key_PageDown) << ctrl << 2 << 3;
        QTest::newRow("Ctrl+Page Up") << int(Qt::Key_PageUp) << ctrl << 2 << 1;
        QTest::newRow("Page Up alone") << int(Qt::Key_PageUp) << Qt::KeyboardModifiers() << 2 << 2;
    }

    void controlKeysStepRoundTheTabs()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, from);
        QFETCH(int, to);
        QWidget window;
        TabControl* control = makeControl(6, 6, &window);
        control->setSelectedIndex(from);
        // Pressed on the page, the key reaches the control that holds it.
        QTest::keyClick(control->page(from), Qt::Key(key), modifiers);
        QCOMPARE(control->selectedIndex(), to);
    }

    void screenReadersSeePageTabsThatCanBeSelected()
    {
        QWidget window;
        TabControl* control = makeControl(6, 6, &window);
        window.show();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(control);
        QCOMPARE(list->role(), QAccessible::PageTabList);

        QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(control->tabButton(4));
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), QStringLiteral("Tab 4"));
        QVERIFY(!tab->state().selected);
        QAccessibleActionInterface* actions = tab->actionInterface();
        QVERIFY(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(control->selectedIndex(), 4);
        QVERIFY(tab->state().selected);
    }
};

QTEST_MAIN(TabControlTest)
#include "tst_tabcontrol.moc"

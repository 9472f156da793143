#include "controls/AccessibilityFactory.h"
#include "controls/TabButton.h"
#include "controls/TabControl.h"

#include <QAccessible>
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

    void tabsStandInRows_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("perRow");
        QTest::addColumn<int>("rows");
        QTest::newRow("main: six in one row") << 6 << 6 << 1;
        QTest::newRow("gods: two rows of six") << 12 << 6 << 2;
        QTest::newRow("festive seasons: eight in one row") << 8 << 8 << 1;
    }

    void tabsStandInRows()
    {
        QFETCH(int, count);
        QFETCH(int, perRow);
        QFETCH(int, rows);
        QWidget window;
        TabControl* control = makeControl(count, perRow, &window);
        window.show();
        QCOMPARE(control->rowCount(), rows);
        for (int index = 0; index < count; ++index) {
            const QRect tab = control->tabButton(index)->geometry();
            QCOMPARE(tab.y(), (index / perRow) * 20);
            QCOMPARE(tab.height(), 20);
            if (index % perRow > 0) // left to right, edge to edge
                QCOMPARE(tab.left(), control->tabButton(index - 1)->geometry().right() + 1);
        }
        QCOMPARE(control->tabButton(perRow - 1)->geometry().right(), control->width() - 1);
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
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left); // stays at the first
        QCOMPARE(control->selectedIndex(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(control->selectedIndex(), 2);
        QCOMPARE(QApplication::focusWidget(), control->tabButton(2));
        // Only the selected tab is a Tab-key stop.
        QCOMPARE(control->tabButton(0)->focusPolicy(), Qt::NoFocus);
        QVERIFY(control->tabButton(2)->focusPolicy() & Qt::TabFocus);
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
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::PageTabList);

        QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(control->tabButton(4));
        QVERIFY(tab);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), QStringLiteral("Tab 4"));
        QVERIFY(!tab->state().selected);
        QAccessibleActionInterface* actions = tab->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(control->selectedIndex(), 4);
        QVERIFY(tab->state().selected);
    }
};

QTEST_MAIN(TabControlTest)
#include "tst_tabcontrol.moc"

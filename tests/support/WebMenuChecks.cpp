#include "WebMenuChecks.h"

#include "WindowQueries.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

void VerifyWebMenus(const QList<QAction*>& bar)
{
    QCOMPARE(MenuCaptions(bar), (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
    QCOMPARE(MenuCaptions(bar[1]->menu()->actions()),
             (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                          "&About Software"}));
    QVERIFY(!bar[2]->menu());
    QVERIFY(!bar[3]->menu());
    QVERIFY(!bar[3]->isEnabled());
    for (QAction* top : bar) {
        QVERIFY2(top->shortcut().isEmpty(), qPrintable(top->text()));
        if (top->menu()) {
            for (QAction* item : top->menu()->actions())
                QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->text()));
        }
    }
}

void AddWebCommandRows()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("pageKey");
    QTest::newRow("Online Help") << "mnuOnline" << "help-web-page";
    QTest::newRow("Visit Us Online") << "mnuVisit" << "home-page";
    QTest::newRow("Check for Software Update") << "mnuUpdate" << "download-web-page";
    QTest::newRow("Donate") << "mnuDonate" << "donate";
    QTest::newRow("forum banner") << "Label14" << "home-page";
    QTest::newRow("full-brand label") << "lblFullBrand" << "fully-branded";
}

#include "FakeSystem.h"
#include "WindowCleanup.h"
#include "WindowQueries.h"

#include "forms/FormHandle.h"
#include "app/frmMain.h"
#include "controls/LinkLabel.h"
#include "web/frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <functional>

// The About window: modal over its owner, closed by OK, Enter, Esc or the close
// box, and left open by its links.
class AboutTest : public QObject
{
    Q_OBJECT

    static bool whileOpen(const std::function<void(QWidget&)>& act)
    {
        return WhileModal([] { frmAbout::showModal(nullptr); }, act);
    }

private Q_SLOTS:
    void cleanup() { CloseAllWindows(); }

    void closesByKeyOrCloseBox_data()
    {
        QTest::addColumn<int>("way"); // 0 Enter, 1 Esc, 2 close box, 3 OK clicked, 4 Enter on a link
        QTest::newRow("Enter") << 0;
        QTest::newRow("Enter with a link focused") << 4;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
        QTest::newRow("OK") << 3;
    }

    void closesByKeyOrCloseBox()
    {
        QFETCH(int, way);
        FakeSystem system;
        QPointer<QWidget> seen;
        bool closedAtOnce = false;
        QVERIFY(whileOpen([&](QWidget& about) {
            seen = &about;
            auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
            QVERIFY(ok->isDefault());
            QCOMPARE(about.focusWidget(), ok);
            switch (way) {
            case 0: QTest::keyClick(ok, Qt::Key_Return); break;
            case 1: QTest::keyClick(ok, Qt::Key_Escape); break;
            case 2: about.close(); break;
            case 4:
                about.findChild<LinkLabel*>(QStringLiteral("lblHomePage"))->setFocus(Qt::TabFocusReason);
                QTest::keyClick(about.focusWidget(), Qt::Key_Return);
                break;
            default: ok->click(); break;
            }
            closedAtOnce = !about.isVisible();
        }));
        QVERIFY(closedAtOnce);
        // Unloaded, not kept: the next opening starts afresh.
        QVERIFY(seen.isNull());
        QVERIFY(system.openedAddresses.isEmpty());
    }

    void theIconDrawnForTheScreen()
    {
        FakeSystem system;
        QVERIFY(whileOpen([&](QWidget& about) {
            QCOMPARE(about.findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().size(), DevicePixels(QSize(32, 32)));
        }));
    }

    void theMainWindowMenuOpensItModallyOverIt()
    {
        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        main.show();
        main.move(main.screen()->availableGeometry().topLeft());
        bool checked = false;
        QVERIFY(WhileModal([&] { main.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger(); },
                           [&](QWidget& window) {
            auto* about = qobject_cast<frmAbout*>(&window);
            checked = about && about->parentWidget() == &main && about->isModal()
                      && about->windowModality() == Qt::ApplicationModal
                      && about->windowTitle() == QStringLiteral("Velloran v1.95")
                      && (about->windowFlags() & Qt::WindowType_Mask) == Qt::Dialog
                      && !(about->windowFlags() & (Qt::WindowMinimizeButtonHint
                                                   | Qt::WindowMaximizeButtonHint))
                      && (about->frameGeometry().center() - main.screen()->availableGeometry().center())
                                 .manhattanLength() <= 12
                      && StaysFixedWhenMaximized(about)
                      && about->findChild<QLabel*>(QStringLiteral("Label2"))->text()
                             == QStringLiteral("Velloran v1.95")
                      && about->findChild<QLabel*>(QStringLiteral("Label1"))->text()
                             == QStringLiteral(
                                 "Velloran shows the different Pagan, Witch, Druid and Heathen "
                                 "festivals along with certain important dates and events. The "
                                 "program also portrays the important neo-pagan festivals and "
                                 "religious holidays along with their origins which are important "
                                 "in modern paganism. All rights to Velloran are held by Tarrowmoor.")
                      && about->findChild<QLabel*>(QStringLiteral("Label3"))->text()
                             == QStringLiteral(
                                 "Home Business Opportunity. Start your own Internet business and "
                                 "make money online. Get this software fully branded for your website.");
        }));
        QVERIFY(checked);
        QVERIFY(main.findChildren<frmAbout*>().isEmpty());
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"

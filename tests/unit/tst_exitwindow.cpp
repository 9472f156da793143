#include "FakeSystem.h"
#include "WindowCleanup.h"
#include "WindowQueries.h"

#include "forms/FormHandle.h"
#include "forms/FormRegistry.h"
#include "app/frmStartup.h"
#include "controls/LinkLabel.h"
#include "web/frmExitScreen.h"
#include "web/modHelp.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

// The exit window: its load steps, the road out, its links and the referral form.
class ExitWindowTest : public QObject
{
    Q_OBJECT

    template <class T = QWidget>
    static T* control(const QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    static frmExitScreen& activeExitWindow()
    {
        frmExitScreen& window = FormHandle<frmExitScreen>::get();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the exit window could not be activated");
        return window;
    }

private Q_SLOTS:
    void cleanup() { CloseAllWindows(); }

    void loadingDrawsOneOfFourMessages_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("opening"); // each message's own first words
        QTest::newRow("0") << 0.0 << "Quillmere Softwares, such as this";
        QTest::newRow("just below a quarter") << 0.2499 << "Quillmere Softwares, such as this";
        QTest::newRow("a quarter") << 0.25 << "Visit Tarrowmoor regularly. Support";
        QTest::newRow("a half") << 0.5 << "Tarrowmoor is a FREE online";
        QTest::newRow("three quarters") << 0.75 << "Tarrowmoor needs your help.";
        QTest::newRow("just below 1") << 0.9999999 << "Tarrowmoor needs your help.";
        // A draw out of range still picks one of the four.
        QTest::newRow("below 0") << -0.5 << "Quillmere Softwares, such as this";
        QTest::newRow("1") << 1.0 << "Tarrowmoor needs your help.";
        QTest::newRow("7") << 7.0 << "Tarrowmoor needs your help.";
    }

    void loadingDrawsOneOfFourMessages()
    {
        QFETCH(double, draw);
        QFETCH(QString, opening);
        FakeSystem system;
        system.draws = {draw};
        frmExitScreen& window = FormHandle<frmExitScreen>::get();
        QCOMPARE(system.seeds, 1);
        QVERIFY(control<QLabel>(window, "Label2")->text().startsWith(opening));
        QCOMPARE(control<QLabel>(window, "picExitScreenIcon")->pixmap().size(),
                 DevicePixels(QSize(32, 32)));
    }

    void loadingMakesItVisibleOnTopWithoutActivating()
    {
        FakeSystem system;
        frmExitScreen& window = FormHandle<frmExitScreen>::get();
        QCOMPARE(window.windowTitle(), QStringLiteral("Velloran v1.95"));
        QCOMPARE(control<QLabel>(window, "lblExitScreenCaption")->text(),
                 QStringLiteral("Velloran v1.95"));
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(!control<QLabel>(window, "picExitScreenIcon")->pixmap().isNull());
        QVERIFY(window.isVisible());
        const QPoint offCentre =
            window.frameGeometry().center() - window.screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 12);
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
        // Not yet active, it already names Exit as its focus, as a screen reader asks it.
        QCOMPARE(window.focusWidget(), control<QPushButton>(window, "cmdClose"));
        QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(StaysFixedWhenMaximized(&window));
        // Loading it must not load the start-up window, which would start the program again.
        QVERIFY(!FormHandle<frmStartup>::loaded());
    }

    void aHiddenWindowKeepsWhatItHad()
    {
        FakeSystem system;
        system.draws = {0.6};
        FormHandle<frmExitScreen>::hide(); // not loaded yet: this loads it
        frmExitScreen* window = FormHandle<frmExitScreen>::loaded();
        QVERIFY(window && !window->isVisible());
        control<QLineEdit>(*window, "txtName")->setText(QStringLiteral("Ann"));

        system.draws = {0.1};
        FormHandle<frmExitScreen>::get().show();
        QCOMPARE(FormHandle<frmExitScreen>::loaded(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(system.seeds, 1); // no second load
        QVERIFY(control<QLabel>(*window, "Label2")->text().startsWith("Tarrowmoor is a FREE"));
        QCOMPARE(control<QLineEdit>(*window, "txtName")->text(), QStringLiteral("Ann"));
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void fixedTextsAreExact()
    {
        FakeSystem system;
        const QString text = frmExitScreen::softwaresText();
        QVERIFY(text.contains(QStringLiteral("the world\u2019s largest")));
        QVERIFY(text.contains(QStringLiteral("interests.") + QString(61, QLatin1Char(' ')) + "All"));
        QVERIFY(!text.contains(QString(62, QLatin1Char(' '))));
        QVERIFY(text.endsWith(QStringLiteral("friends and family. ")));
        QVERIFY(!text.endsWith(QStringLiteral("  ")));

        frmExitScreen& window = FormHandle<frmExitScreen>::get();
        QCOMPARE(control<QLabel>(window, "Label3")->text(), text);
        QCOMPARE(window.messageText(), QStringLiteral("Your Message\r\n"));
        QVERIFY(PointsWithOurHand(control<QPushButton>(window, "Check1")));
    }

    void theHiddenMessageBoxKeepsItsScrollBar()
    {
        FakeSystem system;
        frmExitScreen& window = activeExitWindow();
        // The message box lies outside its frame: reachable, never seen; emptied, it keeps its scroll bar.
        auto* message = control<QPlainTextEdit>(window, "txtMessage");
        QVERIFY(message->isVisible() && !message->geometry().intersects(message->parentWidget()->rect()));
        message->clear();
        QCoreApplication::processEvents(); // the box lays itself out again
        QVERIFY(message->verticalScrollBar()->isVisible());
    }

    // The close box: tst_startup.
    void exitEndsTheProgram()
    {
        FakeSystem system;
        control<QPushButton>(FormHandle<frmExitScreen>::get(), "cmdClose")->click();
        QVERIFY(system.endCalls >= 1);
        QVERIFY(!FormHandle<frmExitScreen>::loaded());
        QVERIFY(FormRegistry::loadedForms().isEmpty());
    }

    void placeholdersFollowTheFocus()
    {
        FakeSystem system;
        frmExitScreen& window = activeExitWindow();
        auto* name = control<QLineEdit>(window, "txtName");
        auto* email = control<QLineEdit>(window, "txtEmail");
        auto* message = control<QPlainTextEdit>(window, "txtMessage");

        name->setText(QStringLiteral("  Your Name "));
        name->setFocus(Qt::TabFocusReason);
        QCOMPARE(name->text(), QStringLiteral("  Your Name ")); // emptied once the focus is in
        QCoreApplication::processEvents();
        QCOMPARE(name->text(), QString()); // placeholder, spaces aside, is emptied
        QCOMPARE(QAccessible::queryAccessibleInterface(name)->text(QAccessible::Name), "Your Name");
        QTest::keyClicks(name, QStringLiteral("   "));
        email->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(name->text(), QStringLiteral("Your Name")); // only spaces: back to it
        QCOMPARE(email->text(), QString());

        // The window losing the focus to a message box is no move between controls.
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(email, &away);
        QCOMPARE(email->text(), QString());
        control<QWidget>(window, "cmdSubmit")->setFocus(Qt::TabFocusReason);
        QCOMPARE(email->text(), QStringLiteral("Your Email Address"));

        // The window opens inactive: a click into a box may reach it as the
        // focus that comes with activating the window. It still empties the box.
        QFocusEvent activated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(email, &activated);
        QCoreApplication::processEvents();
        QCOMPARE(email->text(), QString());

        // Typed text is kept both ways.
        name->setText(QStringLiteral("Ann Lee"));
        name->setFocus(Qt::TabFocusReason);
        email->setFocus(Qt::TabFocusReason);
        QCOMPARE(name->text(), QStringLiteral("Ann Lee"));

        // The hidden box differs from its placeholder by the line break: not emptied;
        // emptied by the user, it gets the placeholder without the line break.
        message->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(window.messageText(), QStringLiteral("Your Message\r\n"));
        message->clear();
        name->setFocus(Qt::TabFocusReason);
        QCOMPARE(window.messageText(), QStringLiteral("Your Message"));
    }

    void theEmailBoxesRefuseATypedSpace_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("refused");
        QTest::newRow("txtEmail") << "txtEmail" << true;
        QTest::newRow("txtFriendEmail") << "txtFriendEmail" << true;
        QTest::newRow("txtName") << "txtName" << false;
        QTest::newRow("txtFriendName") << "txtFriendName" << false;
    }

    void theEmailBoxesRefuseATypedSpace()
    {
        QFETCH(QString, box);
        QFETCH(bool, refused);
        FakeSystem system;
        frmExitScreen& window = activeExitWindow();
        auto* field = window.findChild<QLineEdit*>(box);
        auto* other = control<QWidget>(window, "cmdClose");
        field->setFocus(Qt::TabFocusReason);
        // The box that shows the message takes the focus away for a while.
        system.onMessage = [other](const FakeSystem::Message&) { other->setFocus(); };

        QTest::keyClicks(field, QStringLiteral("a b"));

        if (!refused) {
            QCOMPARE(field->text(), QStringLiteral("a b"));
            QVERIFY(system.messages.isEmpty());
            return;
        }
        QCOMPARE(field->text(), QStringLiteral("ab"));
        QCOMPARE(system.messages.size(), 1);
        QCOMPARE(system.messages[0].text, QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(system.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(QApplication::focusWidget(), field);

        // A pasted space is not a typed one.
        QGuiApplication::clipboard()->setText(QStringLiteral(" c d"));
        field->paste();
        QCOMPARE(field->text(), QStringLiteral("ab c d"));
        QCOMPARE(system.messages.size(), 1);
    }

    // Every road of pasting into the hidden message box: an empty clipboard and
    // one without text change nothing (Qt 6.4's own box crashes on them); text
    // goes in as plain text, marks and all.
    void theMessageBoxTakesOnlyPastedText()
    {
        FakeSystem system;
        frmExitScreen& window = activeExitWindow();
        auto* box = control<QPlainTextEdit>(window, "txtMessage");
        box->setFocus(Qt::TabFocusReason);
        box->setPlainText(QStringLiteral("Hi "));
        box->moveCursor(QTextCursor::End);
        QClipboard* clipboard = QGuiApplication::clipboard();
        const auto pasteEveryWay = [box] {
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
            box->paste(); // the context menu's Paste
            QTest::mouseClick(box->viewport(), Qt::MiddleButton);
        };

        clipboard->clear();
        pasteEveryWay();
        // What an X clipboard that nobody owns offers: data without any format.
        clipboard->setMimeData(new QMimeData);
        pasteEveryWay();
        QCOMPARE(box->toPlainText(), QStringLiteral("Hi "));

        auto* pictureOnly = new QMimeData;
        pictureOnly->setImageData(QImage(2, 2, QImage::Format_RGB32));
        clipboard->setMimeData(pictureOnly);
        QVERIFY(!box->canPaste()); // nor offered on the context menu
        pasteEveryWay();
        QCOMPARE(box->toPlainText(), QStringLiteral("Hi "));

        auto* rich = new QMimeData;
        rich->setHtml(QStringLiteral("<b>&amp; = # %</b>"));
        rich->setText(QStringLiteral("& = # % \"\u00e9\U0001F600\""));
        clipboard->setMimeData(rich);
        box->paste();
        QCOMPARE(box->toPlainText(), QStringLiteral("Hi & = # % \"\u00e9\U0001F600\""));
        QVERIFY(system.messages.isEmpty());
    }

    void referralStepsInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("message"); // null: the box is left untouched
        QTest::addColumn<QString>("expected"); // a message, or the address after the server

        const QString untouched;
        const char* page = "/velloran/ssd.php?page=kzlt-refer-a-friend";
        QTest::newRow("untouched form")
            << "Your Name" << "Your Email Address" << "Friend's Name" << "Friend's Email Address"
            << untouched << "Please Enter Proper Email Address";
        QTest::newRow("equal addresses") << "Ann" << "a@b.c" << "Bo" << "a@b.c" << untouched
                                         << "Please Enter Distinct Email Addresses";
        QTest::newRow("equal once trimmed") << "Ann" << "  a@b.c " << "Bo" << "a@b.c" << untouched
                                            << "Please Enter Distinct Email Addresses";
        QTest::newRow("equal placeholders") << "Ann" << "Your Email Address" << "Bo"
                                            << "Your Email Address" << untouched
                                            << "Please Enter Distinct Email Addresses";
        QTest::newRow("case-different addresses pass")
            << "Ann" << "A@b.c" << "Bo" << "a@b.c" << untouched
            << QString::fromLatin1(page)
                   + "&taf1=Ann&taf2=A%40b.c&taf3=Your%20Message%0D%0A&taf4=Bo&taf5=a%40b.c"
                     "&taf6=SERVER/velloran/";
        QTest::newRow("no @") << "Ann" << "ab.c" << "Bo" << "d@e.f" << untouched
                              << "Please Enter Proper Email Address";
        QTest::newRow("friend's @ without .") << "Ann" << "a@b.c" << "Bo" << "d@e" << untouched
                                              << "Please Enter Proper Email Address";
        QTest::newRow("own @ without .") << "Ann" << "a@b" << "Bo" << "d@e.f" << untouched
                                         << "Please Enter Proper Email Address";
        QTest::newRow("name untouched, bare @ and . pass the window")
            << "Your Name" << "@." << "Bo" << ".@" << untouched << "Please Enter Your Name";
        // Each row below also fails every later check: the order is part of the test.
        QTest::newRow("name of spaces") << "   " << "a@b.c" << "" << "d@e.f" << ""
                                        << "Please Enter Your Name";
        QTest::newRow("message emptied") << "Ann" << "a@b.c" << "Friend's Name" << "d@e.f" << ""
                                         << "Please Enter Your Message";
        QTest::newRow("message is the bare placeholder")
            << "Ann" << "a@b.c" << "" << "d@e.f" << "  Your Message"
            << "Please Enter Your Message";
        QTest::newRow("friend's name untouched")
            << "Ann" << "a@b.c" << "Friend's Name" << "d@e.f" << "Hello"
            << "Please Enter Your Friend's Name";
        QTest::newRow("inner spaces and a tab")
            << " Ann Lee " << "a@b.c" << "\tBo" << "d@e.f" << "Hi there\r\nsee you"
            << QString::fromLatin1(page)
                   + "&taf1=Ann%20Lee&taf2=a%40b.c&taf3=Hi%20there%0D%0Asee%20you&taf4=%09Bo"
                     "&taf5=d%40e.f&taf6=SERVER/velloran/";
    }

    void referralStepsInOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, friendName);
        QFETCH(QString, friendEmail);
        QFETCH(QString, message);
        QFETCH(QString, expected);
        FakeSystem system;
        frmExitScreen& window = FormHandle<frmExitScreen>::get();
        const QStringList names = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
        const QStringList values = {name, email, friendName, friendEmail};
        for (int i = 0; i < names.size(); ++i)
            window.findChild<QLineEdit*>(names[i])->setText(values[i]);
        if (!message.isNull())
            control<QPlainTextEdit>(window, "txtMessage")->setPlainText(message);
        const QString messageBefore = window.messageText();

        control<QPushButton>(window, "cmdSubmit")->click();

        if (expected.startsWith(QLatin1Char('/'))) {
            QVERIFY(system.messages.isEmpty());
            const QString server = QString::fromLatin1(modHelp::ServerAddress);
            QCOMPARE(system.openedAddresses,
                     QStringList{server + QString(expected).replace("SERVER", server)});
        } else {
            QCOMPARE(system.messages.size(), 1);
            QCOMPARE(system.messages[0].text, expected);
            QCOMPARE(system.messages[0].icon, QMessageBox::Critical);
            QCOMPARE(system.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QVERIFY(system.openedAddresses.isEmpty());
        }
        // Whatever the outcome, the window stays and keeps every text.
        QVERIFY(FormHandle<frmExitScreen>::loaded() == &window && window.isVisible());
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(window.findChild<QLineEdit*>(names[i])->text(), values[i]);
        QCOMPARE(window.messageText(), messageBefore);
    }
};

QTEST_MAIN(ExitWindowTest)
#include "tst_exitwindow.moc"

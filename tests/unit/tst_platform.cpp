#include "platform/QtSystemServices.h"
#include "platform/SingleInstanceLock.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// What the program asks of the system directly: the single-instance lock and
// the message box.
class PlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Only a lock held by a live process means another copy runs; a lock file
    // that cannot be made at all (a read-only, full or broken runtime folder)
    // must not keep the program from starting.
    void onlyALiveHolderRefusesTheLock()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("velloran.lock"));

        SingleInstanceLock first(path);
        QVERIFY(first.acquire());
        SingleInstanceLock second(path);
        QVERIFY(!second.acquire());

        // A plain file where the folder should be: creation fails even for root.
        QFile plain(folder.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        SingleInstanceLock unmakeable(folder.filePath(QStringLiteral("plain/run/velloran.lock")));
        QVERIFY(unmakeable.acquire());

        // A lock file nobody can read: a fresh one may be a copy starting now, an old one is taken.
        QFile damaged(folder.filePath(QStringLiteral("damaged.lock")));
        QVERIFY(damaged.open(QIODevice::ReadWrite) && damaged.write("\xff\n") == 2 && damaged.flush());
        QVERIFY(!SingleInstanceLock(damaged.fileName()).acquire());
        QVERIFY(damaged.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        damaged.close();
        QVERIFY(SingleInstanceLock(damaged.fileName()).acquire());
    }

    // An owner closed while its message box is up (an accessibility tool can do
    // that) takes the box with it; nothing is freed twice and the caller hears
    // that no button was chosen.
    void aMessageBoxGoesWithItsOwner()
    {
        auto* owner = new QWidget;
        owner->show();
        QPointer<QWidget> watched = owner;
        QTimer::singleShot(50, owner, [owner] { delete owner; });
        QtSystemServices services;
        const QMessageBox::StandardButton answer = services.showMessage(
            owner, QMessageBox::Critical, QStringLiteral("Please Select A Year"), QMessageBox::Ok,
            QMessageBox::Ok);
        QVERIFY(watched.isNull());
        QCOMPARE(answer, QMessageBox::NoButton);
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"

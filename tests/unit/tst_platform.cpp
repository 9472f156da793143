#include "platform/QtSystemServices.h"
#include "platform/SingleInstanceLock.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

// What a copy that was killed, or another user, left where the lock goes.
enum class Leftover { Nothing, Damaged, ReadOnly, OtherUsers, Folder, OtherUsersFolder };
Q_DECLARE_METATYPE(Leftover)

// What the program asks of the system directly: the single-instance lock and
// the message box.
class PlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Only a lock held by a live process means another copy runs. Whatever a
    // killed copy or another user left in the lock's place is no copy: the lock
    // is taken and refuses the next one, or where no sound lock can be had (a
    // folder another user owns) the program starts unguarded.
    void onlyALiveHolderRefusesTheLock_data()
    {
        QTest::addColumn<Leftover>("leftover");
        QTest::addColumn<bool>("secondRefused");
        QTest::newRow("nothing") << Leftover::Nothing << true;
#ifndef Q_OS_WIN
        QTest::newRow("a damaged lock") << Leftover::Damaged << true;
        QTest::newRow("a read-only lock") << Leftover::ReadOnly << true;
        QTest::newRow("another user's lock") << Leftover::OtherUsers << true;
        QTest::newRow("a folder") << Leftover::Folder << true;
        QTest::newRow("another user's folder") << Leftover::OtherUsersFolder << false;
#endif
    }

    void onlyALiveHolderRefusesTheLock()
    {
        QFETCH(Leftover, leftover);
        QFETCH(bool, secondRefused);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        // No runtime folder: the lock goes beneath the temporary folder, shared by all users.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), temporary = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_RUNTIME_DIR", runtime);
            qputenv("TMPDIR", temporary);
        });
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(folder.path()));
        const QString path = SingleInstanceLock::defaultLockFilePath();
#ifndef Q_OS_WIN
        const QByteArray lockFolder = QFile::encodeName(QFileInfo(path).path());
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        if (leftover == Leftover::Folder)
            QVERIFY(QDir().mkdir(path));
        else if (leftover != Leftover::Nothing)
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\xff\n") == 2);
        file.close();
        QVERIFY(leftover != Leftover::ReadOnly || ::chmod(file.fileName().toLocal8Bit(), 0444) == 0);
        if (leftover == Leftover::OtherUsers || leftover == Leftover::OtherUsersFolder) {
            if (::geteuid() != 0)
                QSKIP("Only root can leave files as another user");
            const uid_t nobody = 65534;
            QVERIFY(::chown(QFile::encodeName(path), nobody, nobody) == 0);
            QVERIFY(leftover == Leftover::OtherUsers || ::chown(lockFolder, nobody, nobody) == 0);
        }
#else
        Q_UNUSED(leftover) // a mutex leaves nothing behind: only the first row
#endif
        SingleInstanceLock first(path);
        QVERIFY(first.acquire());
        SingleInstanceLock second(path);
        QCOMPARE(!second.acquire(), secondRefused);

        // A plain file where the folder should be: creation fails even for root.
        QFile plain(folder.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        SingleInstanceLock unmakeable(folder.filePath(QStringLiteral("plain/run/velloran.lock")));
        QVERIFY(unmakeable.acquire());
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

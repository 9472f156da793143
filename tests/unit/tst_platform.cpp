#include "platform/DesktopStart.h"
#include "platform/QtSystemServices.h"
#include "platform/SingleInstanceLock.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>

#include <sddl.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// What a copy that was killed, or another user, left where the lock goes.
enum class Leftover { Nothing, Damaged, ReadOnly, OtherUsers, Folder, OtherUsersFolder };
Q_DECLARE_METATYPE(Leftover)

#ifndef Q_OS_WIN
// Root opens and writes anything, so a check of permissions proves nothing as root: run as
// root (as CI runs), a row runs as an ordinary user and is root again only to hand a file to
// another user. Anyone else runs the rows as themself.
class OrdinaryUser
{
public:
    static constexpr uid_t Ordinary = 65534, Other = 65533;
    OrdinaryUser() : wasRoot(::geteuid() == 0) { become(Ordinary); }
    ~OrdinaryUser() { become(0); }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    // Gives the file or folder to the other user; false where this process cannot.
    bool giveAway(const QByteArray& path)
    {
        if (!wasRoot)
            return false;
        become(0);
        const bool given = ::chown(path.constData(), Other, Other) == 0;
        become(Ordinary);
        return given;
    }
    bool switched() const { return !wasRoot || ::geteuid() == Ordinary; }

private:
    void become(uid_t user)
    {
        if (!wasRoot)
            return;
        // The group while root; the user last on the way down, first on the way up.
        if (user == 0)
            (void)::seteuid(0);
        (void)::setegid(user);
        if (user != 0)
            (void)::seteuid(user);
    }
    bool wasRoot;
};
#endif

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
#ifdef Q_OS_WIN
        // A mutex of the lock's name that another account made first tells nothing of a copy.
        QTest::newRow("another user's lock") << Leftover::OtherUsers << false;
#else
        QTest::newRow("another user's lock") << Leftover::OtherUsers << true;
        QTest::newRow("a damaged lock") << Leftover::Damaged << true;
        QTest::newRow("a read-only lock") << Leftover::ReadOnly << true;
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
#ifndef Q_OS_WIN
        const bool otherUsers = leftover == Leftover::OtherUsers || leftover == Leftover::OtherUsersFolder;
        if (otherUsers && ::geteuid() != 0)
            QSKIP("Only root can leave files as another user");
        // Shared by all users, as the temporary folder is.
        QVERIFY(::chmod(QFile::encodeName(folder.path()), 01777) == 0);
        // The lock's folder stays private however permissive the user's umask.
        const mode_t userMask = ::umask(002);
        OrdinaryUser user;
        QVERIFY(user.switched());
#endif
        // No runtime folder: the lock goes beneath the temporary folder, shared by all users.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), temporary = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_RUNTIME_DIR", runtime);
            qputenv("TMPDIR", temporary);
#ifndef Q_OS_WIN
            ::umask(userMask);
#endif
        });
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(folder.path()));
#ifndef Q_OS_WIN
        const QString path = SingleInstanceLock::defaultLockFilePath();
        const QByteArray file = QFile::encodeName(path);
        // The folder and the file as the program makes them, by a copy that has ended.
        if (leftover != Leftover::Nothing)
            QVERIFY(SingleInstanceLock(path).acquire());
        if (leftover == Leftover::Damaged) {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("\xff\n") == 2);
        }
        QVERIFY(leftover != Leftover::ReadOnly || ::chmod(file, 0444) == 0);
        QVERIFY(leftover != Leftover::Folder || (QFile::remove(path) && QDir().mkdir(path)));
        // Another user's lock, held by a copy of theirs, which would keep this user's out.
        int theirs = -1;
        const auto close = qScopeGuard([&] { ::close(theirs); });
        if (leftover == Leftover::OtherUsers) {
            QVERIFY(::chmod(file, 0644) == 0 && user.giveAway(file));
            theirs = ::open(file, O_RDONLY | O_CLOEXEC);
            QVERIFY(theirs >= 0 && ::flock(theirs, LOCK_EX | LOCK_NB) == 0);
        }
        QVERIFY(leftover != Leftover::OtherUsersFolder
                || user.giveAway(QFile::encodeName(QFileInfo(path).path())));
#else
        // Named apart from the lock of a copy that runs beside the tests.
        const QString path = folder.filePath(QStringLiteral("velloran.lock"));
        // Another account in the session made the name first, open to all.
        HANDLE theirs = nullptr;
        const auto close = qScopeGuard([&] { CloseHandle(theirs); });
        if (leftover == Leftover::OtherUsers) {
            SECURITY_ATTRIBUTES attributes{sizeof(attributes), nullptr, FALSE};
            QVERIFY(ConvertStringSecurityDescriptorToSecurityDescriptorW(
                L"O:BAD:(A;;GA;;;WD)", SDDL_REVISION_1, &attributes.lpSecurityDescriptor, nullptr));
            theirs = CreateMutexW(&attributes, FALSE,
                                  SingleInstanceLock::mutexName(path).toStdWString().c_str());
            LocalFree(attributes.lpSecurityDescriptor);
            QVERIFY(theirs);
        }
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

    // Qt's messages from another thread while the start holds them back, and as it hands them
    // back, all go on.
    void noMessageIsLostAsTheStartEnds()
    {
        static std::atomic<int> passed;
        const QtMessageHandler tests = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString&) { ++passed; });
        const auto restore = qScopeGuard([&] { qInstallMessageHandler(tests); });
        for (int round = 0; round < 300; ++round) {
            passed = 0;
            std::atomic<bool> talking = true;
            int sent = 0;
            DesktopStart::watch();
            std::thread talker([&] {
                for (; talking || sent < 10; ++sent)
                    qDebug("a message from another thread");
            });
            QThread::usleep(200);
            DesktopStart::done();
            talking = false;
            talker.join();
            QCOMPARE(passed.load(), sent);
        }
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

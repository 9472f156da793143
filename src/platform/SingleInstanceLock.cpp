#include "platform/SingleInstanceLock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

SingleInstanceLock::SingleInstanceLock(QString path) : lockFilePath(std::move(path)) {}

bool SingleInstanceLock::acquire()
{
    if (held)
        return true;
    QDir().mkpath(QFileInfo(lockFilePath).absolutePath());
    lock = std::make_unique<QLockFile>(lockFilePath);
    // Never stale by age: a copy may run for weeks. A lock whose owner died is
    // still found stale, because QLockFile checks whether its process lives.
    lock->setStaleLockTime(0);
    held = lock->tryLock(0);
    if (!held && lock->error() == QLockFile::LockFailedError && lockFileIsUnreadableAndOld()) {
        // QLockFile only judges a lock it can read; a damaged one would lock the
        // user out for good. A fresh unreadable file may be a copy starting right
        // now that has not written its details yet, so only an old one is removed.
        lock->removeStaleLockFile();
        held = lock->tryLock(0);
    }
    // Only a lock that another live process holds means another copy. A lock
    // file that cannot be made at all (a read-only, full or missing runtime
    // folder) must not keep the user from the program: it starts unguarded.
    return held || lock->error() != QLockFile::LockFailedError;
}

bool SingleInstanceLock::lockFileIsUnreadableAndOld() const
{
    qint64 pid = 0;
    QString hostName, appName;
    if (lock->getLockInfo(&pid, &hostName, &appName))
        return false;
    const QFileInfo info(lockFilePath);
    constexpr qint64 settleMs = 10'000;
    return info.exists()
           && qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime())) > settleMs;
}

QString SingleInstanceLock::defaultLockFilePath()
{
    // The runtime folder is per user; the temporary folder is the fallback where
    // there is none, with the user's name to keep users apart. Windows has none:
    // Qt names the home folder there, which is no place for a lock file.
#ifdef Q_OS_WIN
    QString folder;
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    QString name = QStringLiteral("velloran.lock");
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
        QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
        name = QStringLiteral("velloran-%1.lock").arg(user);
    }
    return QDir(folder).filePath(name);
}

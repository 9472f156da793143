#pragma once

#include <QString>

// A per-user lock held for the life of the process, which the system itself
// drops when the process ends in any way, so a copy that was killed leaves
// nothing that keeps the next one out.
//
// Linux and other Unix systems: an flock() on a file in a folder that only this
// user can write (the runtime folder, or a private folder of ours in the
// temporary folder). flock() and not fcntl(): its locks belong to the open file,
// so two locks in one process exclude each other too, and a child process (the
// browser) inherits nothing. Whatever lies at the lock's place and is not ours
// (another user's file, a folder, a link) is moved out of the way; a lock file
// that cannot be opened or locked at all, or a folder that another user owns or
// may write, leaves the guard off: a reason that is not true never refuses.
//
// Windows: a named mutex in the session's own namespace ("Local\"), its name
// carrying the user's security id, so that another user, even one running a
// program in the same session, neither shares nor blocks it; the system closes
// it with the last process that holds it. The mutex is made owned by the user and
// open to the user alone; one of that name that the user does not own (another
// account in the session may make it first) is no copy of ours and leaves the
// guard off.
class SingleInstanceLock
{
public:
    // On Windows the path only names the mutex: no file is made.
    explicit SingleInstanceLock(QString lockFilePath = defaultLockFilePath());
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // False only when another live process holds the lock; true when this
    // process holds it (now or from an earlier call) or cannot make it at all.
    bool acquire();
    const QString& path() const { return lockFilePath; }

    static QString defaultLockFilePath();
#ifdef Q_OS_WIN
    // The mutex's name for the lock at that path, as any process of the user's finds it.
    static QString mutexName(const QString& lockFilePath);
#endif

private:
    QString lockFilePath;
#ifdef Q_OS_WIN
    void* mutex = nullptr;
#else
    int descriptor = -1;
#endif
};

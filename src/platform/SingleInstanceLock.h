#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// A per-user lock held for the life of the process. The lock file records the
// owner's process id, so a copy that crashed leaves a stale lock that the next
// start recognises and takes over; creation is atomic, so of two copies started
// at the same moment exactly one gets it.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(QString lockFilePath = defaultLockFilePath());

    // False only when another live process holds the lock; true when this
    // process holds it (now or from an earlier call) or cannot make it at all.
    bool acquire();
    const QString& path() const { return lockFilePath; }

    static QString defaultLockFilePath();

private:
    bool lockFileIsUnreadableAndOld() const;

    QString lockFilePath;
    std::unique_ptr<QLockFile> lock;
    bool held = false;
};

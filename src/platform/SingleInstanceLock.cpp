#include "platform/SingleInstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <string>

#ifdef Q_OS_WIN
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

SingleInstanceLock::SingleInstanceLock(QString path) : lockFilePath(std::move(path)) {}

#ifdef Q_OS_WIN

namespace {

// The process's user as its token holds it (a TOKEN_USER); empty where it cannot be read.
std::unique_ptr<char[]> ProcessUser()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    auto user = std::make_unique<char[]>(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, user.get(), size, &size))
        user.reset();
    CloseHandle(token);
    return user;
}

PSID SidOf(const std::unique_ptr<char[]>& user)
{
    return reinterpret_cast<TOKEN_USER*>(user.get())->User.Sid;
}

// The security id as text ("S-1-5-21-..."); empty where it cannot be written.
QString SidText(PSID sid)
{
    QString text;
    wchar_t* chars = nullptr;
    if (ConvertSidToStringSidW(sid, &chars)) {
        text = QString::fromWCharArray(chars);
        LocalFree(chars);
    }
    return text;
}

QString MutexName(const QString& sid, QString lockFilePath)
{
    // A backslash would name another namespace; the path only has to tell locks apart.
    return QStringLiteral("Local\\Velloran-%1-%2").arg(sid, lockFilePath.replace(u'\\', u'/'));
}

// Whether the user owns the object; false where its owner cannot be read.
bool OwnedBy(HANDLE object, PSID user)
{
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR security = nullptr;
    if (GetSecurityInfo(object, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                        nullptr, nullptr, &security)
        != ERROR_SUCCESS)
        return false;
    const bool owned = owner && EqualSid(owner, user);
    LocalFree(security);
    return owned;
}

} // namespace

SingleInstanceLock::~SingleInstanceLock()
{
    if (mutex)
        CloseHandle(mutex);
}

QString SingleInstanceLock::mutexName(const QString& lockFilePath)
{
    const auto user = ProcessUser();
    return user ? MutexName(SidText(SidOf(user)), lockFilePath) : QString();
}

bool SingleInstanceLock::acquire()
{
    if (mutex)
        return true;
    const auto user = ProcessUser();
    const QString sid = user ? SidText(SidOf(user)) : QString();
    if (sid.isEmpty())
        return true;
    // Made owned by the user and open to the user alone. A process started as administrator
    // would otherwise leave the Administrators group its owner, and any account could open it.
    const std::wstring rules = QStringLiteral("O:%1D:P(A;;GA;;;%1)").arg(sid).toStdWString();
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), nullptr, FALSE};
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            rules.c_str(), SDDL_REVISION_1, &attributes.lpSecurityDescriptor, nullptr))
        return true;
    HANDLE handle =
        CreateMutexW(&attributes, FALSE, MutexName(sid, lockFilePath).toStdWString().c_str());
    const DWORD made = GetLastError();
    LocalFree(attributes.lpSecurityDescriptor);
    // No handle at all (the name taken by an object this user may not open, a name
    // too long) tells nothing of a copy of ours: the start goes on unguarded.
    if (!handle)
        return true;
    if (made == ERROR_ALREADY_EXISTS) {
        // Another account in the session may make the name first, open to this user: a
        // mutex this user does not own is no copy of ours, and the start goes on unguarded.
        const bool ours = OwnedBy(handle, SidOf(user));
        CloseHandle(handle);
        return !ours;
    }
    mutex = handle;
    return true;
}

QString SingleInstanceLock::defaultLockFilePath()
{
    return QStringLiteral("velloran.lock");
}

#else

namespace {

// The descriptor holding the lock on name in folder; -1 without it, with busy
// set where another process holds it.
int LockIn(int folder, const char* name, bool& busy)
{
    const uid_t user = ::geteuid();
    for (int attempt = 0; attempt < 3; ++attempt) {
        // flock() needs no write access, so a lock file left read-only serves;
        // O_NONBLOCK keeps a pipe planted in its place from holding up the start.
        const int file =
            ::openat(folder, name, O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                     S_IRUSR | S_IWUSR);
        struct stat opened;
        if (file >= 0 && ::fstat(file, &opened) == 0 && S_ISREG(opened.st_mode)
            && opened.st_uid == user) {
            if (::flock(file, LOCK_EX | LOCK_NB) == 0)
                return file;
            busy = errno == EWOULDBLOCK;
            ::close(file);
            return -1;
        }
        if (file >= 0)
            ::close(file);
        // What is there is no lock file of this user's (another user's file, a
        // folder, a link): the folder is the user's alone, so it goes, and the
        // next round makes the file. A file of the user's own that cannot be
        // opened is left alone; after the last round the start goes on unguarded.
        struct stat named;
        if (::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0
            && !(S_ISREG(named.st_mode) && named.st_uid == user))
            ::unlinkat(folder, name, S_ISDIR(named.st_mode) ? AT_REMOVEDIR : 0);
    }
    return -1;
}

} // namespace

SingleInstanceLock::~SingleInstanceLock()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

bool SingleInstanceLock::acquire()
{
    if (descriptor >= 0)
        return true;
    const QFileInfo info(lockFilePath);
    const QByteArray folderPath = QFile::encodeName(info.absolutePath());
    const QByteArray name = QFile::encodeName(info.fileName());
    // A missing folder is made private; one that exists serves only if no other
    // user owns it or may write in it, since whoever may would decide the lock.
    ::mkdir(folderPath.constData(), S_IRWXU);
    const int folder =
        ::open(folderPath.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return true;
    struct stat status;
    bool busy = false;
    if (::fstat(folder, &status) == 0 && status.st_uid == ::geteuid()
        && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0)
        descriptor = LockIn(folder, name.constData(), busy);
    ::close(folder);
    return !busy;
}

QString SingleInstanceLock::defaultLockFilePath()
{
    // The runtime folder is the user's own. Where there is none, a folder of ours
    // in the temporary folder, named by the user's id; acquire() takes it only if
    // the user made it, never one another user made first.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty())
        folder = QDir::tempPath() + QStringLiteral("/velloran-%1").arg(::geteuid());
    return QDir(folder).filePath(QStringLiteral("velloran.lock"));
}

#endif

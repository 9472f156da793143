#include "core/SettingsStore.h"

#include "core/SettingsCodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace {

const QString Section = QStringLiteral("Settings");
// How long a write waits for a lock that someone else holds on the store.
constexpr int LockWaitMs = 1000;

QSettings OpenStore()
{
    const QString name = SettingsStore::applicationName();
#ifdef Q_OS_WIN
    return QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + name,
                     QSettings::NativeFormat);
#else
    // Named by the program file alone: the one file <config folder>/<name>.conf.
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, name);
#endif
}

QString StoredKey(const QString& key)
{
    return Section + u'/' + EncodeSetting(key);
}

} // namespace

QString SettingsStore::applicationName()
{
    // Taken from the file, not from QCoreApplication::applicationName(), which
    // anything may set: the store must not move when the program's title does.
    const QString path =
        QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    const QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QCoreApplication::applicationName() : name;
}

std::optional<QString> SettingsStore::read(const QString& key) const
{
    const QSettings settings = OpenStore();
    const QVariant value = settings.value(StoredKey(key));
    // The file is parsed on first use: only now does the status tell.
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    if (!value.isValid())
        return QString();
    // A hand-edited list or byte array is not a value this program wrote.
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return DecodeSetting(value.toString());
}

bool SettingsStore::write(const QString& key, const QString& value)
{
    QSettings settings = OpenStore();
    if (settings.status() != QSettings::NoError)
        return false;
#ifndef Q_OS_WIN
    // QSettings waits without end for the lock file beside the store, and a lock it
    // can never take (a folder in its place, say) would hold start-up for ever. The
    // registry has no such file.
    const QString lockPath = settings.fileName() + QStringLiteral(".lock");
    if (QFileInfo::exists(lockPath)) {
        QLockFile probe(lockPath);
        if (!probe.tryLock(LockWaitMs))
            return false;
        probe.unlock();
    }
#endif
    settings.setValue(StoredKey(key), EncodeSetting(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

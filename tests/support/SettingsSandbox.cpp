#include "SettingsSandbox.h"

#include "core/SettingsStore.h"

#include <QTemporaryDir>

#include <memory>

namespace {
std::unique_ptr<QTemporaryDir> folder;
}

QString UseFreshSettingsStore()
{
    auto fresh = std::make_unique<QTemporaryDir>();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, fresh->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, fresh->path());
#ifdef Q_OS_WIN
    // The registry cannot be moved into a folder: the program's own key is emptied instead.
    OpenStoreDirectly().clear();
#endif
    folder = std::move(fresh);
    return folder->path();
}

QString SettingsStoreFolder()
{
    return folder ? folder->path() : QString();
}

QSettings OpenStoreDirectly()
{
    const QString name = SettingsStore::applicationName();
#ifdef Q_OS_WIN
    return QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + name, QSettings::NativeFormat);
#else
    return QSettings(SettingsStoreFolder() + u'/' + name + QStringLiteral(".conf"), QSettings::IniFormat);
#endif
}

#include "SettingsSandbox.h"

#include <QSettings>
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
    folder = std::move(fresh);
    return folder->path();
}

QString SettingsStoreFolder()
{
    return folder ? folder->path() : QString();
}

#pragma once

#include <QSettings>
#include <QString>

// Points the per-user settings store at a new, empty temporary folder (the one
// before is removed), so that no test reads or writes the user's own settings
// and no test sees what another left behind. Returns the folder.
QString UseFreshSettingsStore();

// The folder the settings store uses now; empty before the first call.
QString SettingsStoreFolder();

// The program's own store opened past the program, as another tool would see it: the
// INI file in that folder, or on Windows the program's key in the registry.
QSettings OpenStoreDirectly();

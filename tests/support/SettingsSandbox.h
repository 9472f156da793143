#pragma once

#include <QString>

// Points the per-user settings store at a new, empty temporary folder (the one
// before is removed), so that no test reads or writes the user's own settings
// and no test sees what another left behind. Returns the folder.
QString UseFreshSettingsStore();

// The folder the settings store uses now; empty before the first call.
QString SettingsStoreFolder();

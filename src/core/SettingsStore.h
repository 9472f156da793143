#pragma once

#include <QString>

#include <optional>

// The per-user settings store, section "Settings" of this program. Key names and
// values pass through the settings codec on their way in and out. On Windows it
// is the registry key HKEY_CURRENT_USER\Software\<name>\Settings; elsewhere the
// INI file <name>.conf in the user's configuration folder ($XDG_CONFIG_HOME, by
// default ~/.config), <name> being the program file's name without extension.
class SettingsStore
{
public:
    // The decoded value under key; the empty text when the key is missing.
    // Nothing when the store cannot be read or holds something other than text.
    std::optional<QString> read(const QString& key) const;

    // Stores value under key; false when the store could not take it.
    bool write(const QString& key, const QString& value);

    // The program file's name without its extension.
    static QString applicationName();
};

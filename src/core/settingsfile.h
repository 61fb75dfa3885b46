// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Personal.tvp" holds one line: the currency symbol (quoted), the printer
// font choice 0 to 3 and the user's name (quoted). A file that cannot be read
// to the end keeps whatever was read before the failure and sets the page
// length to its default.

#include "core/sharedvalues.h"

#include <QByteArray>
#include <QString>

namespace tallyvane {

inline constexpr char SettingsFileName[] = "Personal.tvp";
// Characters the Personalize boxes take: the symbol is kept to its first two
// characters, and a name longer than a menu line serves no one.
inline constexpr int CurrencySymbolLimit = 2;
inline constexpr int UserNameLimit = 100;

// Reads the settings into `values`; false when the file was missing or
// incomplete (the defaults then apply). Always leaves a currency symbol.
bool readSettingsFile(const QString& path, SharedValues& values);
// The same reading of a file's bytes.
bool parseSettings(const QByteArray& content, SharedValues& values);
// Writes the three settings as one line; false when the save failed or the
// file would be too large to read back.
bool writeSettingsFile(const QString& path, const SharedValues& values);
QByteArray settingsFileContent(const SharedValues& values);

// Settings are the user's own: they live in the user's configuration folder
// ($XDG_CONFIG_HOME/tallyvane, ~/.config/tallyvane by default), which is
// writable wherever the program is installed. A "Personal.tvp" beside the
// program still serves until the user first saves settings.
QString userSettingsPath();
// Reads the user's settings, else those beside the program in
// `programDirectory`; false when neither could be read (defaults apply).
bool readSettings(const QString& programDirectory, SharedValues& values);
// Writes the user's settings, making their folder when needed.
bool saveUserSettings(const SharedValues& values);

} // namespace tallyvane

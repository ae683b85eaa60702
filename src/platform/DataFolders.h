#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps what it writes, in one of two ways it chooses by itself, afresh at each call:
// - portable: the program folder (AppDir) can be written, and everything stays in it, as it always has;
// - installed: the program folder is read-only, as a package leaves it (or lies under /usr, where only a
//   package puts programs). Each user's data then lives in their home, in the XDG base directories, and a
//   training centre's settings for every user of the computer come from the system's configuration
//   folders ($XDG_CONFIG_DIRS, /etc/xdg by default).
namespace DataFolders {

bool Installed();

// The settings file the settings dialog writes: config.ini in the program folder, or
// $XDG_CONFIG_HOME/quorvane/config.ini (~/.config/quorvane/config.ini) when installed.
QString SettingsFile();

// The settings files read, in the order they count: each key is taken from the first file that has it.
// Portable: the program folder's config.ini alone. Installed: the user's own file, then the system's.
QStringList SettingsFiles();

// The folder of the user's own data when installed ($XDG_DATA_HOME/quorvane/, ~/.local/share/quorvane/),
// with a trailing '/'; the program folder when portable. Not created here.
QString UserDataFolder();

// Installed: makes the user's settings and data folders where they are missing, and returns those that cannot be
// made or written (a read-only home, a path through a file). Portable: none.
QStringList UnwritableUserFolders();

}  // namespace DataFolders

#include "platform/DataFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/AppDir.h"
#include "platform/Writable.h"

namespace DataFolders {

namespace {

const QString kFolderName = QStringLiteral("quorvane");
const QString kSettingsName = QStringLiteral("config.ini");

QString InFolder(QString folder, const QString& name) {
    if (!folder.endsWith(u'/')) {
        folder += u'/';
    }
    return folder + kFolderName + u'/' + name;
}

}  // namespace

bool Installed() {
    const QString folder = FileSystemPath(AppDir());
    return folder.startsWith(QStringLiteral("/usr/")) || !Writable(folder);
}

QString SettingsFile() {
    if (!Installed()) {
        return FileSystemPath(AppDir() + kSettingsName);
    }
    return InFolder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), kSettingsName);
}

QStringList SettingsFiles() {
    if (!Installed()) {
        return {SettingsFile()};
    }
    // The user's own folder comes first in the standard list, the system's after it.
    QStringList files;
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        files << InFolder(folder, kSettingsName);
    }
    return files;
}

QString UserDataFolder() {
    if (!Installed()) {
        return FileSystemPath(AppDir());
    }
    return InFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), QString());
}

QStringList UnwritableUserFolders() {
    if (!Installed()) {
        return {};
    }
    QStringList unwritable;
    for (const QString& folder : {QFileInfo(SettingsFile()).path(), UserDataFolder()}) {
        if (!QDir().mkpath(folder) || !Writable(folder)) {
            unwritable << QDir::cleanPath(folder);
        }
    }
    return unwritable;
}

}  // namespace DataFolders

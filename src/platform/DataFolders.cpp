#include "platform/DataFolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "platform/AppDir.h"

namespace DataFolders {

namespace {

const QString kFolderName = QStringLiteral("quorvane");
const QString kSettingsName = QStringLiteral("config.ini");

// Permission bits that grant no writing mean read-only even for root, whom access() always lets through.
bool Writable(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    struct stat status {};
    return stat(path.constData(), &status) == 0 && (status.st_mode & 0222) != 0 && access(path.constData(), W_OK) == 0;
}

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

}  // namespace DataFolders

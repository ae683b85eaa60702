#include "platform/Writable.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

bool Writable(const QString& path) {
    const QByteArray nativePath = QFile::encodeName(path);
    struct stat status {};
    return stat(nativePath.constData(), &status) == 0 && (status.st_mode & 0222) != 0 &&
           access(nativePath.constData(), W_OK) == 0;
}

#include "platform/AppDir.h"

#include <QCoreApplication>

namespace {
QString& TestAppDir() {
    static QString dir;
    return dir;
}
}  // namespace

QString AppDir() {
    QString dir = TestAppDir().isEmpty() ? QCoreApplication::applicationDirPath() : TestAppDir();
    if (!dir.endsWith('/'))
        dir += '/';
    return dir;
}

void SetAppDirForTesting(const QString& dir) {
    TestAppDir() = dir;
}

QString FileSystemPath(const QString& fileName) {
    QString path = fileName;
    path.replace('\\', '/');
    return path;
}

#include "skin/loading/SkinPaths.h"

namespace SkinPaths {

QString IncludeBackslash(const QString& path) {
    if (path.isEmpty() || path.endsWith(u'\\'))
        return path;
    if (path.endsWith(u'/'))
        return path.first(path.size() - 1) + u'\\';
    if (path.size() == 1)
        return path + QStringLiteral(":\\");
    return path + u'\\';
}

QString ResolveSkinDirectory(const QString& directory, const QString& executableFolder) {
    if (directory.startsWith(QLatin1String(".."))) {
        QString parent = executableFolder.first(std::max<qsizetype>(executableFolder.size() - 1, 0));
        while (!parent.isEmpty() && !parent.endsWith(u'/') && !parent.endsWith(u'\\'))
            parent.chop(1);
        return parent + directory.mid(3);
    }
    if (directory.startsWith(QLatin1String(".\\")) || directory.startsWith(QLatin1String("./")))
        return executableFolder + directory.mid(2);
    // A path from the root of this file system is as absolute as one with a drive letter.
    const bool absolute =
        directory.contains(u':') || directory.contains(QLatin1String("\\\\")) || directory.startsWith(u'/');
    return absolute ? directory : executableFolder + directory;
}

}  // namespace SkinPaths

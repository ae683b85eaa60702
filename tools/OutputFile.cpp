#include "OutputFile.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "platform/AtomicFile.h"
#include "platform/Exception.h"

QString OutputFile::Cause(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("磁盘空间不足");
        case EFBIG:
            return QStringLiteral("文件超出了系统允许的大小");
        case EACCES:
        case EPERM:
            return QStringLiteral("没有在这个文件夹中写入的权限");
        case EROFS:
            return QStringLiteral("所在的磁盘只能读不能写");
        case ENOENT:
            return QStringLiteral("所在的文件夹不存在");
        case ENOTDIR:
            return QStringLiteral("路径中有一段不是文件夹");
        case EISDIR:
            return QStringLiteral("已有同名的文件夹");
        case ENAMETOOLONG:
            return QStringLiteral("文件名太长");
        case EIO:
            return QStringLiteral("读写磁盘时出错");
        default:
            return QStringLiteral("系统报告了错误");
    }
}

void OutputFile::Write(const QString& path, const QByteArray& bytes) {
    const bool existed = QFileInfo::exists(path);
    int error = 0;
    if (WriteFileAtomically(path, bytes, &error))
        return;
    QString message = QStringLiteral("无法写入 %1：%2。").arg(QDir::toNativeSeparators(path), Cause(error));
    if (existed)
        message += QStringLiteral("原有的文件没有改动。");
    throw Exception(message + u'\n' + QString::fromLocal8Bit(std::strerror(error)));
}

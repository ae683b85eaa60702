#include "OutputFile.h"

#include <QDir>
#include <QFileInfo>
#include <cstring>

#include "platform/AtomicFile.h"
#include "platform/Exception.h"

void OutputFile::Write(const QString& path, const QByteArray& bytes) {
    const bool existed = QFileInfo::exists(path);
    int error = 0;
    if (WriteFileAtomically(path, bytes, &error))
        return;
    QString message = QStringLiteral("无法写入 %1：%2。").arg(QDir::toNativeSeparators(path), FileWriteCause(error));
    if (existed)
        message += QStringLiteral("原有的文件没有改动。");
    throw Exception(message + u'\n' + QString::fromLocal8Bit(std::strerror(error)));
}

#include "BankWriteFailure.h"

#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>

namespace {

// The database reports only its own text for the step that failed; each cause ends it with its fixed wording.
QString Cause(const QString& folder, const QString& technical) {
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("文件夹 %1 不存在").arg(QDir::toNativeSeparators(folder));
    const auto endsWith = [&technical](int code) { return technical.endsWith(QLatin1String(sqlite3_errstr(code))); };
    if (endsWith(SQLITE_FULL))
        return QStringLiteral("磁盘空间不足");
    if (endsWith(SQLITE_IOERR))
        return QStringLiteral("读写磁盘时出错（磁盘可能已满）");
    if (endsWith(SQLITE_CANTOPEN) || endsWith(SQLITE_READONLY) || endsWith(SQLITE_PERM))
        return QStringLiteral("无法在文件夹 %1 中新建文件，请检查这个文件夹的写入权限")
            .arg(QDir::toNativeSeparators(folder));
    return QStringLiteral("写入数据库时出错");
}

}  // namespace

QString BankWriteFailure::Message(const QString& bank, const QString& technical) {
    const QFileInfo file(bank);
    QString message = QStringLiteral("无法写入题库 %1：%2。")
                          .arg(QDir::toNativeSeparators(bank), Cause(file.absolutePath(), technical));
    if (file.exists())
        message += QStringLiteral("原有的题库没有改动。");
    return message + u'\n' + technical;
}

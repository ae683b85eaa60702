#include "platform/DatabaseMessage.h"

#include <sqlite3.h>

namespace {

QString Sentence(int code, const QString& technical) {
    switch (code & 0xff) {
        case SQLITE_READONLY:
            return QStringLiteral(
                "数据库文件“%1”只能读不能写，所做的更改没有保存。请管理员检查这个文件及其文件夹的写入权限。");
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return QStringLiteral("数据库文件“%1”正被另一个程序使用，请稍后再试。");
        case SQLITE_FULL:
            return QStringLiteral("磁盘已满，数据库文件“%1”无法写入。");
        case SQLITE_IOERR:
            return QStringLiteral("读写数据库文件“%1”时磁盘出错。");
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return QStringLiteral("无法打开数据库文件“%1”，请管理员检查这个文件的访问权限。");
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return QStringLiteral("数据库文件“%1”已损坏。");
        default:
            break;
    }
    if (technical.startsWith(QLatin1String("no such table")) || technical.startsWith(QLatin1String("no such column")))
        return QStringLiteral("数据库文件“%1”缺少本程序需要的表或列，可能不是本程序的题库或已经损坏。");
    return QStringLiteral("读写数据库文件“%1”时出错。");
}

QString Joined(const QString& sentence, const QString& technical) {
    return sentence + u'\n' + technical;
}

}  // namespace

QString DatabaseMessage::ForSqlite(int code, const QString& file, const QString& technical) {
    return Joined(Sentence(code, technical).arg(file), technical);
}

QString DatabaseMessage::ForNotAnInteger(const QString& file, const QString& column, const QString& technical) {
    return Joined(QStringLiteral("数据库文件“%1”中“%2”列的值不是整数。").arg(file, column), technical);
}

QString DatabaseMessage::ForSetAside(const QString& what, const QString& aside, const QString& fresh) {
    return QStringLiteral("%1已损坏，无法读出。损坏的文件已改名保留：\n%2\n%3").arg(what, aside, fresh);
}

QString DatabaseMessage::ForNotSetAside(const QString& file) {
    return QStringLiteral("数据库文件“%1”已损坏，无法读出，也无法改名。").arg(file);
}

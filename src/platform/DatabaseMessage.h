#pragma once

#include <QString>

// What the learner reads when a database file fails: a sentence in Chinese that names the file (and the column,
// where one is to blame), then, on a line of its own, the database's technical text for the centre's administrator.
namespace DatabaseMessage {

// `code` is SQLite's result code (extended or primary) for the failure that gave `technical`.
QString ForSqlite(int code, const QString& file, const QString& technical);
// A value of `column` that should be a whole number and is not.
QString ForNotAnInteger(const QString& file, const QString& column, const QString& technical);
// What the learner kept in a file that could not be read (`what`: 学习记录, 保存的练习进度) and where the file was
// set aside; `fresh` says what happens from now on.
QString ForSetAside(const QString& what, const QString& aside, const QString& fresh);
// A damaged file that could not be set aside either.
QString ForNotSetAside(const QString& file);

}  // namespace DatabaseMessage

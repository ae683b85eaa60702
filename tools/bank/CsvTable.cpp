#include "CsvTable.h"

#include <QRegularExpression>

#include "platform/Exception.h"

namespace {
const QByteArray kUtf8Mark("\xEF\xBB\xBF");

// A cell a spreadsheet would take for a formula: one that starts with = + - @, a tab or a carriage return, here
// after any apostrophes already in front, so that a cell that starts with an apostrophe of its own comes back as
// it was. A plain number such as "-5" stays a number.
bool ReadsAsFormula(const QString& cell) {
    static const QRegularExpression formula(QStringLiteral("^'*[=+\\-@\\t\\r]"));
    static const QRegularExpression number(QStringLiteral("^-\\d+(\\.\\d+)?$"));
    return formula.match(cell).hasMatch() && !number.match(cell).hasMatch();
}

// The apostrophe in front tells a spreadsheet to show the cell as text.
QString Protected(const QString& cell) {
    return ReadsAsFormula(cell) ? u'\'' + cell : cell;
}

QString Unprotected(const QString& cell) {
    return cell.startsWith(u'\'') && ReadsAsFormula(cell.mid(1)) ? cell.mid(1) : cell;
}

QString Quoted(const QString& field) {
    const QString cell = Protected(field);
    if (cell == field && !field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r'))
        return field;
    QString escaped = cell;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

[[noreturn]] void RefuseQuote(qsizetype row, qsizetype column, const QString& why) {
    throw Exception(QStringLiteral("第 %1 行第 %2 列：%3").arg(row).arg(column).arg(why));
}
}  // namespace

QList<QStringList> CsvTable::Parse(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    enum class Field { Plain, Quoted, Closed } state = Field::Plain;
    qsizetype quoteRow = 0;
    const auto endField = [&] {
        row.append(Unprotected(field));
        field.clear();
        state = Field::Plain;
    };
    const auto endRow = [&] {
        endField();
        rows.append(row);
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (state == Field::Quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else {
                state = Field::Closed;
            }
        } else if (c == u',') {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRow();
        } else if (state == Field::Closed) {
            RefuseQuote(rows.size() + 1, row.size() + 1,
                        QStringLiteral("右引号后面还有文字；字段中的引号应当写成两个（\"\"）"));
        } else if (c == u'"') {
            if (!field.isEmpty()) {
                RefuseQuote(
                    rows.size() + 1, row.size() + 1,
                    QStringLiteral("字段中间有引号；含引号的字段应当整个用引号括起，其中的引号写成两个（\"\"）"));
            }
            state = Field::Quoted;
            quoteRow = rows.size() + 1;
        } else {
            field += c;
        }
    }
    if (state == Field::Quoted)
        throw Exception(QStringLiteral("第 %1 行的引号没有闭合").arg(quoteRow));
    if (!field.isEmpty() || !row.isEmpty() || state == Field::Closed)
        endRow();
    return rows;
}

QByteArray CsvTable::Write(const QList<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& field : row)
            fields.append(Quoted(field));
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return kUtf8Mark + text.toUtf8();
}

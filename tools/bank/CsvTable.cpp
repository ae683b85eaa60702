#include "CsvTable.h"

#include <QStringDecoder>

#include "platform/Exception.h"
#include "platform/GbkText.h"

namespace {
const QByteArray kUtf8Mark("\xEF\xBB\xBF");

QString Quoted(const QString& field) {
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') && !field.contains(u'\r'))
        return field;
    QString escaped = field;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}
}  // namespace

QString CsvTable::Decode(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf8Mark))
        return QString::fromUtf8(bytes.mid(kUtf8Mark.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? DecodeGbk(bytes) : text;
}

QList<QStringList> CsvTable::Parse(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    qsizetype quoteRow = 0;
    const auto endRow = [&] {
        row.append(field);
        field.clear();
        rows.append(row);
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u'"') {
            quoted = true;
            quoteRow = rows.size() + 1;
        } else if (c == u',') {
            row.append(field);
            field.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRow();
        } else {
            field += c;
        }
    }
    if (quoted)
        throw Exception(QStringLiteral("第 %1 行的引号没有闭合").arg(quoteRow));
    if (!field.isEmpty() || !row.isEmpty())
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

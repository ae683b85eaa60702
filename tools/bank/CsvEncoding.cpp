#include "CsvEncoding.h"

#include <QList>
#include <QStringDecoder>
#include <QStringList>

#include "platform/Exception.h"
#include "platform/GbkText.h"

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QByteArray kUtf16LeMark("\xFF\xFE");
const QByteArray kUtf16BeMark("\xFE\xFF");

// The rows of a table as bytes, each with its line end. The marks of a table (quotes, commas, line ends) are
// ASCII, and neither UTF-8 nor GBK has an ASCII byte inside a character, so the rows are found before decoding.
QList<QByteArray> SplitRows(const QByteArray& bytes) {
    QList<QByteArray> rows;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            rows.append(bytes.mid(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < bytes.size())
        rows.append(bytes.mid(start));
    return rows;
}

enum class RowKind {
    Either,  // ASCII, or valid UTF-8 without Chinese characters: as GBK it would read just as well
    Utf8,    // valid UTF-8 with characters of three bytes or more, as Chinese text is
    NotUtf8,
};

RowKind KindOf(const QByteArray& row) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(row);
    if (utf8.hasError())
        return RowKind::NotUtf8;
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x800; }) ? RowKind::Utf8
                                                                                               : RowKind::Either;
}

QString RowNames(const QList<qsizetype>& rows) {
    QStringList numbers;
    for (const qsizetype row : rows)
        numbers.append(QString::number(row));
    return QStringLiteral("第 %1 行").arg(numbers.join(u'、'));
}

QString DecodeUtf16(const QByteArray& bytes) {
    const bool little = bytes.startsWith(kUtf16LeMark);
    QStringDecoder utf16(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless);
    QString text = utf16.decode(bytes.mid(kUtf16LeMark.size()));
    if (utf16.hasError()) {
        throw Exception(
            QStringLiteral("文件开头标明是 UTF-16 编码，其中却有不成对的代理字符或不完整的字节，无法读取。"
                           "请把文件另存为 UTF-8 编码的 CSV 后再导入。"));
    }
    return text;
}

// Rows of a file without a byte-order mark, where some rows are not UTF-8: GBK throughout, or refused.
QString DecodeGbkRows(const QList<QByteArray>& rows) {
    QString text;
    QList<qsizetype> bad;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString row = DecodeGbk(rows[i]);
        if (row.contains(QChar::ReplacementCharacter))
            bad.append(i + 1);
        text += row;
    }
    if (!bad.isEmpty()) {
        throw Exception(
            QStringLiteral("%1既不是有效的 UTF-8 文本，也不是有效的 GBK 文本。请把文件另存为 UTF-8 编码的 CSV "
                           "后再导入。")
                .arg(RowNames(bad)));
    }
    return text;
}

}  // namespace

QString CsvEncoding::Decode(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf16LeMark) || bytes.startsWith(kUtf16BeMark))
        return DecodeUtf16(bytes);
    if (bytes.contains('\0')) {
        throw Exception(
            QStringLiteral("文件中有空字节，像是没有字节顺序标记的 UTF-16 编码文件，本工具无法判断它的字节顺序。"
                           "请把文件另存为 UTF-8 编码的 CSV 后再导入。"));
    }
    const bool marked = bytes.startsWith(kUtf8Mark);
    const QByteArray body = marked ? bytes.mid(kUtf8Mark.size()) : bytes;
    const QList<QByteArray> rows = SplitRows(body);
    QList<qsizetype> utf8Rows;
    QList<qsizetype> otherRows;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const RowKind kind = KindOf(rows[i]);
        if (kind != RowKind::Either)
            (kind == RowKind::Utf8 ? utf8Rows : otherRows).append(i + 1);
    }
    if (otherRows.isEmpty())
        return QString::fromUtf8(body);
    if (marked || utf8Rows.size() >= otherRows.size()) {
        throw Exception(
            QStringLiteral("%1不是有效的 UTF-8 文本（可能是 GBK），而文件的其余部分是 UTF-8。一个文件只能用一种"
                           "编码：请把整个文件另存为 UTF-8 后再导入。")
                .arg(RowNames(otherRows)));
    }
    if (!utf8Rows.isEmpty()) {
        throw Exception(
            QStringLiteral("%1是 UTF-8 编码，而文件的其余部分是 GBK。一个文件只能用一种编码：请把整个文件另存为"
                           "同一种编码后再导入。")
                .arg(RowNames(utf8Rows)));
    }
    return DecodeGbkRows(rows);
}

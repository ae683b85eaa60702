#include "platform/IniStore.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <optional>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/Exception.h"
#include "platform/GbkText.h"
#include "platform/Writable.h"

namespace IniStore {

namespace {

// The encodings a settings file arrives in: GBK as the program writes it, UTF-8 as Linux editors write
// it (with or without a byte-order mark), and UTF-16 with a byte-order mark as Windows Notepad's
// "Unicode" writes it. A file is written back in the encoding it was read in.
enum class Encoding { Gbk, Utf8, Utf8Bom, Utf16Le, Utf16Be };

struct Bom {
    Encoding encoding;
    QByteArray bytes;
};

const Bom kBoms[] = {{Encoding::Utf8Bom, QByteArray("\xEF\xBB\xBF")},
                     {Encoding::Utf16Le, QByteArray("\xFF\xFE")},
                     {Encoding::Utf16Be, QByteArray("\xFE\xFF")}};

// A line keeps the bytes it was read as, so lines the store does not touch go back to disk exactly
// as they came, even when they hold bytes that are not valid in the file's encoding.
struct Line {
    QByteArray bytes;
    QString text;
};

struct IniFile {
    Encoding encoding = Encoding::Gbk;
    std::vector<Line> lines;
};

struct KeyLine {
    QString key;
    QString value;
};

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString TrimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.sliced(begin, end - begin).toString();
}

// Reading strips one such pair from a value.
bool EnclosedInQuotes(const QString& value) {
    return value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
}

bool IsUtf16(Encoding encoding) {
    return encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be;
}

QStringConverter::Encoding ConverterFor(Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf16Le:
            return QStringConverter::Utf16LE;
        case Encoding::Utf16Be:
            return QStringConverter::Utf16BE;
        default:
            return QStringConverter::Utf8;
    }
}

QString Decode(const QByteArray& bytes, Encoding encoding) {
    if (encoding == Encoding::Gbk) {
        return DecodeGbk(bytes);
    }
    QStringDecoder decoder(ConverterFor(encoding), QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray Encode(const QString& text, Encoding encoding) {
    if (encoding == Encoding::Gbk) {
        return EncodeGbk(text);
    }
    QStringEncoder encoder(ConverterFor(encoding), QStringEncoder::Flag::Stateless);
    return encoder.encode(text);
}

QByteArray BomOf(Encoding encoding) {
    for (const Bom& bom : kBoms) {
        if (bom.encoding == encoding) {
            return bom.bytes;
        }
    }
    return {};
}

// Without a byte-order mark, text with non-ASCII bytes that is valid UTF-8 throughout is UTF-8: real
// GBK text practically never is. Everything else is GBK, the program's own encoding.
Encoding Detect(const QByteArray& content) {
    for (const Bom& bom : kBoms) {
        if (content.startsWith(bom.bytes)) {
            return bom.encoding;
        }
    }
    const bool ascii = std::all_of(content.begin(), content.end(), [](char c) { return uchar(c) < 0x80; });
    if (ascii) {
        return Encoding::Gbk;
    }
    QStringDecoder decoder(QStringConverter::Utf8);
    // The decoder works when its result is turned into a string.
    const QString text = decoder.decode(content);
    return decoder.hasError() ? Encoding::Gbk : Encoding::Utf8;
}

// Cuts the text into lines at CR LF, CR or LF. In GBK, GB18030 and UTF-8 neither CR nor LF can occur
// inside a multi-byte character, so those files are cut as bytes before they are decoded and keep
// their bytes line by line; UTF-16 is decoded first and each line spelt again.
IniFile Parse(const QByteArray& content) {
    IniFile file;
    file.encoding = Detect(content);
    const QByteArray body = content.sliced(BomOf(file.encoding).size());
    const auto addLines = [&file](auto text, auto toLine) {
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype end = start;
            while (end < text.size() && text[end] != '\r' && text[end] != '\n') {
                ++end;
            }
            file.lines.push_back(toLine(text.sliced(start, end - start)));
            start = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
        }
    };
    if (IsUtf16(file.encoding)) {
        const QString text = Decode(body, file.encoding);
        addLines(QStringView(text), [&file](QStringView line) {
            return Line{Encode(line.toString(), file.encoding), line.toString()};
        });
    } else {
        addLines(body, [&file](const QByteArray& bytes) { return Line{bytes, Decode(bytes, file.encoding)}; });
    }
    return file;
}

// Settings files hold a few lines; one larger than this is no settings file.
constexpr qint64 kMaxFileSize = 1 << 20;

// Only a regular file of a settings file's size is read: a pipe would keep the program waiting for a writer, a
// device such as /dev/zero would never end.
std::optional<IniFile> Load(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() > kMaxFileSize) {
        return std::nullopt;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray content = file.read(kMaxFileSize + 1);
    if (content.size() > kMaxFileSize) {
        return std::nullopt;
    }
    return Parse(content);
}

// A header is any line that starts with '['; one without ']' still ends the section before it.
std::optional<QString> SectionName(const QString& line) {
    const QString trimmed = TrimBlanks(line);
    if (!trimmed.startsWith(u'[')) {
        return std::nullopt;
    }
    const qsizetype close = trimmed.indexOf(u']');
    return TrimBlanks(QStringView(trimmed).sliced(1, (close < 0 ? trimmed.size() : close) - 1));
}

std::optional<KeyLine> ParseKeyLine(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0 || TrimBlanks(line).startsWith(u';')) {
        return std::nullopt;
    }
    QString value = TrimBlanks(QStringView(line).sliced(equals + 1));
    if (EnclosedInQuotes(value)) {
        value = value.sliced(1, value.size() - 2);
    }
    return KeyLine{TrimBlanks(QStringView(line).left(equals)), value};
}

// The lines of one section: [header, end), end being the next header or the end of the file.
struct SectionRange {
    size_t header;
    size_t end;
};

// With several sections of the same name only the first one is used, for reading and writing alike,
// so a value written is always the value read back.
std::optional<SectionRange> FindSection(const IniFile& file, const QString& section) {
    std::optional<SectionRange> range;
    for (size_t i = 0; i < file.lines.size(); ++i) {
        const std::optional<QString> name = SectionName(file.lines[i].text);
        if (!name) {
            continue;
        }
        if (range) {
            range->end = i;
            return range;
        }
        if (name->compare(section, Qt::CaseInsensitive) == 0) {
            range = SectionRange{i, file.lines.size()};
        }
    }
    return range;
}

// The first line in the section holding the key, if any.
std::optional<size_t> FindKey(const IniFile& file, const SectionRange& range, const QString& key) {
    for (size_t i = range.header + 1; i < range.end; ++i) {
        const std::optional<KeyLine> line = ParseKeyLine(file.lines[i].text);
        if (line && line->key.compare(key, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return std::nullopt;
}

// Spells a value so that reading it back gives exactly what was written. A line break would end the
// line and turn the rest of the value into a line of its own, so each CR or LF becomes a blank.
// Blanks at either end would be trimmed away and one pair of enclosing quotes would be stripped, so
// such a value is wrapped in double quotes, which reading removes again.
QString QuoteValue(QString value) {
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    const bool blankAtEnd = !value.isEmpty() && (IsBlank(value.front()) || IsBlank(value.back()));
    return blankAtEnd || EnclosedInQuotes(value) ? u'"' + value + u'"' : value;
}

Exception WriteError(const QString& fileName) {
    return Exception(QString("Unable to write to %1").arg(fileName));
}

void Save(const QString& fileName, const IniFile& file) {
    const QByteArray lineEnd = Encode(QStringLiteral("\r\n"), file.encoding);
    QByteArray content = BomOf(file.encoding);
    for (const Line& line : file.lines) {
        content += line.bytes + lineEnd;
    }
    if (!WriteFileAtomically(fileName, content)) {
        throw WriteError(fileName);
    }
}

}  // namespace

QString ReadString(const QString& fileName, const QString& section, const QString& key, const QString& defaultValue) {
    try {
        const std::optional<IniFile> file = Load(fileName);
        const std::optional<SectionRange> range = file ? FindSection(*file, section) : std::nullopt;
        const std::optional<size_t> index = range ? FindKey(*file, *range, key) : std::nullopt;
        return index ? ParseKeyLine(file->lines[*index].text)->value : defaultValue;
    } catch (const Exception&) {
        // Reading settings must never stop the program; a text conversion that cannot even start
        // leaves the default, as an unreadable file does.
        return defaultValue;
    }
}

void WriteString(const QString& fileName, const QString& section, const QString& key, const QString& value) {
    const QFileInfo info(fileName);
    const bool exists = info.exists();
    std::optional<IniFile> file = exists ? Load(fileName) : IniFile{};
    // An existing file that cannot be read would otherwise be replaced by one holding only this key.
    if (!file || !Writable(info.absolutePath()) || (exists && !Writable(fileName))) {
        throw WriteError(fileName);
    }
    auto makeLine = [&file](const QString& text) { return Line{Encode(text, file->encoding), text}; };

    const std::optional<SectionRange> range = FindSection(*file, section);
    if (!range) {
        if (!file->lines.empty() && !TrimBlanks(file->lines.back().text).isEmpty()) {
            file->lines.push_back(makeLine(QString()));
        }
        file->lines.push_back(makeLine(u'[' + section + u']'));
        file->lines.push_back(makeLine(key + u'=' + QuoteValue(value)));
    } else if (const std::optional<size_t> index = FindKey(*file, *range, key)) {
        const Line& line = file->lines[*index];
        const KeyLine old = *ParseKeyLine(line.text);
        // A line whose bytes did not decode is read with replacement characters; writing that reading
        // back unchanged would make the damage permanent, so such a line stays as it is.
        const bool decodedCleanly = Encode(line.text, file->encoding) == line.bytes;
        if (decodedCleanly || old.value != value) {
            file->lines[*index] = makeLine(old.key + u'=' + QuoteValue(value));
        }
    } else {
        size_t after = range->header;
        for (size_t i = range->header + 1; i < range->end; ++i) {
            if (ParseKeyLine(file->lines[i].text)) {
                after = i;
            }
        }
        file->lines.insert(file->lines.begin() + static_cast<std::ptrdiff_t>(after + 1),
                           makeLine(key + u'=' + QuoteValue(value)));
    }
    Save(fileName, *file);
}

}  // namespace IniStore

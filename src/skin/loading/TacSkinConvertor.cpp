#include "skin/loading/TacSkinConvertor.h"

#include <zlib.h>

#include <QtEndian>
#include <algorithm>
#include <cstring>

#include "platform/GbkText.h"
#include "skin/loading/SkinError.h"
#include "skin/loading/SkinLimits.h"

namespace {

const QByteArray kMagic("ASzf");

// Deflate never shrinks data by more than about 1032 to 1, so a size beyond that bound is a lie and
// must not be allowed to reserve memory.
constexpr qint64 kMaxInflateRatio = 1032;

class Reader {
public:
    explicit Reader(const QByteArray& data) : data_(data) {}

    qint64 Position() const { return pos_; }
    qint64 Remaining() const { return data_.size() - pos_; }
    void Skip(qint64 count) { pos_ += count; }
    const char* Here() const { return data_.constData() + pos_; }

    std::optional<qint32> Int32() {
        if (Remaining() < 4)
            return std::nullopt;
        const qint32 value = qFromLittleEndian<qint32>(Here());
        pos_ += 4;
        return value;
    }

private:
    const QByteArray& data_;
    qint64 pos_ = 0;
};

[[noreturn]] void Damaged(int entry, const QString& what) {
    throw SkinError(QStringLiteral("皮肤包已损坏：第 %1 个条目%2。").arg(entry).arg(what));
}

// Inflates the zlib stream that starts at the reader's position into exactly `size` bytes, at most
// `bound`, and leaves the reader just after the stream's end.
QByteArray Inflate(Reader& reader, qint32 size, int entry, qint64 bound) {
    if (size < 0)
        Damaged(entry, QStringLiteral("的大小为负数"));
    if (size > reader.Remaining() * kMaxInflateRatio + 64)
        Damaged(entry, QStringLiteral("的大小与压缩数据不符"));
    // A declared size is checked against the bounds before any of it is reserved.
    if (size > bound)
        Damaged(entry, QStringLiteral("的大小超出限度"));

    QByteArray output(size, Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        throw SkinError(QStringLiteral("无法初始化解压缩。"));
    const qint64 available = reader.Remaining();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(reader.Here()));
    stream.avail_in = static_cast<uInt>(std::min<qint64>(available, UINT_MAX));
    stream.next_out = reinterpret_cast<Bytef*>(output.data());
    stream.avail_out = static_cast<uInt>(size);
    int result = inflate(&stream, Z_FINISH);
    if (result == Z_BUF_ERROR && stream.avail_out == 0) {
        // The output is full before the stream has ended: one byte more tells a longer entry from a
        // stream that still has its checksum to come.
        Bytef probe;
        stream.next_out = &probe;
        stream.avail_out = 1;
        result = inflate(&stream, Z_FINISH);
    }
    const qint64 consumed = static_cast<qint64>(stream.total_in);
    const qint64 produced = static_cast<qint64>(stream.total_out);
    inflateEnd(&stream);
    if (produced > size)
        Damaged(entry, QStringLiteral("解压后超出记录的大小"));
    if (result != Z_STREAM_END)
        Damaged(entry, QStringLiteral("的压缩数据已损坏或不完整"));
    if (produced != size)
        Damaged(entry, QStringLiteral("解压后短于记录的大小"));
    reader.Skip(consumed);
    return output;
}

}  // namespace

void TacSkinConvertor::Clear() {
    PictureCount = 0;
    Entries.clear();
    OptionsText.reset();
}

void TacSkinConvertor::Unpack(const QByteArray& package) {
    Clear();
    try {
        UnpackEntries(package);
    } catch (...) {
        Clear();
        throw;
    }
}

void TacSkinConvertor::UnpackEntries(const QByteArray& package) {
    if (!package.startsWith(kMagic))
        throw SkinError(kNotPackedMessage);
    Reader reader(package);
    reader.Skip(kMagic.size());
    const std::optional<qint32> count = reader.Int32();
    if (!count || *count < 0)
        throw SkinError(QStringLiteral("皮肤包已损坏：条目数无效。"));
    PictureCount = *count - 1;
    qint64 unpacked = 0;

    for (int entry = 1; entry <= *count; ++entry) {
        const std::optional<qint32> nameLength = reader.Int32();
        if (!nameLength || *nameLength < 0 || *nameLength > reader.Remaining())
            Damaged(entry, QStringLiteral("的名称无效"));
        const QString name = DecodeGbk(QByteArray(reader.Here(), *nameLength));
        reader.Skip(*nameLength);
        const std::optional<qint32> size = reader.Int32();
        if (!size)
            Damaged(entry, QStringLiteral("缺少大小"));
        const bool isOptions = name.compare(QLatin1String("Options.dat"), Qt::CaseInsensitive) == 0;
        const qint64 bound = std::min(isOptions ? SkinLimits::kOptionsBytes : SkinLimits::kEntryBytes,
                                      SkinLimits::kPackageBytes - unpacked);
        QByteArray bytes = Inflate(reader, *size, entry, bound);
        unpacked += bytes.size();
        if (isOptions) {
            OptionsText = std::move(bytes);
        } else {
            const bool isBitmap = name.toUpper().endsWith(QLatin1String(".BMP"));
            Entries.push_back({name, isBitmap, std::move(bytes)});
        }
    }
}

QByteArray TacSkinConvertor::Pack(const std::vector<SourceEntry>& entries) {
    QByteArray package = kMagic;
    const auto appendInt32 = [&package](qint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        package.append(bytes, 4);
    };
    appendInt32(static_cast<qint32>(entries.size()));
    for (const SourceEntry& entry : entries) {
        const QByteArray name = EncodeGbk(entry.Name);
        appendInt32(static_cast<qint32>(name.size()));
        package.append(name);
        appendInt32(static_cast<qint32>(entry.Bytes.size()));
        uLongf packedSize = compressBound(static_cast<uLong>(entry.Bytes.size()));
        QByteArray packed(static_cast<qsizetype>(packedSize), Qt::Uninitialized);
        if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                      reinterpret_cast<const Bytef*>(entry.Bytes.constData()), static_cast<uLong>(entry.Bytes.size()),
                      Z_BEST_COMPRESSION) != Z_OK) {
            throw SkinError(QStringLiteral("无法压缩条目 %1。").arg(entry.Name));
        }
        package.append(packed.constData(), static_cast<qsizetype>(packedSize));
    }
    return package;
}

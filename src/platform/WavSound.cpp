#include "platform/WavSound.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr quint16 kPcmFormat = 1;
constexpr quint16 kFloatFormat = 3;
constexpr quint16 kExtensibleFormat = 0xFFFE;
constexpr qsizetype kChunkHeaderBytes = 8;
constexpr qsizetype kPcmFormatBytes = 16;
constexpr qsizetype kExtensibleFormatBytes = 40;
// The extensible format names its sample format by a GUID whose first two bytes are the plain format tag and whose
// other fourteen are always these.
const QByteArray kSubFormatTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);

quint16 U16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 U32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

// How the samples of a file are stored, as its format chunk says.
struct StoredFormat {
    quint16 tag = 0;  // kPcmFormat or kFloatFormat, the extensible wrapper taken off
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;

    bool Playable() const {
        const bool bits = tag == kPcmFormat ? (bitsPerSample == 8 || bitsPerSample == 16 || bitsPerSample == 24 ||
                                               bitsPerSample == 32)
                                            : bitsPerSample == 32;
        return bits && (channels == 1 || channels == 2) && sampleRate >= WavSound::kLowestRate &&
               sampleRate <= WavSound::kHighestRate && blockAlign == channels * bitsPerSample / 8;
    }
};

std::optional<StoredFormat> ReadFormat(const char* body, qint64 size) {
    if (size < kPcmFormatBytes) {
        return std::nullopt;
    }
    StoredFormat format{U16(body), U16(body + 2), int(U32(body + 4)), U16(body + 14), U16(body + 12)};
    if (format.tag == kExtensibleFormat) {
        if (size < kExtensibleFormatBytes || QByteArray(body + 26, kSubFormatTail.size()) != kSubFormatTail) {
            return std::nullopt;
        }
        format.tag = U16(body + 24);
    }
    if ((format.tag != kPcmFormat && format.tag != kFloatFormat) || !format.Playable()) {
        return std::nullopt;
    }
    return format;
}

// One stored sample as a value from -1 to 1.
double SampleValue(const StoredFormat& format, const char* p) {
    if (format.tag == kFloatFormat) {
        float value = 0;
        const quint32 bits = U32(p);
        std::memcpy(&value, &bits, sizeof value);
        return std::isfinite(value) ? std::clamp(double(value), -1.0, 1.0) : 0.0;
    }
    if (format.bitsPerSample == 24) {
        const qint32 value =
            qint32(quint32(uchar(p[0])) << 8 | quint32(uchar(p[1])) << 16 | quint32(uchar(p[2])) << 24);
        return value / 2147483648.0;
    }
    return qint32(U32(p)) / 2147483648.0;
}

// Samples wider than 16 bits, or float ones, become 16-bit ones.
QByteArray To16Bit(const StoredFormat& format, const QByteArray& stored) {
    const int width = format.bitsPerSample / 8;
    const qsizetype count = stored.size() / width;
    QByteArray samples(count * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < count; ++i) {
        const double value = SampleValue(format, stored.constData() + i * width);
        qToLittleEndian<qint16>(qint16(std::clamp(std::lround(value * 32768), -32768L, 32767L)),
                                samples.data() + i * 2);
    }
    return samples;
}

}  // namespace

std::chrono::milliseconds WavSound::Duration() const {
    const qint64 frames = samples.size() / FrameBytes();
    return std::chrono::milliseconds(frames * 1000 / sampleRate);
}

std::optional<WavSound> WavSound::Parse(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    // Writers that stream often leave the RIFF size wrong; the chunks themselves must still fit the file.
    const char* const data = bytes.constData();
    std::optional<StoredFormat> format;
    for (qsizetype at = 12; at + kChunkHeaderBytes <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = U32(data + at + 4);
        const qsizetype body = at + kChunkHeaderBytes;
        if (size > bytes.size() - body) {
            return std::nullopt;
        }
        if (id == "fmt ") {
            format = ReadFormat(data + body, size);
            if (!format) {
                return std::nullopt;
            }
        } else if (id == "data") {
            if (!format) {
                return std::nullopt;
            }
            const QByteArray stored = bytes.mid(body, size - size % format->blockAlign);
            const bool asStored = format->tag == kPcmFormat && format->bitsPerSample <= 16;
            WavSound result;
            result.channels = format->channels;
            result.sampleRate = format->sampleRate;
            result.bitsPerSample = asStored ? format->bitsPerSample : 16;
            result.samples = asStored ? stored : To16Bit(*format, stored);
            if (result.Duration() > kLongest) {
                return std::nullopt;
            }
            return result;
        }
        at = body + size + (size & 1);  // chunks are padded to even length
    }
    return std::nullopt;
}

WavSound WavSound::Beep() {
    constexpr int kRate = 22050;
    constexpr int kFrames = kRate / 4;
    constexpr int kFadeFrames = kRate / 100;  // soft edges, so the beep does not click
    constexpr double kHertz = 880.0;
    WavSound beep;
    beep.sampleRate = kRate;
    beep.samples.resize(kFrames * 2);
    for (int i = 0; i < kFrames; ++i) {
        const double fade = std::min({1.0, double(i) / kFadeFrames, double(kFrames - 1 - i) / kFadeFrames});
        const double value = 0.4 * fade * std::sin(2 * std::numbers::pi * kHertz * i / kRate);
        qToLittleEndian<qint16>(qint16(std::lround(value * 32767)), beep.samples.data() + 2 * i);
    }
    return beep;
}

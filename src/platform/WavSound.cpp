#include "platform/WavSound.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr quint16 kPcmFormat = 1;
constexpr qsizetype kChunkHeaderBytes = 8;
constexpr qsizetype kPcmFormatBytes = 16;

quint16 U16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 U32(const char* p) {
    return qFromLittleEndian<quint32>(p);
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
    bool haveFormat = false;
    WavSound result;
    for (qsizetype at = 12; at + kChunkHeaderBytes <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = U32(data + at + 4);
        const qsizetype body = at + kChunkHeaderBytes;
        if (size > bytes.size() - body) {
            return std::nullopt;
        }
        if (id == "fmt ") {
            if (size < kPcmFormatBytes || U16(data + body) != kPcmFormat) {
                return std::nullopt;
            }
            result.channels = U16(data + body + 2);
            result.sampleRate = int(U32(data + body + 4));
            result.bitsPerSample = U16(data + body + 14);
            const bool supported = (result.channels == 1 || result.channels == 2) &&
                                   (result.bitsPerSample == 8 || result.bitsPerSample == 16) && result.sampleRate > 0 &&
                                   result.sampleRate <= 384000 && U16(data + body + 12) == result.FrameBytes();
            if (!supported) {
                return std::nullopt;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                return std::nullopt;
            }
            result.samples = bytes.mid(body, size - size % result.FrameBytes());
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

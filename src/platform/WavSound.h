#pragma once

#include <QByteArray>
#include <chrono>
#include <optional>

// Uncompressed PCM audio as a WAV file carries it: 8-bit unsigned or 16-bit little-endian signed samples, one or two
// channels interleaved, at the file's own rate.
struct WavSound {
    int channels = 1;
    int sampleRate = 22050;
    int bitsPerSample = 16;
    QByteArray samples;  // whole frames only

    int FrameBytes() const { return channels * bitsPerSample / 8; }
    std::chrono::milliseconds Duration() const;

    // Reads a RIFF/WAVE file. Anything that is not plain PCM we can play, or whose chunks do not fit inside the
    // bytes, gives no sound rather than a partial one.
    static std::optional<WavSound> Parse(const QByteArray& bytes);

    // The short beep that stands in for a sound file that cannot be played.
    static WavSound Beep();
};

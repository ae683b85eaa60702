#pragma once

#include <QByteArray>
#include <chrono>
#include <optional>

// Uncompressed audio ready to play: 8-bit unsigned or 16-bit little-endian signed samples, one or two channels
// interleaved, at the file's own rate. WAV files with 24- or 32-bit integer or 32-bit float samples (plain or in the
// extensible format) are turned into 16-bit samples as they are read.
struct WavSound {
    int channels = 1;
    int sampleRate = 22050;
    int bitsPerSample = 16;
    QByteArray samples;  // whole frames only

    int FrameBytes() const { return channels * bitsPerSample / 8; }
    std::chrono::milliseconds Duration() const;

    // Reads a RIFF/WAVE file. Anything that is not uncompressed audio we can play, whose chunks do not fit inside
    // the bytes, whose rate no real recording has, or that lasts longer than any sound the program plays, gives no
    // sound rather than a partial one: the program waits while a sound plays.
    static constexpr int kLowestRate = 4000;
    static constexpr int kHighestRate = 384000;
    static constexpr std::chrono::seconds kLongest{30};
    static std::optional<WavSound> Parse(const QByteArray& bytes);

    // The short beep that stands in for a sound file that cannot be played.
    static WavSound Beep();
};

#include "platform/Sound.h"

#include <pulse/error.h>
#include <pulse/simple.h>
#include <QFile>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/AppDir.h"
#include "platform/WavSound.h"

namespace {

using Clock = std::chrono::steady_clock;

// Larger files are not sounds a question window plays; reading them whole would stall the program.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
// How long a sound server may lag behind the sound's own length before the caller stops waiting for it.
constexpr auto kServerGrace = std::chrono::milliseconds(500);

std::function<void(const QString&)>& Sink() {
    static std::function<void(const QString&)> sink;
    return sink;
}

WavSound Load(const QString& fileName) {
    QFile file(FileSystemPath(fileName));
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) {
        return WavSound::Beep();
    }
    return WavSound::Parse(file.readAll()).value_or(WavSound::Beep());
}

// What the caller and the playing thread share. The thread holds its own reference, so a caller that has stopped
// waiting can go away while the thread is still stuck in the server.
struct Playback {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool played = false;
};

bool PlayOnServer(const WavSound& sound) {
    pa_sample_spec spec{};
    spec.format = sound.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    spec.rate = quint32(sound.sampleRate);
    spec.channels = quint8(sound.channels);
    int error = 0;
    pa_simple* stream =
        pa_simple_new(nullptr, "Quorvane", PA_STREAM_PLAYBACK, nullptr, "feedback", &spec, nullptr, nullptr, &error);
    if (!stream) {
        return false;
    }
    const bool ok = pa_simple_write(stream, sound.samples.constData(), size_t(sound.samples.size()), &error) == 0 &&
                    pa_simple_drain(stream, &error) == 0;
    pa_simple_free(stream);
    return ok;
}

}  // namespace

void PlaySound(const QString& fileName) {
    if (Sink()) {
        Sink()(fileName);
        return;
    }
    const auto start = Clock::now();
    WavSound sound = Load(fileName);
    const auto length = sound.Duration();

    auto playback = std::make_shared<Playback>();
    std::thread([playback, sound = std::move(sound)] {
        const bool played = PlayOnServer(sound);
        const std::lock_guard lock(playback->mutex);
        playback->done = true;
        playback->played = played;
        playback->finished.notify_all();
    }).detach();

    std::unique_lock lock(playback->mutex);
    playback->finished.wait_until(lock, start + length + kServerGrace, [&] { return playback->done; });
    if (playback->done && !playback->played) {
        lock.unlock();
        std::this_thread::sleep_until(start + length);  // no server: the caller still waits as long as the sound
    }
}

void SetSoundSinkForTesting(std::function<void(const QString& fileName)> sink) {
    Sink() = std::move(sink);
}

#include "platform/Sound.h"

#include <dlfcn.h>
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

// The sound server's client library and everything it pulls in are loaded at the first sound, not at
// start-up. Without the library every sound is a silent wait.
struct PulseSimple {
    decltype(&pa_simple_new) open = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_drain) drain = nullptr;
    decltype(&pa_simple_free) free = nullptr;

    bool Loaded() const { return open && write && drain && free; }
};

const PulseSimple& Pulse() {
    static const PulseSimple pulse = [] {
        PulseSimple loaded;
        void* library = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            return loaded;
        loaded.open = reinterpret_cast<decltype(&pa_simple_new)>(dlsym(library, "pa_simple_new"));
        loaded.write = reinterpret_cast<decltype(&pa_simple_write)>(dlsym(library, "pa_simple_write"));
        loaded.drain = reinterpret_cast<decltype(&pa_simple_drain)>(dlsym(library, "pa_simple_drain"));
        loaded.free = reinterpret_cast<decltype(&pa_simple_free)>(dlsym(library, "pa_simple_free"));
        return loaded;
    }();
    return pulse;
}

bool PlayOnServer(const WavSound& sound) {
    const PulseSimple& pulse = Pulse();
    if (!pulse.Loaded())
        return false;
    pa_sample_spec spec{};
    spec.format = sound.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    spec.rate = quint32(sound.sampleRate);
    spec.channels = quint8(sound.channels);
    int error = 0;
    pa_simple* stream =
        pulse.open(nullptr, "Quorvane", PA_STREAM_PLAYBACK, nullptr, "feedback", &spec, nullptr, nullptr, &error);
    if (!stream) {
        return false;
    }
    const bool ok = pulse.write(stream, sound.samples.constData(), size_t(sound.samples.size()), &error) == 0 &&
                    pulse.drain(stream, &error) == 0;
    pulse.free(stream);
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

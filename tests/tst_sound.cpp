// The sound layer: reading WAV files, the beep that replaces what cannot be played, and how long a caller waits.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cstring>
#include <optional>

#include "platform/Sound.h"
#include "platform/WavSound.h"

namespace {

QByteArray Le16(quint16 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Le32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A chunk as RIFF lays it out; `declared` overrides the size field to make broken files.
QByteArray Chunk(const QByteArray& id, const QByteArray& body, std::optional<quint32> declared = {}) {
    QByteArray chunk = id + Le32(declared.value_or(quint32(body.size()))) + body;
    return body.size() % 2 ? chunk + '\0' : chunk;
}

QByteArray Format(quint16 tag, quint16 channels, quint32 rate, quint16 bits, std::optional<quint16> blockAlign = {}) {
    const quint16 frame = blockAlign.value_or(quint16(channels * bits / 8));
    return Chunk("fmt ", Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * frame) + Le16(frame) + Le16(bits));
}

// The extensible format chunk, as recorders write for more than 16 bits or more than two channels.
QByteArray Extensible(quint16 subFormat, quint16 channels, quint32 rate, quint16 bits) {
    const quint16 frame = quint16(channels * bits / 8);
    const QByteArray guidTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    return Chunk("fmt ", Le16(0xFFFE) + Le16(channels) + Le32(rate) + Le32(rate * frame) + Le16(frame) + Le16(bits) +
                             Le16(22) + Le16(bits) + Le32(channels == 2 ? 3 : 4) + Le16(subFormat) + guidTail);
}

QByteArray Riff(const QByteArray& chunks) {
    return "RIFF" + Le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

QByteArray Silence(int bytes, int bits) {
    return QByteArray(bytes, bits == 8 ? char(0x80) : '\0');
}

QByteArray Wav(quint16 channels, quint32 rate, quint16 bits, int frames) {
    return Riff(Format(1, channels, rate, bits) + Chunk("data", Silence(frames * channels * bits / 8, bits)));
}

// A 0.7 s sound, longer than the beep, so the tests can tell which of the two a call waited for.
const QByteArray kLongSound = Wav(1, 8000, 8, 5600);
constexpr int kLongSoundMs = 700;

// A sound server that takes connections and never answers, as a hung one does.
class SilentServer {
public:
    explicit SilentServer(const QString& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), std::min(size_t(name.size()), sizeof address.sun_path - 1));
        listening_ =
            fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd_, 4) == 0;
    }
    ~SilentServer() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    bool Listening() const { return listening_; }

private:
    int fd_;
    bool listening_ = false;
};

}  // namespace

class TstSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void samplesKeepTheirLevel();
    void waitsForTheSoundOrTheBeep_data();
    void waitsForTheSoundOrTheBeep();
    void sinkRecordsNamesInsteadOfPlaying();
    void hungServerDoesNotHoldTheCaller();
    void shippedSoundsArePlayable_data();
    void shippedSoundsArePlayable();

private:
    QTemporaryDir dir_;
    QString serverPath_;
};

void TstSound::initTestCase() {
    QVERIFY(dir_.isValid());
    // Every test talks to a server of its own choosing: at first none, at the end a hung one at the same place. The
    // environment is set before any playing thread could read it.
    serverPath_ = dir_.filePath(QStringLiteral("server"));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(serverPath_));
    qputenv("PULSE_COOKIE", QFile::encodeName(dir_.filePath(QStringLiteral("cookie"))));
}

void TstSound::parse_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("sampleBytes");  // -1: rejected
    QTest::addColumn<int>("durationMs");

    const QByteArray fmt16 = Format(1, 2, 16000, 16);
    QTest::newRow("16-bit mono") << Wav(1, 22050, 16, 2205) << 4410 << 100;
    QTest::newRow("16-bit stereo") << Wav(2, 44100, 16, 11025) << 44100 << 250;
    QTest::newRow("8-bit mono") << Wav(1, 8000, 8, 1600) << 1600 << 200;
    QTest::newRow("8-bit stereo") << Wav(2, 11025, 8, 11025) << 22050 << 1000;
    QTest::newRow("odd-sized chunk before data")
        << Riff(fmt16 + Chunk("LIST", "abc") + Chunk("data", Silence(6400, 16))) << 6400 << 100;
    QTest::newRow("partial last frame dropped") << Riff(fmt16 + Chunk("data", Silence(6403, 16))) << 6400 << 100;
    QTest::newRow("wrong RIFF size, chunks fit")
        << QByteArray(Wav(1, 8000, 8, 800)).replace(4, 4, Le32(0xFFFFFFFF)) << 800 << 100;

    QTest::newRow("empty file") << QByteArray() << -1 << 0;
    QTest::newRow("not RIFF") << QByteArray("just some text that is long enough") << -1 << 0;
    QTest::newRow("RIFF but not WAVE") << QByteArray(Wav(1, 8000, 8, 800)).replace(8, 4, "AVI ") << -1 << 0;
    QTest::newRow("truncated header") << Wav(1, 8000, 8, 800).left(30) << -1 << 0;
    QTest::newRow("data size beyond the file") << Riff(fmt16 + Chunk("data", Silence(400, 16), 401)) << -1 << 0;
    QTest::newRow("chunk size near 4 GiB")
        << Riff(fmt16 + Chunk("LIST", "ab", 0xFFFFFFFF) + Chunk("data", Silence(4, 16))) << -1 << 0;
    QTest::newRow("fmt shorter than PCM needs")
        << Riff(Chunk("fmt ", Le16(1) + Le16(1)) + Chunk("data", Silence(4, 16))) << -1 << 0;
    QTest::newRow("no data chunk") << Riff(fmt16) << -1 << 0;
    QTest::newRow("data before fmt") << Riff(Chunk("data", Silence(4, 16)) + fmt16) << -1 << 0;
    QTest::newRow("24-bit, made 16-bit") << Riff(Format(1, 1, 8000, 24) + Chunk("data", Silence(2400, 24))) << 1600
                                         << 100;
    QTest::newRow("32-bit, made 16-bit") << Riff(Format(1, 2, 8000, 32) + Chunk("data", Silence(6400, 32))) << 3200
                                         << 100;
    QTest::newRow("float, made 16-bit") << Riff(Format(3, 1, 8000, 32) + Chunk("data", Silence(3200, 32))) << 1600
                                        << 100;
    QTest::newRow("extensible 16-bit") << Riff(Extensible(1, 2, 16000, 16) + Chunk("data", Silence(6400, 16))) << 6400
                                       << 100;
    QTest::newRow("extensible float") << Riff(Extensible(3, 1, 8000, 32) + Chunk("data", Silence(3200, 32))) << 1600
                                      << 100;
    QTest::newRow("extensible of another kind")
        << QByteArray(Riff(Extensible(1, 1, 8000, 16) + Chunk("data", Silence(400, 16)))).replace(52, 1, "\x01") << -1
        << 0;
    QTest::newRow("64-bit float") << Riff(Format(3, 1, 8000, 64) + Chunk("data", Silence(400, 64))) << -1 << 0;
    QTest::newRow("rate of 34 Hz") << Riff(Format(1, 1, 34, 16) + Chunk("data", Silence(400, 16))) << -1 << 0;
    QTest::newRow("longer than any sound played") << Wav(1, 8000, 8, 8000 * 31) << -1 << 0;
    QTest::newRow("three channels") << Riff(Format(1, 3, 8000, 16) + Chunk("data", Silence(600, 16))) << -1 << 0;
    QTest::newRow("rate zero") << Riff(Format(1, 1, 0, 16) + Chunk("data", Silence(400, 16))) << -1 << 0;
    QTest::newRow("block align disagrees")
        << Riff(Format(1, 2, 8000, 16, 2) + Chunk("data", Silence(400, 16))) << -1 << 0;
}

void TstSound::parse() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, sampleBytes);
    QFETCH(int, durationMs);

    const std::optional<WavSound> sound = WavSound::Parse(bytes);
    QCOMPARE(sound.has_value(), sampleBytes >= 0);
    if (sound) {
        QCOMPARE(sound->samples.size(), sampleBytes);
        QCOMPARE(sound->Duration().count(), durationMs);
    }
}

// Wider and float samples keep their level when they become 16-bit ones.
void TstSound::samplesKeepTheirLevel() {
    const QByteArray int24 = QByteArray("\x00\x00\x40", 3) + QByteArray("\x00\x00\xC0", 3);  // +0.5, -0.5
    const QByteArray float32 = Le32(0x3F000000) + Le32(0xBF800000) + Le32(0x7FC00000);       // 0.5, -1, NaN
    const std::optional<WavSound> fromInt = WavSound::Parse(Riff(Format(1, 1, 8000, 24) + Chunk("data", int24)));
    const std::optional<WavSound> fromFloat = WavSound::Parse(Riff(Format(3, 1, 8000, 32) + Chunk("data", float32)));
    QVERIFY(fromInt && fromFloat);
    QCOMPARE(fromInt->bitsPerSample, 16);
    QCOMPARE(fromInt->samples, Le16(16384) + Le16(quint16(-16384)));
    QCOMPARE(fromFloat->samples, Le16(16384) + Le16(quint16(-32768)) + Le16(0));
}

void TstSound::waitsForTheSoundOrTheBeep_data() {
    QTest::addColumn<QString>("name");         // as the program names it: AppDir-relative with '\'
    QTest::addColumn<QByteArray>("contents");  // null: no such file
    QTest::addColumn<int>("expectedMs");

    const int beepMs = int(WavSound::Beep().Duration().count());
    QVERIFY(beepMs > 0 && beepMs < kLongSoundMs - 200);
    QTest::newRow("sound file") << QStringLiteral("sound\\对.wav") << kLongSound << kLongSoundMs;
    QTest::newRow("missing file") << QStringLiteral("sound\\A.wav") << QByteArray() << beepMs;
    QTest::newRow("not a WAV file") << QStringLiteral("sound\\B.wav") << QByteArray("RIFF") << beepMs;
    QTest::newRow("damaged rate") << QStringLiteral("sound\\C.wav") << Wav(1, 34, 8, 200) << beepMs;
    QTest::newRow("empty name") << QString() << QByteArray() << beepMs;
}

// Without a server the caller still waits as long as the sound lasts, as it would with one.
void TstSound::waitsForTheSoundOrTheBeep() {
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(int, expectedMs);
    const QString root = dir_.path() + '/';
    if (!contents.isNull()) {
        QVERIFY(QDir(root).mkpath(QStringLiteral("sound")));
        QFile file(root + QString(name).replace('\\', '/'));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QElapsedTimer timer;
    timer.start();
    PlaySound(name.isEmpty() ? name : root + name);
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed >= expectedMs - 50 && elapsed < expectedMs + 400, qPrintable(QString::number(elapsed)));
}

void TstSound::sinkRecordsNamesInsteadOfPlaying() {
    QStringList played;
    SetSoundSinkForTesting([&](const QString& fileName) { played << fileName; });
    QElapsedTimer timer;
    timer.start();
    const QStringList names{QStringLiteral("/驾校 程序/sound\\对.wav"), QString(), QStringLiteral("/nowhere/x.wav")};
    for (const QString& name : names) {
        PlaySound(name);
    }
    SetSoundSinkForTesting({});
    QCOMPARE(played, names);
    QVERIFY(timer.elapsed() < 200);
}

// A hung server would keep the connection open for half a minute; the caller must not wait for it.
void TstSound::hungServerDoesNotHoldTheCaller() {
    const SilentServer server(serverPath_);
    QVERIFY(server.Listening());
    QElapsedTimer timer;
    timer.start();
    PlaySound(QString());
    const qint64 elapsed = timer.elapsed();
    const qint64 beepMs = WavSound::Beep().Duration().count();
    QVERIFY2(elapsed >= beepMs && elapsed < beepMs + 1500, qPrintable(QString::number(elapsed)));
}

void TstSound::shippedSoundsArePlayable_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"对", "错", "A", "B", "C", "D"}) {
        QTest::newRow(name) << QString::fromUtf8(name);
    }
}

// Each sound the question windows play is one the sound layer reads, short enough not to hold up the learner and
// loud enough to hear.
void TstSound::shippedSoundsArePlayable() {
    QFETCH(QString, name);
    QFile file(qEnvironmentVariable("QV_APPDIR_BUILT") + QStringLiteral("/sound/") + name + QStringLiteral(".wav"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qUtf8Printable(file.fileName()));
    const std::optional<WavSound> sound = WavSound::Parse(file.readAll());
    QVERIFY(sound.has_value());
    QCOMPARE(sound->bitsPerSample, 16);
    QVERIFY(sound->Duration().count() >= 200 && sound->Duration().count() <= 1500);
    int peak = 0;
    for (qsizetype i = 0; i + 1 < sound->samples.size(); i += 2) {
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(sound->samples.constData() + i))));
    }
    QVERIFY2(peak > 32767 / 3, qPrintable(QString::number(peak)));
}

QTEST_GUILESS_MAIN(TstSound)
#include "tst_sound.moc"

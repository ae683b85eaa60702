// Loading a skin package of a few megabytes against inflating the same entries with zlib alone, in
// the same run. The goal: loading costs at most 1.3 times the bare inflation. Beside it, 4,000 sections
// each the parent of the next against 4,000 sections without parents: inheritance is resolved once per
// section, so the goal is at most 2 times.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QtEndian>
#include <cstdio>
#include <map>

#include "skin/loading/SkinLoader.h"
#include "skin/loading/TacSkinConvertor.h"

namespace {

// A picture with the texture of real skin art: smooth gradients with a little grain, which packs to
// roughly a third of its size.
QByteArray Picture(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB888);
    quint32 noise = static_cast<quint32>(seed) * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = static_cast<int>(noise >> 29);
            line[3 * x] = static_cast<uchar>((x * 255 / width + grain) & 0xFF);
            line[3 * x + 1] = static_cast<uchar>((y * 255 / height + grain) & 0xFF);
            line[3 * x + 2] = static_cast<uchar>(200 + grain);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

struct Fixture {
    QByteArray package;
    // Where each zlib stream starts and how much it unpacks to, for the bare inflation.
    std::vector<std::pair<qsizetype, qsizetype>> streams;
};

const Fixture& TheFixture() {
    static const Fixture fixture = [] {
        QString options = QStringLiteral("[GLOBALINFO]\r\nVERSION=6.0\r\nMASTERBITMAP=MASTER.BMP\r\n");
        std::vector<TacSkinConvertor::SourceEntry> entries;
        entries.push_back({QStringLiteral("MASTER.BMP"), Picture(1600, 1200, 1)});
        for (int i = 0; i < 6; ++i) {
            const QString name = QStringLiteral("FRAME%1.BMP").arg(i);
            entries.push_back({name, Picture(240, 160, i + 2)});
            options += QStringLiteral(
                           "[SECTION%1]\r\nCOLOR=%2\r\nGRADIENTDATA=16777215;0;100;0;0\r\n"
                           "BORDERSMASK=!%3!3!1!0\r\nGLYPH=@0000,0000,0060,0020,3,0\r\n"
                           "SLICE=#(0,0,90,30)(3,1)\r\n")
                           .arg(i)
                           .arg(i * 1000)
                           .arg(name);
        }
        entries.insert(entries.begin(), {QStringLiteral("Options.dat"), options.toLatin1()});
        Fixture built{TacSkinConvertor::Pack(entries), {}};
        qsizetype pos = 8;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            pos += 4 + qFromLittleEndian<qint32>(built.package.constData() + pos);
            const qsizetype size = qFromLittleEndian<qint32>(built.package.constData() + pos);
            pos += 4;
            built.streams.push_back({pos, size});
            // The stream's length is known only by inflating it once.
            QByteArray output(size, Qt::Uninitialized);
            uLongf outputSize = static_cast<uLongf>(size);
            uLong inputSize = static_cast<uLong>(built.package.size() - pos);
            uncompress2(reinterpret_cast<Bytef*>(output.data()), &outputSize,
                        reinterpret_cast<const Bytef*>(built.package.constData() + pos), &inputSize);
            pos += static_cast<qsizetype>(inputSize);
        }
        return built;
    }();
    return fixture;
}

void LoadPackage(benchmark::State& state) {
    const Fixture& fixture = TheFixture();
    for (auto _ : state) {
        QStringList warnings;
        SkinContent skin = SkinLoader::FromPackage(fixture.package, QStringLiteral("/nonexistent/"), {}, warnings);
        benchmark::DoNotOptimize(skin.Masks.data());
    }
    state.SetBytesProcessed(state.iterations() * fixture.package.size());
}

void InflateOnly(benchmark::State& state) {
    const Fixture& fixture = TheFixture();
    for (auto _ : state) {
        for (const auto& [offset, size] : fixture.streams) {
            QByteArray output(size, Qt::Uninitialized);
            uLongf outputSize = static_cast<uLongf>(size);
            uLong inputSize = static_cast<uLong>(fixture.package.size() - offset);
            uncompress2(reinterpret_cast<Bytef*>(output.data()), &outputSize,
                        reinterpret_cast<const Bytef*>(fixture.package.constData() + offset), &inputSize);
            benchmark::DoNotOptimize(output.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * fixture.package.size());
}

// 4,000 sections with a colour, a gradient and a border each, chained or not.
QByteArray Sections(bool chained) {
    QByteArray options = "[S0]\r\nCOLOR=255\r\n";
    for (int i = 1; i < 4000; ++i) {
        options += "[S" + QByteArray::number(i) + "]\r\n";
        if (chained)
            options += "PARENTCLASS=S" + QByteArray::number(i - 1) + "\r\n";
        else
            options += "COLOR=255\r\n";
    }
    return options;
}

void LoadSections(benchmark::State& state, bool chained) {
    const QByteArray options = Sections(chained);
    for (auto _ : state) {
        QStringList warnings;
        SkinContent skin = SkinLoader::FromFolder(options, QStringLiteral("/nonexistent/"), {}, warnings);
        benchmark::DoNotOptimize(skin.Sections.data());
    }
}

BENCHMARK(LoadPackage)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(InflateOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(LoadSections, Chained, true)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(LoadSections, Flat, false)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Prints the ratio of the two after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            times_[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        Ratio("LoadPackage/min_time:2.000", "InflateOnly/min_time:2.000",
              QByteArray("package ") + QByteArray::number(TheFixture().package.size() / 1048576.0, 'f', 2) +
                  " MB; load / inflate",
              1.3);
        Ratio("LoadSections/Chained/min_time:2.000", "LoadSections/Flat/min_time:2.000",
              "4,000 sections; chained / flat", 2.0);
    }

private:
    // CPU time is the fairer measure on a busy machine; both are shown.
    void Ratio(const std::string& measured, const std::string& baseline, const QByteArray& what, double goal) const {
        const auto a = times_.find(measured);
        const auto b = times_.find(baseline);
        if (a == times_.end() || b == times_.end())
            return;
        std::printf("%s: %.3f CPU time, %.3f real time (goal <= %.1f)\n", what.constData(),
                    a->second.second / b->second.second, a->second.first / b->second.first, goal);
    }

    std::map<std::string, std::pair<double, double>> times_;  // real, CPU
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

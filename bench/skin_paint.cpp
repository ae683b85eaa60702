// Painting of the skinned controls against plain pixel work of the same size, measured in the same run:
// composing the whole main window anew, composing each kind of control at its size in the forms, the
// effect labels' blur, and an ordinary repaint of a composed control, which should cost about one copy
// of its picture. Ratios and the main window's share of a 60 Hz frame are printed after the table.
//
// Run on the offscreen platform (QT_QPA_PLATFORM=offscreen) after building the skin of the build tree.
//
// Each control stands alone on a plain window, so the background it asks for is a colour; what composing
// costs through the parents is in the main window's figure.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

#include "app/UFrmMain.h"
#include "platform/AppDir.h"
#include "platform/Fonts.h"
#include "skin/controls/SkinCommandEvent.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsRadioButton.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/controls/TsStatusBar.h"
#include "skin/raster/GlowMap.h"

namespace {

constexpr double kFrameSeconds = 1.0 / 60.0;
// What the screen's backing store holds; a paint ends up in one of these.
constexpr QImage::Format kScreenFormat = QImage::Format_RGB32;
const QColor kFillColour(0x4a, 0x7c, 0xb0);

// A skinned control and the data that composes its picture.
struct Subject {
    QWidget* control;
    TsCommonData* skin;
};

template <typename Control>
Subject Skinned(Control* control, const char* section) {
    control->SkinData().SetSkinSection(QLatin1String(section));
    return {control, &control->SkinData()};
}

struct ControlCase {
    std::string name;
    QSize size;
    std::function<Subject(QWidget* host)> make;
};

std::vector<ControlCase> ControlCases() {
    return {
        {"TsBitBtn_89x57_BUTTON",
         {89, 57},
         [](QWidget* host) { return Skinned(new TsBitBtn(QStringLiteral("顺序练习"), host), "BUTTON"); }},
        {"TsSpeedButton_129x33_TOOLBUTTON",
         {129, 33},
         [](QWidget* host) { return Skinned(new TsSpeedButton(QStringLiteral("下一题"), host), "TOOLBUTTON"); }},
        {"TsSpeedButton_99x20_WEBBUTTON",
         {99, 20},
         [](QWidget* host) { return Skinned(new TsSpeedButton(QStringLiteral("作者网站"), host), "WEBBUTTON"); }},
        {"TsPanel_689x73_TOOLBAR", {689, 73}, [](QWidget* host) { return Skinned(new TsPanel(host), "TOOLBAR"); }},
        {"TsGroupBox_689x209_TOOLBAR",
         {689, 209},
         [](QWidget* host) {
             auto* box = new TsGroupBox(QStringLiteral("模拟考试"), host);
             box->setFont(MakeFont(QStringLiteral("黑体"), 16));
             box->CaptionSkin().SetSkinSection(QStringLiteral("BUTTON_BIG"));
             return Skinned(box, "TOOLBAR");
         }},
        {"TsEdit_41x20_EDIT",
         {41, 20},
         [](QWidget* host) {
             auto* edit = new TsEdit(host);
             edit->setText(QStringLiteral("100"));
             return Skinned(edit, "EDIT");
         }},
        {"TsMemo_689x137_PANEL",
         {689, 137},
         [](QWidget* host) {
             auto* memo = new TsMemo(host);
             memo->SetText(
                 QStringLiteral("机动车驾驶人在道路上驾驶机动车时，应当随身携带哪种证件？\r\n"
                                "A、工作证\r\nB、驾驶证\r\nC、身份证\r\nD、职业资格证"));
             return Skinned(memo, "PANEL");
         }},
        {"TsStatusBar_705x19_STATUSBAR",
         {705, 19},
         [](QWidget* host) {
             auto* bar = new TsStatusBar(host);
             bar->SetPanelText(QStringLiteral("软件技术支持：Morlenta　网址：") + kMakerWebSite);
             return Skinned(bar, "STATUSBAR");
         }},
        {"TsCheckBox_150x24_CHECKBOX",
         {150, 24},
         [](QWidget* host) { return Skinned(new TsCheckBox(QStringLiteral("答题后自动下一题"), host), "CHECKBOX"); }},
        {"TsRadioButton_150x24_RADIOBUTTON",
         {150, 24},
         [](QWidget* host) {
             auto* button = new TsRadioButton(host);
             button->SetCaption(QStringLiteral("全部题目"));
             return Skinned(button, "RADIOBUTTON");
         }},
    };
}

// The skin "s" of the build, loaded by the default manager from a program folder of the run's own (the
// main window reads its settings from there too).
class SkinFixture {
public:
    SkinFixture() {
        folder_ = dir_.path() + QStringLiteral("/program/");
        QDir().mkpath(folder_);
        QFile::link(QStringLiteral(QV_BUILT_APPDIR "/s.asz"), folder_ + QStringLiteral("s.asz"));
        SetAppDirForTesting(folder_);
        manager_.SetSkinDirectory(folder_);
        manager_.SetSkinName(QStringLiteral("s"));
    }
    ~SkinFixture() { SetAppDirForTesting({}); }

    bool Ready() const { return manager_.IsDefault() && manager_.SkinData().SkinReady; }
    TsSkinManager* Manager() { return &manager_; }

private:
    QTemporaryDir dir_;
    QString folder_;
    TsSkinManager manager_;
};

SkinFixture* theSkin = nullptr;

bool Stale(QWidget* control) {
    return SkinCommandEvent::Send(control, cmdIsStaleOrFrozen, 0, theSkin->Manager()) != 0;
}

// One control alone on a shown plain window, painted into an image as the screen would take it.
class PlacedControl {
public:
    explicit PlacedControl(const ControlCase& which) : target_(which.size, kScreenFormat) {
        host_.setAutoFillBackground(true);
        host_.setGeometry(QRect(QPoint(0, 0), which.size));
        subject_ = which.make(&host_);
        subject_.control->setGeometry(QRect(QPoint(0, 0), which.size));
        host_.show();
        QCoreApplication::processEvents();
        // Shown, the window gives its control the focus, which makes a focusable one hot.
        subject_.control->clearFocus();
        QCoreApplication::processEvents();
    }

    QSize Size() const { return subject_.control->size(); }
    // The control's picture is composed, then copied.
    void Compose() {
        subject_.skin->MarkStale();
        Paint();
    }
    void Paint() { subject_.control->render(&target_); }
    // An error to report, or none when the control paints from a composed picture of its size.
    const char* Problem() {
        if (!subject_.skin->IsSkinnedNow())
            return "the control is not skinned";
        // A hot control fades, and every paint of a fade blends a picture of its own.
        if (subject_.skin->HotNow())
            return "the control is hot";
        Compose();
        if (Stale(subject_.control) || subject_.skin->CacheBitmap().size() != Size())
            return "painting did not compose the control's picture";
        return nullptr;
    }
    qint64 CacheKey() const { return subject_.skin->CacheBitmap().cacheKey(); }

private:
    QWidget host_;
    Subject subject_{};
    QImage target_;
};

// The program's main window, shown, and the skinned controls in it that compose a picture.
class MainWindowFixture {
public:
    MainWindowFixture() : target_(window_.size(), kScreenFormat) {
        window_.show();
        QCoreApplication::processEvents();
        for (QWidget* child : window_.findChildren<QWidget*>()) {
            // Popup menus are windows of their own, not painted with the window.
            if (!child->isWindow() && SkinCommandEvent::Send(child, cmdSectionIndex, 0, theSkin->Manager()) > 0) {
                composed_ << child;
                area_ += qint64(child->width()) * child->height();
            }
        }
    }

    void Compose() {
        for (QWidget* control : composed_)
            SkinCommandEvent::Send(control, cmdMarkStale, 0, theSkin->Manager());
        Paint();
    }
    void Paint() { window_.render(&target_); }
    const char* Problem() {
        if (composed_.isEmpty())
            return "the main window has no skinned control";
        Compose();
        for (QWidget* control : composed_) {
            if (Stale(control))
                return "painting the window left a control stale";
        }
        return nullptr;
    }

    QSize Size() const { return window_.size(); }
    qsizetype Controls() const { return composed_.size(); }
    // The pixels of all composed pictures together.
    qint64 Area() const { return area_; }

private:
    TfrmMain window_;
    QImage target_;
    QList<QWidget*> composed_;
    qint64 area_ = 0;
};

MainWindowFixture* theWindow = nullptr;

// What a paint of that size cannot do with less: every pixel written once.
void FillPixels(benchmark::State& state, QSize size) {
    QImage image(size, QImage::Format_RGB888);
    for (auto _ : state) {
        image.fill(kFillColour);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.SetLabel(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
}

// One copy of a composed picture to the screen's format, as an ordinary repaint should cost.
void DrawImageOnce(benchmark::State& state, QSize size) {
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(kFillColour);
    QImage target(size, kScreenFormat);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawImage(0, 0, picture);
    }
    benchmark::DoNotOptimize(target.constBits());
}

void ComposeControl(benchmark::State& state, const ControlCase& which) {
    PlacedControl placed(which);
    if (const char* problem = placed.Problem()) {
        state.SkipWithError(problem);
        return;
    }
    for (auto _ : state)
        placed.Compose();
}

void RepaintControl(benchmark::State& state, const ControlCase& which) {
    PlacedControl placed(which);
    if (const char* problem = placed.Problem()) {
        state.SkipWithError(problem);
        return;
    }
    const qint64 composed = placed.CacheKey();
    for (auto _ : state)
        placed.Paint();
    if (placed.CacheKey() != composed)
        state.SkipWithError("a repaint composed the picture anew");
}

void ComposeMainWindow(benchmark::State& state) {
    if (const char* problem = theWindow->Problem()) {
        state.SkipWithError(problem);
        return;
    }
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state)
        theWindow->Compose();
    // The wall time of one compose as a share of a frame.
    state.counters["frames"] = double(clock.nsecsElapsed()) / 1e9 / double(state.iterations()) / kFrameSeconds;
    state.counters["controls"] = double(theWindow->Controls());
}

void RepaintMainWindow(benchmark::State& state) {
    theWindow->Compose();
    for (auto _ : state)
        theWindow->Paint();
}

// The effect label's shadow: the silhouette of a line of text the size of the centre's name.
constexpr QSize kEffectLabel(300, 30);
constexpr int kBlurPasses = 4;

void BlurEffectLabel(benchmark::State& state) {
    QImage silhouette(kEffectLabel, QImage::Format_RGB32);
    silhouette.fill(Qt::black);
    {
        QPainter painter(&silhouette);
        painter.setFont(MakeFont(QStringLiteral("黑体"), 19));
        painter.setPen(Qt::white);
        painter.drawText(silhouette.rect().adjusted(1, 1, 0, 0), Qt::AlignCenter,
                         QStringLiteral("驾驶员培训中心欢迎您报名学车"));
    }
    GlowMap map;
    for (auto _ : state) {
        map.Blur(silhouette, kBlurPasses);
        benchmark::DoNotOptimize(map.At(kEffectLabel.width() / 2, kEffectLabel.height() / 2));
    }
}

void RegisterAll() {
    using benchmark::RegisterBenchmark;
    // Qt converts large pictures on its pool threads: the CPU time is the whole process's.
    const auto micro = [](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
    };
    micro(RegisterBenchmark("Compose/MainWindow", ComposeMainWindow));
    micro(RegisterBenchmark("Fill/MainWindow", [](benchmark::State& state) {
        // The composed pictures' pixels as rows of the window's width.
        const int width = theWindow->Size().width();
        FillPixels(state, {width, int((theWindow->Area() + width - 1) / width)});
    }));
    micro(RegisterBenchmark("Repaint/MainWindow", RepaintMainWindow));
    micro(RegisterBenchmark("DrawImage/MainWindow",
                            [](benchmark::State& state) { DrawImageOnce(state, theWindow->Size()); }));
    for (const ControlCase& which : ControlCases()) {
        micro(RegisterBenchmark(("Compose/" + which.name).c_str(), ComposeControl, which));
        micro(RegisterBenchmark(("Fill/" + which.name).c_str(), FillPixels, which.size));
        micro(RegisterBenchmark(("Repaint/" + which.name).c_str(), RepaintControl, which));
        micro(RegisterBenchmark(("DrawImage/" + which.name).c_str(), DrawImageOnce, which.size));
    }
    micro(RegisterBenchmark("Blur/EffectLabel_300x30", BlurEffectLabel));
    micro(RegisterBenchmark("Fill/EffectLabel_300x30", FillPixels, kEffectLabel));
}

// Prints, after the usual table, each measurement over its baseline: composing and blurring over a fill
// of the same pixels, a repaint over one copy of a picture of the control's size.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        // With repetitions, their median stands for the benchmark: it comes after the single runs.
        for (const Run& run : runs) {
            if (!run.error_occurred && (run.run_type == Run::RT_Iteration || run.aggregate_name == "median"))
                times_[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nRatios of process CPU time (of real time in brackets):\n%-34s %22s %22s\n", "", "compose / fill",
                    "repaint / drawImage");
        for (const auto& [name, time] : times_) {
            const std::string::size_type slash = name.find('/');
            const std::string kind = name.substr(0, slash);
            if (kind != "Compose" && kind != "Blur")
                continue;
            const std::string subject = name.substr(slash + 1);
            std::printf("%-34s %22s %22s\n", subject.c_str(), Ratio(name, "Fill/" + subject).c_str(),
                        Ratio("Repaint/" + subject, "DrawImage/" + subject).c_str());
        }
        const auto window = times_.find("Compose/MainWindow");
        if (window != times_.end()) {
            const double cpu = window->second.second / 1e6;
            const double real = window->second.first / 1e6;
            std::printf(
                "\nmain window composed anew: %.2f ms CPU = %.3f of a 60 Hz frame (16.7 ms); real %.2f ms = %.3f\n",
                cpu * 1e3, cpu / kFrameSeconds, real * 1e3, real / kFrameSeconds);
            std::printf("(%lld skinned controls, %lld pixels composed; the window is %dx%d)\n",
                        static_cast<long long>(theWindow->Controls()), static_cast<long long>(theWindow->Area()),
                        theWindow->Size().width(), theWindow->Size().height());
        }
    }

private:
    std::string Ratio(const std::string& measured, const std::string& baseline) const {
        const auto m = times_.find(measured);
        const auto b = times_.find(baseline);
        if (m == times_.end() || b == times_.end())
            return "-";
        char text[64];
        std::snprintf(text, sizeof text, "%.1f (%.1f)", m->second.second / b->second.second,
                      m->second.first / b->second.first);
        return text;
    }

    std::map<std::string, std::pair<double, double>> times_;  // real, CPU, in microseconds
};

}  // namespace

int main(int argc, char** argv) {
    // The program's own font set-up, so that text costs what it costs in the program.
    const QString fonts = QStringLiteral(QV_BUILT_APPDIR "/fonts.conf");
    if (!qEnvironmentVariableIsSet("FONTCONFIG_FILE") && QFile::exists(fonts))
        qputenv("FONTCONFIG_FILE", QFile::encodeName(fonts));
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(MakeFont(QStringLiteral("宋体"), 12));
    benchmark::Initialize(&argc, argv);

    SkinFixture skin;
    if (!skin.Ready()) {
        std::fprintf(stderr, "the skin %s/s.asz did not load: build the target skin_files first\n", QV_BUILT_APPDIR);
        return 1;
    }
    theSkin = &skin;
    // The pointer rests in a corner of the screen, away from every window, so that no control is hot.
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
    MainWindowFixture window;
    theWindow = &window;

    RegisterAll();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

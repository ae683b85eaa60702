#include "skin/controls/Fader.h"

#include <QWidget>
#include <algorithm>

#include "skin/raster/Pixels.h"

Fader::Fader(QWidget* host) : host_(host) {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &Fader::Tick);
}

void Fader::Start(const QImage& from, int iterations) {
    from_ = from;
    iterations_ = std::max(1, iterations);
    level_ = 0;
    timer_.start();
}

void Fader::Stop() {
    timer_.stop();
    from_ = QImage();
}

int Fader::OldWeight(int level, int iterations) {
    return std::clamp(255 - level * 256 / std::max(1, iterations), 0, 255);
}

QImage Fader::Frame(const QImage& to) const {
    if (from_.size() != to.size())
        return to;
    QImage mix = to.copy();
    const int k = OldWeight(level_, iterations_);
    Pixels::Combine(mix, mix.rect(), from_,
                    [k](Pixels::Rgb now, Pixels::Rgb old) { return Pixels::MixByte(old, now, k); });
    return mix;
}

void Fader::Tick() {
    ++level_;
    if (level_ > iterations_)
        Stop();
    host_->update();
}

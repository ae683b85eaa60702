#include "skin/TacFader.h"

#include <QWidget>
#include <algorithm>

#include "skin/TacPixels.h"

TacFader::TacFader(QWidget* host) : host_(host) {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &TacFader::Tick);
}

void TacFader::Start(const QImage& from, int iterations) {
    from_ = from;
    iterations_ = std::max(1, iterations);
    level_ = 0;
    timer_.start();
}

void TacFader::Stop() {
    timer_.stop();
    from_ = QImage();
}

int TacFader::OldWeight(int level, int iterations) {
    return std::clamp(255 - level * 256 / std::max(1, iterations), 0, 255);
}

QImage TacFader::Frame(const QImage& to) const {
    if (from_.size() != to.size())
        return to;
    QImage mix = to.copy();
    const int k = OldWeight(level_, iterations_);
    TacPixels::Combine(mix, mix.rect(), from_,
                       [k](TacPixels::Rgb now, TacPixels::Rgb old) { return TacPixels::MixByte(old, now, k); });
    return mix;
}

void TacFader::Tick() {
    ++level_;
    if (level_ > iterations_)
        Stop();
    host_->update();
}

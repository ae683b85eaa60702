#pragma once

#include <QImage>
#include <QObject>
#include <QTimer>

class QWidget;

// Fades a control from the picture it showed to its newly composed one: every 10 ms the control shows a
// mix of the two that leans further towards the new picture, until the last step shows it whole.
class Fader : public QObject {
    Q_OBJECT

public:
    explicit Fader(QWidget* host);

    void Start(const QImage& from, int iterations);
    void Stop();
    bool Running() const { return timer_.isActive(); }
    // The mix of the kept picture and `to` at the current step.
    QImage Frame(const QImage& to) const;

    // How much of the old picture a step keeps, 0 to 255.
    static int OldWeight(int level, int iterations);

private:
    void Tick();

    QWidget* host_;
    QTimer timer_;
    QImage from_;
    int level_ = 0;
    int iterations_ = 1;
};

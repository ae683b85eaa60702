#pragma once

#include <QImage>

// Draws a traffic police officer facing the driver and giving one of the hand signals: the arms in the signal's
// held position, white gloves, and a red arrow wherever the arm swings. The officer's left arm is on the picture's
// right, as the driver sees it.
class HandSignalPainter {
public:
    enum class Signal {
        Stop,          // 停止信号
        GoStraight,    // 直行信号
        TurnLeft,      // 左转弯信号
        LeftTurnWait,  // 左转弯待转信号
        TurnRight,     // 右转弯信号
        ChangeLane,    // 变道信号
        SlowDown,      // 减速慢行信号
        PullOver,      // 示意车辆靠边停车信号
    };

    static QImage paint(Signal signal, int width, int height);
};

#pragma once

#include <QImage>

// Draws traffic lights against the sky: round and arrow lamps in their housings, a flashing warning lamp, the
// lane-control lamps over a carriageway and the lamps of a level crossing. Dark lamps are dimmed, lit ones glow.
class SignalPainter {
public:
    enum class Signal {
        GreenRound,       // 圆形绿灯亮
        YellowRound,      // 圆形黄灯亮
        FlashingYellow,   // 闪光警告信号灯
        RedLeftArrow,     // 左转红色箭头灯亮，圆形绿灯亮
        GreenLeftArrow,   // 左转绿色箭头灯亮，圆形红灯亮
        RedRightArrow,    // 右转红色箭头灯亮，圆形绿灯亮
        LaneControl,      // 车道信号灯：红色叉形与绿色箭头
        RailwayCrossing,  // 道口信号灯：红灯交替闪烁
        Pedestrian,       // 人行横道信号灯：红色站立人形亮
        Cycle,            // 非机动车信号灯：绿色自行车图案亮
    };

    static QImage paint(Signal signal, int width, int height);
};

#pragma once

#include <QImage>

// Draws traffic signs as the national standard colours them: warnings are yellow triangles with a black border,
// prohibitions white discs in a red ring (a red bar across when a movement is forbidden), mandatory signs blue discs
// with a white symbol. Each sign sits on white, as a printed exam picture shows it.
class SignPainter {
public:
    enum class Sign {
        WatchPedestrians,  // 注意行人
        SharpLeftCurve,    // 向左急弯路
        WatchChildren,     // 注意儿童
        NoPassage,         // 禁止通行
        NoEntry,           // 禁止驶入
        NoHorn,            // 禁止鸣喇叭
        SpeedLimit40,      // 限制速度 40
        NoLeftTurn,        // 禁止向左转弯
        Stop,              // 停车让行
        Yield,             // 减速让行
        StraightOnly,      // 直行
        KeepRight,         // 靠右侧道路行驶
        Roundabout,        // 环岛行驶
    };

    static QImage paint(Sign sign, int size);
};

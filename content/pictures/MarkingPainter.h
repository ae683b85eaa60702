#pragma once

#include <QImage>

// Draws road markings from above: the road runs up the picture, our traffic drives up it on the right-hand side,
// and the markings are white or yellow as the national standard paints them.
class MarkingPainter {
public:
    enum class Marking {
        WhiteDashed,        // 可跨越同向车道分界线
        WhiteSolid,         // 禁止跨越同向车道分界线
        WhiteSolidDashed,   // 同向车道分界虚实线（本车道一侧为虚线）
        YellowDoubleSolid,  // 双黄实线
        YellowSolidDashed,  // 黄色虚实线（本方一侧为虚线）
        YellowDashed,       // 黄色单虚线中心线
        StopLine,           // 停止线与导向箭头
        StopYieldLine,      // 停车让行线
        YieldLine,          // 减速让行线
        LeftTurnWaiting,    // 左弯待转区
        VariableLane,       // 可变导向车道
        Chevrons,           // 导流线
        YellowGrid,         // 网状线
        CrossingAhead,      // 人行横道预告标示
        BusLane,            // 公交专用车道
        CurbNoStopping,     // 黄色实线路缘：禁止停车
        CurbNoParking,      // 黄色虚线路缘：禁止长时停车
        SpeedBands,         // 车行道横向减速标线
        ReversibleLane,     // 可变车道线（潮汐车道）
        DistanceCheck,      // 车距确认线
        CycleLane,          // 非机动车道
        EmergencyLane,      // 高速公路应急车道
        UTurnArrow,         // 掉头导向箭头
    };

    static QImage paint(Marking marking, int width, int height);
};

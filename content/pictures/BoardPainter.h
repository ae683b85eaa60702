#pragma once

#include <QImage>

// Draws the oblong signs: guide boards (green on expressways, blue on ordinary roads, brown for tourist sites),
// the orange boards of road works, and main signs with the white auxiliary plate that limits them.
class BoardPainter {
public:
    enum class Board {
        ExitNotice,      // 出口预告（高速公路）
        Exit,            // 出口（高速公路）
        Distances,       // 地点距离（高速公路）
        ServiceArea,     // 服务区预告
        JunctionNotice,  // 交叉路口预告（一般道路）
        TouristArea,     // 旅游区方向
        WorksAhead,      // 前方施工
        RoadClosed,      // 道路封闭
        LeftLaneClosed,  // 左道封闭
        Detour,          // 向左改道
        TimePlate,       // 禁止停车＋时间辅助标志
        VehiclePlate,    // 限速＋车辆种类辅助标志
        DistancePlate,
        ExceptBuses,   // 禁止向左转弯＋“除公共汽车外”辅助标志
        EmergencyBay,  // 紧急停车带
        TollNotice,    // 收费站预告
        EscapeLane,    // 避险车道预告   // 注意儿童＋距离辅助标志
    };

    static QImage paint(Board board, int width, int height);
};

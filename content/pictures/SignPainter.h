#pragma once

#include <QImage>

// Draws traffic signs as the national standard colours them: warnings are yellow triangles with a black border,
// prohibitions white discs in a red ring (a red bar across when a movement is forbidden; blue inside for the
// parking bans), mandatory signs blue discs with a white symbol, and the square blue signs that tell where
// something is or who goes first. Each sign sits on white, as a printed exam picture shows it.
class SignPainter {
public:
    enum class Sign {
        // Warning signs
        WatchPedestrians,  // 注意行人
        SharpLeftCurve,    // 向左急弯路
        SharpRightCurve,   // 向右急弯路
        ReverseCurve,      // 反向弯路
        WindingRoad,       // 连续弯路
        SteepClimb,        // 上陡坡
        SteepDescent,      // 下陡坡
        NarrowsBothSides,  // 两侧变窄
        NarrowsRight,      // 右侧变窄
        Crossroads,        // 十字交叉
        TJunction,         // T形交叉
        RoundaboutAhead,   // 环形交叉
        SignalsAhead,      // 注意信号灯
        FallingRocks,      // 注意落石
        Tunnel,            // 隧道
        GuardedRailway,    // 有人看守铁道路口
        UnguardedRailway,  // 无人看守铁道路口
        Slow,              // 慢行
        Danger,            // 注意危险
        TwoWayTraffic,     // 双向交通
        WatchCycles,       // 注意非机动车
        Slippery,          // 易滑
        WatchChildren,
        NarrowsLeft,   // 左侧变窄
        Merge,         // 注意合流
        Bumpy,         // 路面不平
        HumpBridge,    // 驼峰桥
        NarrowBridge,  // 窄桥
        YJunction,     // Y形交叉
        Village,       // 村庄
        Crosswind,     // 注意儿童
        // Prohibition signs
        NoPassage,        // 禁止通行
        NoEntry,          // 禁止驶入
        NoHorn,           // 禁止鸣喇叭
        SpeedLimit40,     // 限制速度 40
        SpeedLimit60,     // 限制速度 60
        SpeedLimit80,     // 限制速度 80
        SpeedLimit120,    // 限制速度 120
        EndSpeedLimit40,  // 解除限制速度 40
        NoLeftTurn,       // 禁止向左转弯
        NoRightTurn,      // 禁止向右转弯
        NoStraight,       // 禁止直行
        NoUTurn,          // 禁止掉头
        NoParking,        // 禁止停车（临时与长时）
        NoLongParking,    // 禁止长时停车
        HeightLimit,      // 限制高度 3.5 m
        WidthLimit,       // 限制宽度 3 m
        WeightLimit,      // 限制质量 20 t
        NoTrucks,         // 禁止载货汽车驶入
        NoMotorcycles,    // 禁止摩托车驶入
        NoCycles,         // 禁止非机动车进入
        StopForCheck,
        NoPedestrians,     // 禁止行人进入
        NoLeftOrRight,     // 禁止向左向右转弯
        NoStraightOrLeft,  // 禁止直行和向左转弯
        NoOvertaking,      // 禁止超车
        EndNoOvertaking,   // 停车检查
        Stop,              // 停车让行
        Yield,             // 减速让行
        // Mandatory signs
        StraightOnly,     // 直行
        TurnLeft,         // 向左转弯
        TurnRight,        // 向右转弯
        StraightOrLeft,   // 直行和向左转弯
        StraightOrRight,  // 直行和向右转弯
        LeftOrRight,      // 向左和向右转弯
        KeepRight,        // 靠右侧道路行驶
        KeepLeft,         // 靠左侧道路行驶
        Roundabout,       // 环岛行驶
        SoundHorn,        // 鸣喇叭
        MinimumSpeed50,   // 最低限速 50
        CyclesOnly,       // 非机动车行驶
        PedestriansOnly,  // 步行
        UTurnAllowed,     // 允许掉头
        // Square and oblong blue signs
        OneWay,                // 单行路（直行）
        PedestrianCrossing,    // 人行横道
        Parking,               // 停车场
        PriorityOverOncoming,  // 会车先行
        LaneDirections,
        OneWayLeft,    // 单行路（向左）
        StraightLane,  // 直行车道
        LeftTurnLane,  // 分向行驶车道
    };

    static QImage paint(Sign sign, int size);
};

#pragma once

#include <QImage>

// Draws the warning and indicator lamps of an instrument cluster, each lit on the dark dial face in the colour it
// shows in the car: red for a fault that stops the journey, amber for one to have seen to, green for a light that
// is on, blue for main beam.
class DashboardPainter {
public:
    enum class Lamp {
        OilPressure,     // 机油压力警告灯
        Charging,        // 充电指示灯
        CoolantTemp,     // 冷却液温度警告灯
        BrakeSystem,     // 制动系统警告灯
        Abs,             // 防抱死制动系统故障灯
        ParkingBrake,    // 驻车制动指示灯
        Airbag,          // 安全气囊故障灯
        SeatBelt,        // 安全带未系提示灯
        LowFuel,         // 燃油不足警告灯
        DoorOpen,        // 车门未关指示灯
        MainBeam,        // 远光指示灯
        DippedBeam,      // 近光指示灯
        FrontFog,        // 前雾灯指示灯
        RearFog,         // 后雾灯指示灯
        EngineFault,     // 发动机故障灯
        HazardFlashers,  // 转向指示灯（两侧同时闪烁）
        TyrePressure,    // 轮胎气压警告灯
        PositionLamps,   // 示廓灯指示灯
        BonnetOpen,      // 发动机舱盖未关指示灯
        BootOpen,        // 行李箱盖未关指示灯
        WasherFluid,     // 风窗洗涤液不足指示灯
        Stability,       // 车身电子稳定系统指示灯
        SteeringFault,   // 转向助力故障灯
        GlowPlug,        // 柴油机预热指示灯
        CoolantCold,     // 冷却液温度低指示灯
        Cruise,          // 定速巡航指示灯
    };

    static QImage paint(Lamp lamp, int size);
};

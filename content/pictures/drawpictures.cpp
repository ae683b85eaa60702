// Draws the question pictures at build time: drawpictures OUTDIR
// The file names are the ones the question banks name after "图片:".

#include <algorithm>
#include <functional>

#include "DrawingTool.h"

#include "BoardPainter.h"
#include "DashboardPainter.h"
#include "HandSignalPainter.h"
#include "MarkingPainter.h"
#include "ScenePainter.h"
#include "SignPainter.h"
#include "SignalPainter.h"

namespace {

constexpr int kSignSize = 150;
constexpr int kWideWidth = 300;  // boards, markings, signals and scenes
constexpr int kWideHeight = 170;

struct Picture {
    const char* fileName;  // the extension chooses the format
    std::function<QImage()> paint;
};

// A square picture (signs, instrument lamps) or a wide one (boards, markings, signals, hand signals, scenes),
// drawn by `Painter` when the table is written out.
template <typename Painter, typename Kind>
std::function<QImage()> Square(Kind kind) {
    return [kind] { return Painter::paint(kind, kSignSize); };
}

template <typename Painter, typename Kind>
std::function<QImage()> Wide(Kind kind) {
    return [kind] { return Painter::paint(kind, kWideWidth, kWideHeight); };
}

const Picture kPictures[] = {
    {"sign-pedestrians.png", Square<SignPainter>(SignPainter::Sign::WatchPedestrians)},
    {"sign-sharp-left.jpg", Square<SignPainter>(SignPainter::Sign::SharpLeftCurve)},
    {"sign-sharp-right.png", Square<SignPainter>(SignPainter::Sign::SharpRightCurve)},
    {"sign-reverse-curve.png", Square<SignPainter>(SignPainter::Sign::ReverseCurve)},
    {"sign-winding-road.png", Square<SignPainter>(SignPainter::Sign::WindingRoad)},
    {"sign-steep-climb.png", Square<SignPainter>(SignPainter::Sign::SteepClimb)},
    {"sign-steep-descent.png", Square<SignPainter>(SignPainter::Sign::SteepDescent)},
    {"sign-narrows-both.png", Square<SignPainter>(SignPainter::Sign::NarrowsBothSides)},
    {"sign-narrows-right.png", Square<SignPainter>(SignPainter::Sign::NarrowsRight)},
    {"sign-crossroads.png", Square<SignPainter>(SignPainter::Sign::Crossroads)},
    {"sign-t-junction.png", Square<SignPainter>(SignPainter::Sign::TJunction)},
    {"sign-roundabout-ahead.png", Square<SignPainter>(SignPainter::Sign::RoundaboutAhead)},
    {"sign-signals-ahead.png", Square<SignPainter>(SignPainter::Sign::SignalsAhead)},
    {"sign-falling-rocks.png", Square<SignPainter>(SignPainter::Sign::FallingRocks)},
    {"sign-tunnel.png", Square<SignPainter>(SignPainter::Sign::Tunnel)},
    {"sign-guarded-railway.png", Square<SignPainter>(SignPainter::Sign::GuardedRailway)},
    {"sign-unguarded-railway.png", Square<SignPainter>(SignPainter::Sign::UnguardedRailway)},
    {"sign-slow.png", Square<SignPainter>(SignPainter::Sign::Slow)},
    {"sign-danger.png", Square<SignPainter>(SignPainter::Sign::Danger)},
    {"sign-two-way.png", Square<SignPainter>(SignPainter::Sign::TwoWayTraffic)},
    {"sign-cycles-ahead.png", Square<SignPainter>(SignPainter::Sign::WatchCycles)},
    {"sign-slippery.png", Square<SignPainter>(SignPainter::Sign::Slippery)},
    {"sign-children.png", Square<SignPainter>(SignPainter::Sign::WatchChildren)},
    {"sign-no-passage.png", Square<SignPainter>(SignPainter::Sign::NoPassage)},
    {"sign-no-entry.jpg", Square<SignPainter>(SignPainter::Sign::NoEntry)},
    {"sign-no-horn.jpg", Square<SignPainter>(SignPainter::Sign::NoHorn)},
    {"sign-speed-40.png", Square<SignPainter>(SignPainter::Sign::SpeedLimit40)},
    {"sign-speed-60.png", Square<SignPainter>(SignPainter::Sign::SpeedLimit60)},
    {"sign-speed-80.png", Square<SignPainter>(SignPainter::Sign::SpeedLimit80)},
    {"sign-speed-120.png", Square<SignPainter>(SignPainter::Sign::SpeedLimit120)},
    {"sign-end-speed-40.png", Square<SignPainter>(SignPainter::Sign::EndSpeedLimit40)},
    {"sign-no-left-turn.png", Square<SignPainter>(SignPainter::Sign::NoLeftTurn)},
    {"sign-no-right-turn.png", Square<SignPainter>(SignPainter::Sign::NoRightTurn)},
    {"sign-no-straight.png", Square<SignPainter>(SignPainter::Sign::NoStraight)},
    {"sign-no-u-turn.png", Square<SignPainter>(SignPainter::Sign::NoUTurn)},
    {"sign-no-parking.png", Square<SignPainter>(SignPainter::Sign::NoParking)},
    {"sign-no-long-parking.png", Square<SignPainter>(SignPainter::Sign::NoLongParking)},
    {"sign-height-limit.png", Square<SignPainter>(SignPainter::Sign::HeightLimit)},
    {"sign-width-limit.png", Square<SignPainter>(SignPainter::Sign::WidthLimit)},
    {"sign-weight-limit.png", Square<SignPainter>(SignPainter::Sign::WeightLimit)},
    {"sign-no-trucks.png", Square<SignPainter>(SignPainter::Sign::NoTrucks)},
    {"sign-no-motorcycles.png", Square<SignPainter>(SignPainter::Sign::NoMotorcycles)},
    {"sign-no-cycles.png", Square<SignPainter>(SignPainter::Sign::NoCycles)},
    {"sign-stop-check.png", Square<SignPainter>(SignPainter::Sign::StopForCheck)},
    {"sign-stop.png", Square<SignPainter>(SignPainter::Sign::Stop)},
    {"sign-yield.bmp", Square<SignPainter>(SignPainter::Sign::Yield)},
    {"sign-straight.png", Square<SignPainter>(SignPainter::Sign::StraightOnly)},
    {"sign-turn-left.png", Square<SignPainter>(SignPainter::Sign::TurnLeft)},
    {"sign-turn-right.png", Square<SignPainter>(SignPainter::Sign::TurnRight)},
    {"sign-straight-or-left.png", Square<SignPainter>(SignPainter::Sign::StraightOrLeft)},
    {"sign-straight-or-right.png", Square<SignPainter>(SignPainter::Sign::StraightOrRight)},
    {"sign-left-or-right.png", Square<SignPainter>(SignPainter::Sign::LeftOrRight)},
    {"sign-keep-right.jpg", Square<SignPainter>(SignPainter::Sign::KeepRight)},
    {"sign-keep-left.png", Square<SignPainter>(SignPainter::Sign::KeepLeft)},
    {"sign-roundabout.png", Square<SignPainter>(SignPainter::Sign::Roundabout)},
    {"sign-sound-horn.png", Square<SignPainter>(SignPainter::Sign::SoundHorn)},
    {"sign-min-speed-50.png", Square<SignPainter>(SignPainter::Sign::MinimumSpeed50)},
    {"sign-cycles-only.png", Square<SignPainter>(SignPainter::Sign::CyclesOnly)},
    {"sign-pedestrians-only.png", Square<SignPainter>(SignPainter::Sign::PedestriansOnly)},
    {"sign-u-turn-allowed.png", Square<SignPainter>(SignPainter::Sign::UTurnAllowed)},
    {"sign-one-way.png", Square<SignPainter>(SignPainter::Sign::OneWay)},
    {"sign-crossing.png", Square<SignPainter>(SignPainter::Sign::PedestrianCrossing)},
    {"sign-parking.png", Square<SignPainter>(SignPainter::Sign::Parking)},
    {"sign-priority-oncoming.png", Square<SignPainter>(SignPainter::Sign::PriorityOverOncoming)},
    {"sign-lane-directions.png", Square<SignPainter>(SignPainter::Sign::LaneDirections)},
    {"sign-narrows-left.png", Square<SignPainter>(SignPainter::Sign::NarrowsLeft)},
    {"sign-merge.png", Square<SignPainter>(SignPainter::Sign::Merge)},
    {"sign-bumpy.png", Square<SignPainter>(SignPainter::Sign::Bumpy)},
    {"sign-hump-bridge.png", Square<SignPainter>(SignPainter::Sign::HumpBridge)},
    {"sign-narrow-bridge.png", Square<SignPainter>(SignPainter::Sign::NarrowBridge)},
    {"sign-y-junction.png", Square<SignPainter>(SignPainter::Sign::YJunction)},
    {"sign-village.png", Square<SignPainter>(SignPainter::Sign::Village)},
    {"sign-crosswind.png", Square<SignPainter>(SignPainter::Sign::Crosswind)},
    {"sign-no-pedestrians.png", Square<SignPainter>(SignPainter::Sign::NoPedestrians)},
    {"sign-no-left-or-right.png", Square<SignPainter>(SignPainter::Sign::NoLeftOrRight)},
    {"sign-no-straight-or-left.png", Square<SignPainter>(SignPainter::Sign::NoStraightOrLeft)},
    {"sign-no-overtaking.png", Square<SignPainter>(SignPainter::Sign::NoOvertaking)},
    {"sign-end-no-overtaking.png", Square<SignPainter>(SignPainter::Sign::EndNoOvertaking)},
    {"sign-one-way-left.png", Square<SignPainter>(SignPainter::Sign::OneWayLeft)},
    {"sign-straight-lane.png", Square<SignPainter>(SignPainter::Sign::StraightLane)},
    {"sign-left-turn-lane.png", Square<SignPainter>(SignPainter::Sign::LeftTurnLane)},
    {"board-exit-notice.png", Wide<BoardPainter>(BoardPainter::Board::ExitNotice)},
    {"board-exit.png", Wide<BoardPainter>(BoardPainter::Board::Exit)},
    {"board-distances.png", Wide<BoardPainter>(BoardPainter::Board::Distances)},
    {"board-service-area.png", Wide<BoardPainter>(BoardPainter::Board::ServiceArea)},
    {"board-junction-notice.png", Wide<BoardPainter>(BoardPainter::Board::JunctionNotice)},
    {"board-tourist-area.png", Wide<BoardPainter>(BoardPainter::Board::TouristArea)},
    {"board-works-ahead.png", Wide<BoardPainter>(BoardPainter::Board::WorksAhead)},
    {"board-road-closed.png", Wide<BoardPainter>(BoardPainter::Board::RoadClosed)},
    {"board-left-lane-closed.png", Wide<BoardPainter>(BoardPainter::Board::LeftLaneClosed)},
    {"board-detour.png", Wide<BoardPainter>(BoardPainter::Board::Detour)},
    {"board-time-plate.png", Wide<BoardPainter>(BoardPainter::Board::TimePlate)},
    {"board-vehicle-plate.png", Wide<BoardPainter>(BoardPainter::Board::VehiclePlate)},
    {"board-distance-plate.png", Wide<BoardPainter>(BoardPainter::Board::DistancePlate)},
    {"board-except-buses.png", Wide<BoardPainter>(BoardPainter::Board::ExceptBuses)},
    {"board-emergency-bay.png", Wide<BoardPainter>(BoardPainter::Board::EmergencyBay)},
    {"board-toll-notice.png", Wide<BoardPainter>(BoardPainter::Board::TollNotice)},
    {"board-escape-lane.png", Wide<BoardPainter>(BoardPainter::Board::EscapeLane)},
    {"marking-white-dashed.png", Wide<MarkingPainter>(MarkingPainter::Marking::WhiteDashed)},
    {"marking-white-solid.png", Wide<MarkingPainter>(MarkingPainter::Marking::WhiteSolid)},
    {"marking-white-solid-dashed.png", Wide<MarkingPainter>(MarkingPainter::Marking::WhiteSolidDashed)},
    {"marking-double-yellow.png", Wide<MarkingPainter>(MarkingPainter::Marking::YellowDoubleSolid)},
    {"marking-yellow-solid-dashed.png", Wide<MarkingPainter>(MarkingPainter::Marking::YellowSolidDashed)},
    {"marking-yellow-dashed.png", Wide<MarkingPainter>(MarkingPainter::Marking::YellowDashed)},
    {"marking-stop-line.png", Wide<MarkingPainter>(MarkingPainter::Marking::StopLine)},
    {"marking-stop-yield-line.png", Wide<MarkingPainter>(MarkingPainter::Marking::StopYieldLine)},
    {"marking-yield-line.png", Wide<MarkingPainter>(MarkingPainter::Marking::YieldLine)},
    {"marking-left-turn-waiting.png", Wide<MarkingPainter>(MarkingPainter::Marking::LeftTurnWaiting)},
    {"marking-variable-lane.png", Wide<MarkingPainter>(MarkingPainter::Marking::VariableLane)},
    {"marking-chevrons.png", Wide<MarkingPainter>(MarkingPainter::Marking::Chevrons)},
    {"marking-yellow-grid.png", Wide<MarkingPainter>(MarkingPainter::Marking::YellowGrid)},
    {"marking-crossing-ahead.png", Wide<MarkingPainter>(MarkingPainter::Marking::CrossingAhead)},
    {"marking-bus-lane.png", Wide<MarkingPainter>(MarkingPainter::Marking::BusLane)},
    {"marking-curb-no-stopping.png", Wide<MarkingPainter>(MarkingPainter::Marking::CurbNoStopping)},
    {"marking-curb-no-parking.png", Wide<MarkingPainter>(MarkingPainter::Marking::CurbNoParking)},
    {"marking-speed-bands.png", Wide<MarkingPainter>(MarkingPainter::Marking::SpeedBands)},
    {"marking-reversible-lane.png", Wide<MarkingPainter>(MarkingPainter::Marking::ReversibleLane)},
    {"marking-distance-check.png", Wide<MarkingPainter>(MarkingPainter::Marking::DistanceCheck)},
    {"marking-cycle-lane.png", Wide<MarkingPainter>(MarkingPainter::Marking::CycleLane)},
    {"marking-emergency-lane.png", Wide<MarkingPainter>(MarkingPainter::Marking::EmergencyLane)},
    {"marking-u-turn-arrow.png", Wide<MarkingPainter>(MarkingPainter::Marking::UTurnArrow)},
    {"signal-green.png", Wide<SignalPainter>(SignalPainter::Signal::GreenRound)},
    {"signal-yellow.png", Wide<SignalPainter>(SignalPainter::Signal::YellowRound)},
    {"signal-flashing-yellow.png", Wide<SignalPainter>(SignalPainter::Signal::FlashingYellow)},
    {"signal-red-left-arrow.png", Wide<SignalPainter>(SignalPainter::Signal::RedLeftArrow)},
    {"signal-green-left-arrow.png", Wide<SignalPainter>(SignalPainter::Signal::GreenLeftArrow)},
    {"signal-red-right-arrow.png", Wide<SignalPainter>(SignalPainter::Signal::RedRightArrow)},
    {"signal-lane-control.png", Wide<SignalPainter>(SignalPainter::Signal::LaneControl)},
    {"signal-railway.png", Wide<SignalPainter>(SignalPainter::Signal::RailwayCrossing)},
    {"signal-pedestrian.png", Wide<SignalPainter>(SignalPainter::Signal::Pedestrian)},
    {"signal-cycle.png", Wide<SignalPainter>(SignalPainter::Signal::Cycle)},
    {"scene-red-light.jpg", Wide<ScenePainter>(ScenePainter::Scene::CrossroadsRedLight)},
    {"scene-zebra.jpg", Wide<ScenePainter>(ScenePainter::Scene::ZebraCrossing)},
    {"scene-expressway.jpg", Wide<ScenePainter>(ScenePainter::Scene::Expressway)},
    {"scene-railway.png", Wide<ScenePainter>(ScenePainter::Scene::RailwayCrossing)},
    {"lamp-oil-pressure.png", Square<DashboardPainter>(DashboardPainter::Lamp::OilPressure)},
    {"lamp-charging.png", Square<DashboardPainter>(DashboardPainter::Lamp::Charging)},
    {"lamp-coolant-temp.png", Square<DashboardPainter>(DashboardPainter::Lamp::CoolantTemp)},
    {"lamp-brake.png", Square<DashboardPainter>(DashboardPainter::Lamp::BrakeSystem)},
    {"lamp-abs.png", Square<DashboardPainter>(DashboardPainter::Lamp::Abs)},
    {"lamp-parking-brake.png", Square<DashboardPainter>(DashboardPainter::Lamp::ParkingBrake)},
    {"lamp-airbag.png", Square<DashboardPainter>(DashboardPainter::Lamp::Airbag)},
    {"lamp-seat-belt.png", Square<DashboardPainter>(DashboardPainter::Lamp::SeatBelt)},
    {"lamp-low-fuel.png", Square<DashboardPainter>(DashboardPainter::Lamp::LowFuel)},
    {"lamp-door-open.png", Square<DashboardPainter>(DashboardPainter::Lamp::DoorOpen)},
    {"lamp-main-beam.png", Square<DashboardPainter>(DashboardPainter::Lamp::MainBeam)},
    {"lamp-dipped-beam.png", Square<DashboardPainter>(DashboardPainter::Lamp::DippedBeam)},
    {"lamp-front-fog.png", Square<DashboardPainter>(DashboardPainter::Lamp::FrontFog)},
    {"lamp-rear-fog.png", Square<DashboardPainter>(DashboardPainter::Lamp::RearFog)},
    {"lamp-engine.png", Square<DashboardPainter>(DashboardPainter::Lamp::EngineFault)},
    {"lamp-hazard.png", Square<DashboardPainter>(DashboardPainter::Lamp::HazardFlashers)},
    {"lamp-tyre-pressure.png", Square<DashboardPainter>(DashboardPainter::Lamp::TyrePressure)},
    {"lamp-position.png", Square<DashboardPainter>(DashboardPainter::Lamp::PositionLamps)},
    {"lamp-bonnet-open.png", Square<DashboardPainter>(DashboardPainter::Lamp::BonnetOpen)},
    {"lamp-boot-open.png", Square<DashboardPainter>(DashboardPainter::Lamp::BootOpen)},
    {"lamp-washer-fluid.png", Square<DashboardPainter>(DashboardPainter::Lamp::WasherFluid)},
    {"lamp-stability.png", Square<DashboardPainter>(DashboardPainter::Lamp::Stability)},
    {"lamp-steering.png", Square<DashboardPainter>(DashboardPainter::Lamp::SteeringFault)},
    {"lamp-glow-plug.png", Square<DashboardPainter>(DashboardPainter::Lamp::GlowPlug)},
    {"lamp-coolant-cold.png", Square<DashboardPainter>(DashboardPainter::Lamp::CoolantCold)},
    {"lamp-cruise.png", Square<DashboardPainter>(DashboardPainter::Lamp::Cruise)},
    {"police-stop.png", Wide<HandSignalPainter>(HandSignalPainter::Signal::Stop)},
    {"police-straight.png", Wide<HandSignalPainter>(HandSignalPainter::Signal::GoStraight)},
    {"police-left-turn.png", Wide<HandSignalPainter>(HandSignalPainter::Signal::TurnLeft)},
    {"police-left-turn-wait.png", Wide<HandSignalPainter>(HandSignalPainter::Signal::LeftTurnWait)},
    {"police-right-turn.png", Wide<HandSignalPainter>(HandSignalPainter::Signal::TurnRight)},
    {"police-change-lane.png", Wide<HandSignalPainter>(HandSignalPainter::Signal::ChangeLane)},
    {"police-slow-down.png", Wide<HandSignalPainter>(HandSignalPainter::Signal::SlowDown)},
    {"police-pull-over.png", Wide<HandSignalPainter>(HandSignalPainter::Signal::PullOver)},
};

}  // namespace

int main(int argc, char* argv[]) {
    return DrawingTool::Run(argc, argv, "drawpictures", [](const DrawingTool::Save& save) {
        // JPEG at a quality where the sharp sign edges do not ring.
        return std::all_of(std::begin(kPictures), std::end(kPictures), [&save](const Picture& picture) {
            return save(picture.paint(), QString::fromUtf8(picture.fileName), nullptr, 92);
        });
    });
}

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

std::function<QImage()> SignImage(SignPainter::Sign sign) {
    return [sign] { return SignPainter::paint(sign, kSignSize); };
}

std::function<QImage()> LampImage(DashboardPainter::Lamp lamp) {
    return [lamp] { return DashboardPainter::paint(lamp, kSignSize); };
}

std::function<QImage()> BoardImage(BoardPainter::Board board) {
    return [board] { return BoardPainter::paint(board, kWideWidth, kWideHeight); };
}

std::function<QImage()> MarkingImage(MarkingPainter::Marking marking) {
    return [marking] { return MarkingPainter::paint(marking, kWideWidth, kWideHeight); };
}

std::function<QImage()> SignalImage(SignalPainter::Signal signal) {
    return [signal] { return SignalPainter::paint(signal, kWideWidth, kWideHeight); };
}

std::function<QImage()> PoliceImage(HandSignalPainter::Signal signal) {
    return [signal] { return HandSignalPainter::paint(signal, kWideWidth, kWideHeight); };
}

std::function<QImage()> SceneImage(ScenePainter::Scene scene) {
    return [scene] { return ScenePainter::paint(scene, kWideWidth, kWideHeight); };
}

const Picture kPictures[] = {
    {"sign-pedestrians.png", SignImage(SignPainter::Sign::WatchPedestrians)},
    {"sign-sharp-left.jpg", SignImage(SignPainter::Sign::SharpLeftCurve)},
    {"sign-sharp-right.png", SignImage(SignPainter::Sign::SharpRightCurve)},
    {"sign-reverse-curve.png", SignImage(SignPainter::Sign::ReverseCurve)},
    {"sign-winding-road.png", SignImage(SignPainter::Sign::WindingRoad)},
    {"sign-steep-climb.png", SignImage(SignPainter::Sign::SteepClimb)},
    {"sign-steep-descent.png", SignImage(SignPainter::Sign::SteepDescent)},
    {"sign-narrows-both.png", SignImage(SignPainter::Sign::NarrowsBothSides)},
    {"sign-narrows-right.png", SignImage(SignPainter::Sign::NarrowsRight)},
    {"sign-crossroads.png", SignImage(SignPainter::Sign::Crossroads)},
    {"sign-t-junction.png", SignImage(SignPainter::Sign::TJunction)},
    {"sign-roundabout-ahead.png", SignImage(SignPainter::Sign::RoundaboutAhead)},
    {"sign-signals-ahead.png", SignImage(SignPainter::Sign::SignalsAhead)},
    {"sign-falling-rocks.png", SignImage(SignPainter::Sign::FallingRocks)},
    {"sign-tunnel.png", SignImage(SignPainter::Sign::Tunnel)},
    {"sign-guarded-railway.png", SignImage(SignPainter::Sign::GuardedRailway)},
    {"sign-unguarded-railway.png", SignImage(SignPainter::Sign::UnguardedRailway)},
    {"sign-slow.png", SignImage(SignPainter::Sign::Slow)},
    {"sign-danger.png", SignImage(SignPainter::Sign::Danger)},
    {"sign-two-way.png", SignImage(SignPainter::Sign::TwoWayTraffic)},
    {"sign-cycles-ahead.png", SignImage(SignPainter::Sign::WatchCycles)},
    {"sign-slippery.png", SignImage(SignPainter::Sign::Slippery)},
    {"sign-children.png", SignImage(SignPainter::Sign::WatchChildren)},
    {"sign-no-passage.png", SignImage(SignPainter::Sign::NoPassage)},
    {"sign-no-entry.jpg", SignImage(SignPainter::Sign::NoEntry)},
    {"sign-no-horn.jpg", SignImage(SignPainter::Sign::NoHorn)},
    {"sign-speed-40.png", SignImage(SignPainter::Sign::SpeedLimit40)},
    {"sign-speed-60.png", SignImage(SignPainter::Sign::SpeedLimit60)},
    {"sign-speed-80.png", SignImage(SignPainter::Sign::SpeedLimit80)},
    {"sign-speed-120.png", SignImage(SignPainter::Sign::SpeedLimit120)},
    {"sign-end-speed-40.png", SignImage(SignPainter::Sign::EndSpeedLimit40)},
    {"sign-no-left-turn.png", SignImage(SignPainter::Sign::NoLeftTurn)},
    {"sign-no-right-turn.png", SignImage(SignPainter::Sign::NoRightTurn)},
    {"sign-no-straight.png", SignImage(SignPainter::Sign::NoStraight)},
    {"sign-no-u-turn.png", SignImage(SignPainter::Sign::NoUTurn)},
    {"sign-no-parking.png", SignImage(SignPainter::Sign::NoParking)},
    {"sign-no-long-parking.png", SignImage(SignPainter::Sign::NoLongParking)},
    {"sign-height-limit.png", SignImage(SignPainter::Sign::HeightLimit)},
    {"sign-width-limit.png", SignImage(SignPainter::Sign::WidthLimit)},
    {"sign-weight-limit.png", SignImage(SignPainter::Sign::WeightLimit)},
    {"sign-no-trucks.png", SignImage(SignPainter::Sign::NoTrucks)},
    {"sign-no-motorcycles.png", SignImage(SignPainter::Sign::NoMotorcycles)},
    {"sign-no-cycles.png", SignImage(SignPainter::Sign::NoCycles)},
    {"sign-stop-check.png", SignImage(SignPainter::Sign::StopForCheck)},
    {"sign-stop.png", SignImage(SignPainter::Sign::Stop)},
    {"sign-yield.bmp", SignImage(SignPainter::Sign::Yield)},
    {"sign-straight.png", SignImage(SignPainter::Sign::StraightOnly)},
    {"sign-turn-left.png", SignImage(SignPainter::Sign::TurnLeft)},
    {"sign-turn-right.png", SignImage(SignPainter::Sign::TurnRight)},
    {"sign-straight-or-left.png", SignImage(SignPainter::Sign::StraightOrLeft)},
    {"sign-straight-or-right.png", SignImage(SignPainter::Sign::StraightOrRight)},
    {"sign-left-or-right.png", SignImage(SignPainter::Sign::LeftOrRight)},
    {"sign-keep-right.jpg", SignImage(SignPainter::Sign::KeepRight)},
    {"sign-keep-left.png", SignImage(SignPainter::Sign::KeepLeft)},
    {"sign-roundabout.png", SignImage(SignPainter::Sign::Roundabout)},
    {"sign-sound-horn.png", SignImage(SignPainter::Sign::SoundHorn)},
    {"sign-min-speed-50.png", SignImage(SignPainter::Sign::MinimumSpeed50)},
    {"sign-cycles-only.png", SignImage(SignPainter::Sign::CyclesOnly)},
    {"sign-pedestrians-only.png", SignImage(SignPainter::Sign::PedestriansOnly)},
    {"sign-u-turn-allowed.png", SignImage(SignPainter::Sign::UTurnAllowed)},
    {"sign-one-way.png", SignImage(SignPainter::Sign::OneWay)},
    {"sign-crossing.png", SignImage(SignPainter::Sign::PedestrianCrossing)},
    {"sign-parking.png", SignImage(SignPainter::Sign::Parking)},
    {"sign-priority-oncoming.png", SignImage(SignPainter::Sign::PriorityOverOncoming)},
    {"sign-lane-directions.png", SignImage(SignPainter::Sign::LaneDirections)},
    {"sign-narrows-left.png", SignImage(SignPainter::Sign::NarrowsLeft)},
    {"sign-merge.png", SignImage(SignPainter::Sign::Merge)},
    {"sign-bumpy.png", SignImage(SignPainter::Sign::Bumpy)},
    {"sign-hump-bridge.png", SignImage(SignPainter::Sign::HumpBridge)},
    {"sign-narrow-bridge.png", SignImage(SignPainter::Sign::NarrowBridge)},
    {"sign-y-junction.png", SignImage(SignPainter::Sign::YJunction)},
    {"sign-village.png", SignImage(SignPainter::Sign::Village)},
    {"sign-crosswind.png", SignImage(SignPainter::Sign::Crosswind)},
    {"sign-no-pedestrians.png", SignImage(SignPainter::Sign::NoPedestrians)},
    {"sign-no-left-or-right.png", SignImage(SignPainter::Sign::NoLeftOrRight)},
    {"sign-no-straight-or-left.png", SignImage(SignPainter::Sign::NoStraightOrLeft)},
    {"sign-no-overtaking.png", SignImage(SignPainter::Sign::NoOvertaking)},
    {"sign-end-no-overtaking.png", SignImage(SignPainter::Sign::EndNoOvertaking)},
    {"sign-one-way-left.png", SignImage(SignPainter::Sign::OneWayLeft)},
    {"sign-straight-lane.png", SignImage(SignPainter::Sign::StraightLane)},
    {"sign-left-turn-lane.png", SignImage(SignPainter::Sign::LeftTurnLane)},
    {"board-exit-notice.png", BoardImage(BoardPainter::Board::ExitNotice)},
    {"board-exit.png", BoardImage(BoardPainter::Board::Exit)},
    {"board-distances.png", BoardImage(BoardPainter::Board::Distances)},
    {"board-service-area.png", BoardImage(BoardPainter::Board::ServiceArea)},
    {"board-junction-notice.png", BoardImage(BoardPainter::Board::JunctionNotice)},
    {"board-tourist-area.png", BoardImage(BoardPainter::Board::TouristArea)},
    {"board-works-ahead.png", BoardImage(BoardPainter::Board::WorksAhead)},
    {"board-road-closed.png", BoardImage(BoardPainter::Board::RoadClosed)},
    {"board-left-lane-closed.png", BoardImage(BoardPainter::Board::LeftLaneClosed)},
    {"board-detour.png", BoardImage(BoardPainter::Board::Detour)},
    {"board-time-plate.png", BoardImage(BoardPainter::Board::TimePlate)},
    {"board-vehicle-plate.png", BoardImage(BoardPainter::Board::VehiclePlate)},
    {"board-distance-plate.png", BoardImage(BoardPainter::Board::DistancePlate)},
    {"board-except-buses.png", BoardImage(BoardPainter::Board::ExceptBuses)},
    {"board-emergency-bay.png", BoardImage(BoardPainter::Board::EmergencyBay)},
    {"board-toll-notice.png", BoardImage(BoardPainter::Board::TollNotice)},
    {"board-escape-lane.png", BoardImage(BoardPainter::Board::EscapeLane)},
    {"marking-white-dashed.png", MarkingImage(MarkingPainter::Marking::WhiteDashed)},
    {"marking-white-solid.png", MarkingImage(MarkingPainter::Marking::WhiteSolid)},
    {"marking-white-solid-dashed.png", MarkingImage(MarkingPainter::Marking::WhiteSolidDashed)},
    {"marking-double-yellow.png", MarkingImage(MarkingPainter::Marking::YellowDoubleSolid)},
    {"marking-yellow-solid-dashed.png", MarkingImage(MarkingPainter::Marking::YellowSolidDashed)},
    {"marking-yellow-dashed.png", MarkingImage(MarkingPainter::Marking::YellowDashed)},
    {"marking-stop-line.png", MarkingImage(MarkingPainter::Marking::StopLine)},
    {"marking-stop-yield-line.png", MarkingImage(MarkingPainter::Marking::StopYieldLine)},
    {"marking-yield-line.png", MarkingImage(MarkingPainter::Marking::YieldLine)},
    {"marking-left-turn-waiting.png", MarkingImage(MarkingPainter::Marking::LeftTurnWaiting)},
    {"marking-variable-lane.png", MarkingImage(MarkingPainter::Marking::VariableLane)},
    {"marking-chevrons.png", MarkingImage(MarkingPainter::Marking::Chevrons)},
    {"marking-yellow-grid.png", MarkingImage(MarkingPainter::Marking::YellowGrid)},
    {"marking-crossing-ahead.png", MarkingImage(MarkingPainter::Marking::CrossingAhead)},
    {"marking-bus-lane.png", MarkingImage(MarkingPainter::Marking::BusLane)},
    {"marking-curb-no-stopping.png", MarkingImage(MarkingPainter::Marking::CurbNoStopping)},
    {"marking-curb-no-parking.png", MarkingImage(MarkingPainter::Marking::CurbNoParking)},
    {"marking-speed-bands.png", MarkingImage(MarkingPainter::Marking::SpeedBands)},
    {"marking-reversible-lane.png", MarkingImage(MarkingPainter::Marking::ReversibleLane)},
    {"marking-distance-check.png", MarkingImage(MarkingPainter::Marking::DistanceCheck)},
    {"marking-cycle-lane.png", MarkingImage(MarkingPainter::Marking::CycleLane)},
    {"marking-emergency-lane.png", MarkingImage(MarkingPainter::Marking::EmergencyLane)},
    {"marking-u-turn-arrow.png", MarkingImage(MarkingPainter::Marking::UTurnArrow)},
    {"signal-green.png", SignalImage(SignalPainter::Signal::GreenRound)},
    {"signal-yellow.png", SignalImage(SignalPainter::Signal::YellowRound)},
    {"signal-flashing-yellow.png", SignalImage(SignalPainter::Signal::FlashingYellow)},
    {"signal-red-left-arrow.png", SignalImage(SignalPainter::Signal::RedLeftArrow)},
    {"signal-green-left-arrow.png", SignalImage(SignalPainter::Signal::GreenLeftArrow)},
    {"signal-red-right-arrow.png", SignalImage(SignalPainter::Signal::RedRightArrow)},
    {"signal-lane-control.png", SignalImage(SignalPainter::Signal::LaneControl)},
    {"signal-railway.png", SignalImage(SignalPainter::Signal::RailwayCrossing)},
    {"scene-red-light.jpg", SceneImage(ScenePainter::Scene::CrossroadsRedLight)},
    {"scene-zebra.jpg", SceneImage(ScenePainter::Scene::ZebraCrossing)},
    {"scene-expressway.jpg", SceneImage(ScenePainter::Scene::Expressway)},
    {"scene-railway.png", SceneImage(ScenePainter::Scene::RailwayCrossing)},
    {"lamp-oil-pressure.png", LampImage(DashboardPainter::Lamp::OilPressure)},
    {"lamp-charging.png", LampImage(DashboardPainter::Lamp::Charging)},
    {"lamp-coolant-temp.png", LampImage(DashboardPainter::Lamp::CoolantTemp)},
    {"lamp-brake.png", LampImage(DashboardPainter::Lamp::BrakeSystem)},
    {"lamp-abs.png", LampImage(DashboardPainter::Lamp::Abs)},
    {"lamp-parking-brake.png", LampImage(DashboardPainter::Lamp::ParkingBrake)},
    {"lamp-airbag.png", LampImage(DashboardPainter::Lamp::Airbag)},
    {"lamp-seat-belt.png", LampImage(DashboardPainter::Lamp::SeatBelt)},
    {"lamp-low-fuel.png", LampImage(DashboardPainter::Lamp::LowFuel)},
    {"lamp-door-open.png", LampImage(DashboardPainter::Lamp::DoorOpen)},
    {"lamp-main-beam.png", LampImage(DashboardPainter::Lamp::MainBeam)},
    {"lamp-dipped-beam.png", LampImage(DashboardPainter::Lamp::DippedBeam)},
    {"lamp-front-fog.png", LampImage(DashboardPainter::Lamp::FrontFog)},
    {"lamp-rear-fog.png", LampImage(DashboardPainter::Lamp::RearFog)},
    {"lamp-engine.png", LampImage(DashboardPainter::Lamp::EngineFault)},
    {"lamp-hazard.png", LampImage(DashboardPainter::Lamp::HazardFlashers)},
    {"lamp-tyre-pressure.png", LampImage(DashboardPainter::Lamp::TyrePressure)},
    {"lamp-position.png", LampImage(DashboardPainter::Lamp::PositionLamps)},
    {"lamp-bonnet-open.png", LampImage(DashboardPainter::Lamp::BonnetOpen)},
    {"lamp-boot-open.png", LampImage(DashboardPainter::Lamp::BootOpen)},
    {"lamp-washer-fluid.png", LampImage(DashboardPainter::Lamp::WasherFluid)},
    {"lamp-stability.png", LampImage(DashboardPainter::Lamp::Stability)},
    {"police-stop.png", PoliceImage(HandSignalPainter::Signal::Stop)},
    {"police-straight.png", PoliceImage(HandSignalPainter::Signal::GoStraight)},
    {"police-left-turn.png", PoliceImage(HandSignalPainter::Signal::TurnLeft)},
    {"police-left-turn-wait.png", PoliceImage(HandSignalPainter::Signal::LeftTurnWait)},
    {"police-right-turn.png", PoliceImage(HandSignalPainter::Signal::TurnRight)},
    {"police-change-lane.png", PoliceImage(HandSignalPainter::Signal::ChangeLane)},
    {"police-slow-down.png", PoliceImage(HandSignalPainter::Signal::SlowDown)},
    {"police-pull-over.png", PoliceImage(HandSignalPainter::Signal::PullOver)},
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

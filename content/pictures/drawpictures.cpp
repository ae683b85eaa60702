// Draws the question pictures at build time: drawpictures OUTDIR
// The file names are the ones the question banks name after "图片:".

#include <algorithm>
#include <functional>

#include "DrawingTool.h"

#include "ScenePainter.h"
#include "SignPainter.h"

namespace {

constexpr int kSignSize = 150;
constexpr int kSceneWidth = 300;
constexpr int kSceneHeight = 170;

struct Picture {
    const char* fileName;  // the extension chooses the format
    std::function<QImage()> paint;
};

std::function<QImage()> SignImage(SignPainter::Sign sign) {
    return [sign] { return SignPainter::paint(sign, kSignSize); };
}

std::function<QImage()> SceneImage(ScenePainter::Scene scene) {
    return [scene] { return ScenePainter::paint(scene, kSceneWidth, kSceneHeight); };
}

const Picture kPictures[] = {
    {"sign-pedestrians.png", SignImage(SignPainter::Sign::WatchPedestrians)},
    {"sign-sharp-left.jpg", SignImage(SignPainter::Sign::SharpLeftCurve)},
    {"sign-children.png", SignImage(SignPainter::Sign::WatchChildren)},
    {"sign-no-passage.png", SignImage(SignPainter::Sign::NoPassage)},
    {"sign-no-entry.jpg", SignImage(SignPainter::Sign::NoEntry)},
    {"sign-no-horn.jpg", SignImage(SignPainter::Sign::NoHorn)},
    {"sign-speed-40.png", SignImage(SignPainter::Sign::SpeedLimit40)},
    {"sign-no-left-turn.png", SignImage(SignPainter::Sign::NoLeftTurn)},
    {"sign-stop.png", SignImage(SignPainter::Sign::Stop)},
    {"sign-yield.bmp", SignImage(SignPainter::Sign::Yield)},
    {"sign-straight.png", SignImage(SignPainter::Sign::StraightOnly)},
    {"sign-keep-right.jpg", SignImage(SignPainter::Sign::KeepRight)},
    {"sign-roundabout.png", SignImage(SignPainter::Sign::Roundabout)},
    {"scene-red-light.jpg", SceneImage(ScenePainter::Scene::CrossroadsRedLight)},
    {"scene-zebra.jpg", SceneImage(ScenePainter::Scene::ZebraCrossing)},
    {"scene-expressway.jpg", SceneImage(ScenePainter::Scene::Expressway)},
    {"scene-railway.png", SceneImage(ScenePainter::Scene::RailwayCrossing)},
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

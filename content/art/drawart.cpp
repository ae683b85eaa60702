// Draws the program's pictures at build time: drawart OUTDIR

#include "BannerPainter.h"
#include "ExamBackgroundPainter.h"
#include "IconPainter.h"

#include "DrawingTool.h"

#include <algorithm>
#include <iterator>

namespace {
// The sizes of the desktop's icon theme that the package installs the program's icon at.
constexpr int kDesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
}  // namespace

int main(int argc, char* argv[]) {
    return DrawingTool::Run(argc, argv, "drawart", [](const DrawingTool::Save& save) {
        return save(BannerPainter::paint(), QStringLiteral("banner.bmp"), "BMP", -1) &&
               save(IconPainter::paint(64), QStringLiteral("quorvane.png"), "PNG", -1) &&
               save(ExamBackgroundPainter::paint(), QStringLiteral("exam.bmp"), "BMP", -1) &&
               std::all_of(std::begin(kDesktopIconSizes), std::end(kDesktopIconSizes), [&save](int size) {
                   return save(IconPainter::paint(size), QStringLiteral("icon-%1.png").arg(size), "PNG", -1);
               });
    });
}

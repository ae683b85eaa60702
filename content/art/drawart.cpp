// Draws the program's pictures at build time: drawart OUTDIR

#include "BannerPainter.h"
#include "ExamBackgroundPainter.h"
#include "IconPainter.h"

#include "DrawingTool.h"

int main(int argc, char* argv[]) {
    return DrawingTool::Run(argc, argv, "drawart", [](const DrawingTool::Save& save) {
        return save(BannerPainter::paint(), QStringLiteral("banner.bmp"), "BMP", -1) &&
               save(IconPainter::paint(64), QStringLiteral("quorvane.png"), "PNG", -1) &&
               save(ExamBackgroundPainter::paint(), QStringLiteral("exam.bmp"), "BMP", -1);
    });
}

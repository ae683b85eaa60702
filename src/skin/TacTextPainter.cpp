#include "skin/TacTextPainter.h"

#include <QPainter>

#include "skin/TacPixels.h"
#include "skin/TsGeneralData.h"

namespace TacTextPainter {

void DrawPlain(QPainter& painter, const QString& text, const QRect& area, int flags, int color) {
    painter.setPen(TacPixels::ToQColor(color));
    painter.drawText(area, flags | Qt::TextDontClip, text);
}

void Draw(QPainter& painter, const QString& text, const QRect& area, int flags, const TsGeneralData& section, bool hot,
          bool enabled, int globalColor) {
    if (!enabled) {
        DrawPlain(painter, text, area, flags, TacPixels::BlendColors(section.FontColor, globalColor, 0.4));
        return;
    }
    const int contours[4] = {hot ? section.HotTCLeft : section.TCLeft, hot ? section.HotTCTop : section.TCTop,
                             hot ? section.HotTCRight : section.TCRight, hot ? section.HotTCBottom : section.TCBottom};
    const QPoint shifts[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (int i = 0; i < 4; ++i) {
        if (contours[i] != -1)
            DrawPlain(painter, text, area.translated(shifts[i]), flags, contours[i]);
    }
    DrawPlain(painter, text, area, flags, hot ? section.HotFontColor : section.FontColor);
}

}  // namespace TacTextPainter

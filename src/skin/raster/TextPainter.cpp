#include "skin/raster/TextPainter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include "skin/loading/SkinContent.h"
#include "skin/loading/TsGeneralData.h"
#include "skin/raster/Pixels.h"

namespace TextPainter {

int GlobalColor(const SkinContent* skin) {
    const int global = skin ? skin->CachedIndexes.GlobalInfo : -1;
    if (global >= 0 && global < static_cast<int>(skin->Sections.size()))
        return skin->Sections[static_cast<std::size_t>(global)].Color;
    return Pixels::FromQColor(QGuiApplication::palette().color(QPalette::Button));
}

void DrawPlain(QPainter& painter, const QString& text, const QRect& area, int flags, int color) {
    painter.setPen(Pixels::ToQColor(color));
    painter.drawText(area, flags | Qt::TextDontClip, text);
}

QString CutToFit(const QFontMetrics& metrics, const QString& text, int width) {
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString dots = QStringLiteral("...");
    QString kept = text;
    while (!kept.isEmpty() && metrics.horizontalAdvance(kept + dots) > width)
        kept.chop(1);
    return kept + dots;
}

void Draw(QPainter& painter, const QString& text, const QRect& area, int flags, const TsGeneralData& section, bool hot,
          bool enabled, int globalColor) {
    if (!enabled) {
        DrawPlain(painter, text, area, flags, Pixels::BlendColors(section.FontColor, globalColor, 0.4));
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

}  // namespace TextPainter

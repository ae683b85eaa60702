#include "skin/controls/CheckablePainter.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPainter>

#include "skin/controls/ControlPainter.h"
#include "skin/controls/TsCommonData.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/loading/TsGeneralData.h"

namespace CheckablePainter {

namespace {
constexpr int kGap = 4;
}

int StateOf(const QAbstractButton& button, const TsCommonData& data) {
    if (button.isDown())
        return 2;
    return data.HotNow() ? 1 : 0;
}

PaintStateKey StateKey(const QAbstractButton& button, const TsCommonData& data) {
    const auto* box = qobject_cast<const QCheckBox*>(&button);
    const int check = box ? box->checkState() : (button.isChecked() ? Qt::Checked : Qt::Unchecked);
    return {.State = StateOf(button, data), .Check = check, .Focused = data.FocusFlag(), .Text = button.text()};
}

void Paint(const QAbstractButton& button, const TsCommonData& data, int glyphIndex, QImage& cache,
           const BackgroundInfo& background) {
    const int state = StateOf(button, data);
    ControlPainter(data).PaintItem(cache, background, true, state, cache.rect());

    const SkinContent& skin = data.Manager()->Skin();
    int textLeft = 0;
    if (glyphIndex >= 0 && glyphIndex < static_cast<int>(skin.Masks.size())) {
        const QSize glyph = skin.Masks[static_cast<std::size_t>(glyphIndex)].GlyphSize();
        const QRect place(QPoint(0, (cache.height() - glyph.height()) / 2), glyph);
        // The glyph is drawn over the finished surface, which shows through its clear pixels.
        BackgroundInfo surface;
        surface.ParentPicture = cache.copy(place);
        surface.X = -place.left();
        surface.Y = -place.top();
        surface.Ready = true;
        ControlPainter(data).DrawGlyph(cache, glyphIndex, place.topLeft(), state, surface);
        textLeft = glyph.width() + kGap;
    }

    QPainter painter(&cache);
    painter.setFont(button.font());
    const QRect textArea(textLeft, 0, cache.width() - textLeft, cache.height());
    ControlPainter(data).DrawText(painter, button.text(), textArea, Qt::AlignVCenter | Qt::AlignLeft, state >= 1);
    if (data.FocusFlag() && data.Section().ShowFocus) {
        const QRect text = painter.boundingRect(textArea, Qt::AlignVCenter | Qt::AlignLeft, button.text());
        painter.setPen(QPen(Pixels::ToQColor(data.Section().FontColor), 1, Qt::DotLine));
        painter.drawRect(text.adjusted(-1, 0, 0, -1));
    }
}

}  // namespace CheckablePainter

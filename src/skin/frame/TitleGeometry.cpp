#include "skin/frame/TitleGeometry.h"

#include <algorithm>
#include <initializer_list>

#include "skin/loading/SkinContent.h"
#include "skin/loading/SkinNames.h"

namespace TitleGeometry {

namespace {

constexpr int kMissingGlyphSide = 21;
constexpr int kCaptionGap = 4;         // between the icon and the caption
constexpr int kCaptionButtonsGap = 6;  // between the caption and the title buttons
constexpr int kLowButtonHeight = 16;   // big buttons lower than this sit 2 pixels lower
constexpr int kLowButtonShift = 2;

struct Glyph {
    int Index = -1;
    bool Big = true;
};

class GlyphFinder {
public:
    GlyphFinder(const SkinContent& skin, const QString& formSection)
        : skin_(skin), formSection_(formSection), globalSection_(skin.SectionIndexOf(SkinNames::GlobalInfo)) {}

    int Global(const char* name) const {
        return skin_.MaskIndexOf(globalSection_, SkinNames::GlobalInfo, QLatin1String(name));
    }
    int FormOwn(const char* name) const { return skin_.OwnMaskIndexOf(formSection_, QLatin1String(name)); }

    static int FirstOf(std::initializer_list<int> indexes) {
        for (const int index : indexes) {
            if (index >= 0)
                return index;
        }
        return -1;
    }

    Glyph Big(TitleButton::Kind kind, bool restore) const {
        switch (kind) {
            case TitleButton::Close:
                return {Global("BICONCLOSE"), true};
            case TitleButton::Maximize:
                if (!restore)
                    return {Global("BICONMAX"), true};
                return {FirstOf({Global("BICONNORM"), FormOwn("BICONNORM"), FormOwn("BICONMAX")}), true};
            case TitleButton::Minimize:
                return {Global("BICONMIN"), true};
            case TitleButton::Help:
                return {Global("BICONHELP"), true};
        }
        return {};
    }

    // The small glyphs of tool windows. Only help borrows a big glyph when its small one is missing.
    Glyph Small(TitleButton::Kind kind, bool restore) const {
        switch (kind) {
            case TitleButton::Close:
                return {Global("SICONCLOSE"), false};
            case TitleButton::Maximize:
                return {restore ? FirstOf({Global("SICONNORM"), Global("SICONMAX")}) : Global("SICONMAX"), false};
            case TitleButton::Minimize:
                return {Global("SICONMIN"), false};
            case TitleButton::Help:
                if (const int small = Global("SICONHELP"); small >= 0)
                    return {small, false};
                return Big(kind, restore);
        }
        return {};
    }

private:
    const SkinContent& skin_;
    const QString& formSection_;
    int globalSection_;
};

const TsMaskData* MaskAt(const SkinContent& skin, int index) {
    if (index < 0 || index >= static_cast<int>(skin.Masks.size()))
        return nullptr;
    return &skin.Masks[static_cast<std::size_t>(index)];
}

bool HasFullFrame(FormBorderStyle style) {
    return style == FormBorderStyle::Single || style == FormBorderStyle::Sizeable;
}

QMargins FrameOf(const SkinContent& skin, const QString& formSection, FormBorderStyle style,
                 const FrameMetrics& metrics) {
    if (skin.SectionIndexOf(formSection) < 0)
        return {};
    switch (style) {
        case FormBorderStyle::Single:
        case FormBorderStyle::Dialog:
        case FormBorderStyle::ToolWindow:
            return {metrics.DialogFrameWidth, metrics.DialogFrameHeight, metrics.DialogFrameWidth,
                    metrics.DialogFrameHeight};
        case FormBorderStyle::Sizeable:
            return {metrics.SizingFrameWidth, metrics.SizingFrameHeight, metrics.SizingFrameWidth,
                    metrics.SizingFrameHeight};
        case FormBorderStyle::None:
            break;
    }
    return {};
}

int TitleHeightOf(const FormTraits& form, const FrameMetrics& metrics) {
    if (!form.HasCaption && !form.Minimized)
        return 0;
    return form.BorderStyle == FormBorderStyle::ToolWindow ? metrics.SmallCaptionHeight : metrics.CaptionHeight;
}

QSize IconSizeOf(const FormTraits& form, int titleHeight) {
    if (!form.ShowAppIcon || !HasFullFrame(form.BorderStyle))
        return {0, 0};
    const int side = IconSideFor(titleHeight);
    return {form.TitleIconSize.width() > 0 ? form.TitleIconSize.width() : side,
            form.TitleIconSize.height() > 0 ? form.TitleIconSize.height() : side};
}

// Close always; maximize (restore) and minimize only on a full frame with their icons, or on a minimised
// window, which needs them to come back. Buttons belong to the title bar, so a window without one has none.
std::vector<TitleButton::Kind> ShownKinds(const FormTraits& form, int titleHeight) {
    if (!form.HasSystemMenu || titleHeight <= 0)
        return {};
    std::vector<TitleButton::Kind> kinds{TitleButton::Close};
    const bool framed = HasFullFrame(form.BorderStyle);
    if (form.Minimized || (framed && form.HasMaximizeIcon))
        kinds.push_back(TitleButton::Maximize);
    if (form.Minimized || (framed && form.HasMinimizeIcon))
        kinds.push_back(TitleButton::Minimize);
    if (form.HasHelpIcon)
        kinds.push_back(TitleButton::Help);
    return kinds;
}

int ButtonTop(const SkinContent& skin, const FormTraits& form, const TitleLayout& title, bool big) {
    if (big && skin.SkinData.BIVAlign == 1)
        return form.Maximized ? title.Frame.top() - 1 : 0;
    const int centred = (title.TitleHeight + title.Frame.top() - title.ButtonHeight) / 2;
    return big && title.ButtonHeight < kLowButtonHeight ? centred + kLowButtonShift : centred;
}

void LayOutButtons(const SkinContent& skin, const QString& formSection, const FormTraits& form, TitleLayout& title) {
    const GlyphFinder glyphs(skin, formSection);
    const bool small = form.BorderStyle == FormBorderStyle::ToolWindow && glyphs.Global("SICONCLOSE") >= 0;
    const bool restore = form.Maximized || form.Minimized;
    const auto glyphOf = [&](TitleButton::Kind kind) {
        return small ? glyphs.Small(kind, restore) : glyphs.Big(kind, restore);
    };

    const TsMaskData* close = MaskAt(skin, glyphOf(TitleButton::Close).Index);
    title.ButtonHeight = close ? close->RowHeight() : kMissingGlyphSide;
    title.ButtonsWidth = skin.SkinData.BIRight;
    int right = form.Width - title.Frame.right() - skin.SkinData.BIRight;
    for (const TitleButton::Kind kind : ShownKinds(form, title.TitleHeight)) {
        const Glyph glyph = glyphOf(kind);
        const TsMaskData* mask = MaskAt(skin, glyph.Index);
        TitleButton button;
        button.ButtonKind = kind;
        button.GlyphIndex = mask ? glyph.Index : -1;
        button.BigGlyph = glyph.Big;
        button.Width = mask ? mask->ImageWidth() : kMissingGlyphSide;
        const int space = glyph.Big ? skin.SkinData.BISpace : 0;
        title.ButtonsWidth += button.Width + space;
        if (mask) {
            button.Rect = QRect(right - space - button.Width, ButtonTop(skin, form, title, glyph.Big), button.Width,
                                title.ButtonHeight);
            right = button.Rect.left();
        }
        title.Buttons.push_back(button);
    }
}

}  // namespace

int IconSideFor(int titleHeight) {
    if (titleHeight < 9)
        return 0;
    if (titleHeight <= 16)
        return 8;
    if (titleHeight <= 27)
        return 16;
    return 32;
}

TitleLayout Compute(const SkinContent& skin, const QString& formSection, const FormTraits& form,
                    const FrameMetrics& metrics) {
    TitleLayout title;
    title.Frame = FrameOf(skin, formSection, form.BorderStyle, metrics);
    title.TitleHeight = TitleHeightOf(form, metrics);
    title.IconSize = IconSizeOf(form, title.TitleHeight);
    const int iconLeft = title.Frame.left() + skin.SkinData.BILeft;
    title.IconRect =
        QRect(QPoint(iconLeft, (title.TitleHeight + title.Frame.top() - title.IconSize.height()) / 2), title.IconSize);
    LayOutButtons(skin, formSection, form, title);

    const int captionLeft = title.IconSize.width() + iconLeft + kCaptionGap;
    const int captionRight = form.Width - title.ButtonsWidth - kCaptionButtonsGap;
    title.CaptionRect =
        QRect(captionLeft, title.Frame.top(), std::max(captionRight - captionLeft, 0), title.TitleHeight);
    return title;
}

}  // namespace TitleGeometry

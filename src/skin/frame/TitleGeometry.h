#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class SkinContent;

enum class FormBorderStyle { Single, Sizeable, Dialog, ToolWindow, None };

// The windowing system's frame and caption sizes. Our platform draws no frame of its own, so whoever
// skins a form decides them and passes them in.
struct FrameMetrics {
    int DialogFrameWidth = 0, DialogFrameHeight = 0;
    int SizingFrameWidth = 0, SizingFrameHeight = 0;
    int CaptionHeight = 0;
    int SmallCaptionHeight = 0;  // the caption of tool windows
};

// What the frame geometry needs to know about a form.
struct FormTraits {
    int Width = 0, Height = 0;
    FormBorderStyle BorderStyle = FormBorderStyle::Sizeable;
    bool HasCaption = true;
    bool HasSystemMenu = true;  // whether the window had the system-menu style before skinning took it
    bool HasMinimizeIcon = true, HasMaximizeIcon = true, HasHelpIcon = false;
    bool Maximized = false, Minimized = false;
    bool ShowAppIcon = true;
    QSize TitleIconSize;  // a side of 0 follows the title height
};

// One standard title button. The maximize button of a maximised or minimised window is the restore
// button.
struct TitleButton {
    enum Kind { Close, Maximize, Minimize, Help };
    Kind ButtonKind = Close;
    int GlyphIndex = -1;  // into the skin's masks; -1 = missing, then the button is neither placed nor drawn
    bool BigGlyph = true;
    int Width = 0;
    QRect Rect;  // in window coordinates; empty when the glyph is missing
};

struct TitleLayout {
    QMargins Frame;  // left and right frame widths, top and bottom frame heights
    int TitleHeight = 0;
    QSize IconSize;
    QRect IconRect;
    std::vector<TitleButton> Buttons;  // the buttons shown, from right to left
    int ButtonHeight = 0;
    int ButtonsWidth = 0;  // the room the title buttons take, their right margin included
    QRect CaptionRect;
};

// Where frame, icon, caption and standard buttons of a skinned form's title bar lie. Pure geometry: it
// reads the skin's glyph sizes and "GLOBALINFO" spacing, and draws nothing. `formSection` is the
// section of the form's frame ("FORM"), whose own restore glyphs stand in for missing global ones.
namespace TitleGeometry {

TitleLayout Compute(const SkinContent& skin, const QString& formSection, const FormTraits& form,
                    const FrameMetrics& metrics);

// The automatic icon side for a title of this height.
int IconSideFor(int titleHeight);

}  // namespace TitleGeometry

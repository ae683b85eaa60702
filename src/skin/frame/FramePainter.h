#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstddef>
#include <vector>

#include "skin/frame/TitleGeometry.h"
#include "skin/loading/SkinNames.h"

class SkinContent;

// The pointer state of one title button and whether it may be used.
struct TitleButtonState {
    int State = 0;  // 0 normal, 1 hot, 2 pressed
    bool Enabled = true;
};

// Everything a skinned form's window picture shows.
struct FrameScene {
    QString FormSection = SkinNames::Form;
    QString TitleSection;  // empty = "FORMTITLE"
    TitleLayout Title;
    QSize WindowSize;
    bool Minimized = false;
    QString Caption;
    QFont CaptionFont;  // drawn bold; its height is the caller's
    Qt::Alignment CaptionAlignment = Qt::AlignLeft;
    QImage Icon;  // stretched to the icon size; none when null
    bool FormActive = true;
    bool FormEnabled = true;
    bool Grip = false;                      // the size grip in the client area's bottom-right corner
    std::vector<TitleButtonState> Buttons;  // along Title.Buttons; a button without an entry is normal and enabled
};

// Composes the picture of a skinned form's whole window: the form's section over the window (or, for a
// plain opaque section, only its top and frame), then the title band, icon, title ornament, title
// buttons and caption. The picture (24 bits, the window's size) is the caller's: the painter keeps only
// copies of the top band, as the form's section painted it and as the title painted it under the buttons,
// so that a change of caption, activation or one button's state repaints only what changed, in place.
class FramePainter {
public:
    // Paints the whole picture; one of another size or format is made anew.
    void Compose(const SkinContent& skin, const FrameScene& scene, QImage& picture);
    // Puts the band copy back and repaints the title over it. False, painting nothing, when the window's
    // size changed since the last composition, or the picture is not the window's size: that needs a whole
    // one.
    bool QuickTitleRepaint(const SkinContent& skin, const FrameScene& scene, QImage& picture);
    // After a change of one button's state: restores its rectangle as the title painted it and draws its glyph
    // again, dimmed when the button is disabled or, in its normal state, the form is inactive. Returns the
    // rectangle to bring to the screen; empty when nothing was drawn.
    QRect RedrawButton(const SkinContent& skin, const FrameScene& scene, std::size_t button, QImage& picture) const;

    // Whether the picture shows the client area too; a plain form section leaves it to the form itself,
    // and a minimised window has none.
    static bool PaintsClientArea(const SkinContent& skin, const QString& formSection, bool minimized);

    // 24 bits, window width × (top frame + title height), taken anew by every composition.
    const QImage& TitleBandCopy() const { return titleBandCopy_; }

private:
    bool Fits(const FrameScene& scene, const QImage& picture) const;
    // The title over the band copy, keeping the band as painted under the buttons.
    void PaintTitle(const SkinContent& skin, const FrameScene& scene, QImage& picture);

    QImage titleBandCopy_;
    QImage buttonGround_;  // the band with title, icon and ornament, before the buttons
    QSize composedSize_;   // the window's size at the last composition
};

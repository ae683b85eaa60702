#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <memory>

struct TsMaskData;
class SkinContent;

// The soft light shown around a hot control: a borderless, click-through window above it that never takes
// the focus, showing the section's glow picture stretched 3×3 over its whole size.
class GlowWindow : public QWidget {
    Q_OBJECT

public:
    // `picture` is the glow mask's first state image; `outer` is in screen coordinates.
    GlowWindow(const QImage& picture, const TsMaskData& mask, const QRect& outer, bool topmost);

    // The glow of the skin's mask `maskIndex` shown around `control` (screen coordinates), shrunk by
    // `glowMargin`; none when the mask is missing.
    static std::unique_ptr<GlowWindow> ShowAround(const SkinContent& skin, int maskIndex, const QRect& control,
                                                  int glowMargin, bool topmost);
    // The glow's rectangle around a control's screen rectangle: grown by the mask's margins, then shrunk
    // on every side by the section's glow margin.
    static QRect Outer(const QRect& control, const TsMaskData& mask, int glowMargin);
    // The picture sliced 3×3 (corners kept, edges and centre stretched) over `size`; 0xFF00FF is clear.
    static QImage Sliced(const QImage& picture, const TsMaskData& mask, QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

#pragma once

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>

struct TsMaskData;
class SkinContent;

// The soft light shown around a hot control: a borderless, click-through window above it that never takes
// the focus, showing the section's glow picture stretched 3×3 over its whole size.
//
// A glow belongs to the pointer's stay over its control and to nothing else: it hides itself as soon as
// anything else takes over (a click or a key anywhere, a window, dialog or menu appearing, its window losing
// the activation, the program losing it), so that it can never stand over a later window or catch a click.
class GlowWindow : public QWidget {
    Q_OBJECT

public:
    // `picture` is the glow mask's first state image; `outer` is in screen coordinates.
    GlowWindow(const QImage& picture, const TsMaskData& mask, const QRect& outer, bool topmost);
    ~GlowWindow() override;

    // The glow of the skin's mask `maskIndex` shown around `control` (the screen rectangle of `host` or of a
    // part of it), shrunk by `glowMargin`; none when the mask is missing, when `host`'s window is not the
    // one in use, or where the display cannot show a translucent window.
    static std::unique_ptr<GlowWindow> ShowAround(const SkinContent& skin, int maskIndex, QWidget& host,
                                                  const QRect& control, int glowMargin);
    // The glow's rectangle around a control's screen rectangle: grown by the mask's margins, then shrunk
    // on every side by the section's glow margin.
    static QRect Outer(const QRect& control, const TsMaskData& mask, int glowMargin);
    // The picture sliced 3×3 (corners kept, edges and centre stretched) over `size`; 0xFF00FF is clear.
    static QImage Sliced(const QImage& picture, const TsMaskData& mask, QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hides the glow while something else than the pointer over `host` happens.
    void Follow(QWidget& host);
    void Drop();

    QImage picture_;
    QPointer<QWidget> host_;
};

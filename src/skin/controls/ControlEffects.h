#pragma once

#include <memory>

class Fader;
class GlowWindow;
class QImage;
class QPainter;
class QWidget;
class SkinContent;

// The passing effects of a skinned control: the fade from the picture it showed to its newly composed
// one, and the glow window around it while it is hot.
class ControlEffects {
public:
    ControlEffects();
    ~ControlEffects();
    ControlEffects(const ControlEffects&) = delete;
    ControlEffects& operator=(const ControlEffects&) = delete;

    // Fades `host` from `from` to whatever it composes next, over `iterations` steps.
    void StartFade(QWidget* host, const QImage& from, int iterations);
    void StopFade();
    // Draws the composed picture, or the fade's mix towards it while a fade runs.
    void Draw(QPainter& painter, const QImage& picture) const;

    // Shows the glow of mask `maskIndex` around `host`, held off its edges by the section's glow margin.
    void ShowGlow(QWidget& host, const SkinContent& skin, int maskIndex, int glowMargin);
    void HideGlow();
    bool Glowing() const;

private:
    std::unique_ptr<Fader> fader_;
    std::unique_ptr<GlowWindow> glow_;
};

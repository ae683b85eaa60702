#pragma once

#include <QImage>
#include <memory>

class Fader;
class GlowWindow;
class QPainter;
class QWidget;
class TsCommonData;

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

    // Shows the glow around the control of `data` if its section glows and it is hot now; hides it otherwise.
    void UpdateGlow(const TsCommonData& data);
    void HideGlow();
    bool Glowing() const { return glow_ != nullptr; }

private:
    std::unique_ptr<Fader> fader_;
    std::unique_ptr<GlowWindow> glow_;
};

#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

#include "skin/controls/TsCommonData.h"
#include "skin/frame/FramePainter.h"
#include "skin/frame/TitleGeometry.h"

class QWidget;
class GlowWindow;

// Paints a form's whole window from the skin: its background with the section "FORM", its border, and a
// title bar with icon, caption and title buttons, in place of the windowing system's frame. While the skin
// is loaded the window is frameless, its client area sits inside the painted frame (the form's contents
// margins) and its outline follows the skin's border; without a skin the form gets its own frame back.
// The provider also answers the form's controls when they ask what lies beneath them.
class TsSkinProvider : public QObject {
    Q_OBJECT

public:
    enum TsGripMode { gmNone, gmRightBottom };

    explicit TsSkinProvider(QWidget* form);
    ~TsSkinProvider() override;

    // The provider of a form, if it has one.
    static TsSkinProvider* Of(const QWidget* form);

    TsCommonData& SkinData() { return skinData_; }
    bool FormActive() const { return formActive_; }
    const TitleLayout& Geometry() const { return geometry_; }
    // The frame painted around the client area now; empty while the form has its own frame.
    QMargins Frame() const { return applied_; }

    TsGripMode GripMode() const { return gripMode_; }
    // With gmRightBottom the window picture shows the skin's size grip in the bottom-right corner.
    void SetGripMode(TsGripMode mode);

    // What the form's own style says of its frame: border style and title buttons.
    FormTraits Traits() const;

    // The frame sizes this platform gives skinned windows, as the windowing system would.
    static FrameMetrics Metrics();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Apply();
    void Release();
    void SetFrame(const QMargins& frame);
    void Recompute();
    void TrustDisplayPosition();
    void CentreOverOwner();
    FrameScene Scene() const;
    // The form's icon at the title's icon size, taken once for every repaint of the title.
    void TakeIcon();
    // False where the form's own background shows in the client area (a plain form section).
    bool PaintsClientArea() const;
    void PaintWindow(QImage& cache, const BackgroundInfo& background);
    int ButtonAt(QPoint at) const;
    void SetButtonState(int index, int state);
    // The glow round a hot close, maximize or minimize button, when the skin gives that button one.
    void UpdateButtonGlow(int index);
    // After a change of activation, caption or icon: the title band alone, from its copy.
    void RepaintTitle();
    void Act(int index);
    bool MousePressed(QPoint at);
    bool MouseReleased(QPoint at);

    QWidget* form_;
    Qt::WindowFlags ownFlags_;
    bool ownOpaquePaint_;
    const bool active_;
    TsCommonData skinData_;
    FramePainter painter_;
    TitleLayout geometry_;
    QImage icon_;
    std::vector<TitleButtonState> buttons_;
    QMargins applied_;
    bool formActive_ = true;
    // Shown without a place of its own: centred over its owner until it is on the screen.
    bool centreOverOwner_ = false;
    int pressed_ = -1;
    TsGripMode gripMode_ = gmNone;
    std::unique_ptr<GlowWindow> buttonGlow_;
    int glowButton_ = -1;  // the button whose glow is shown
};

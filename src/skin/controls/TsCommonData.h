#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "skin/controls/BackgroundRequest.h"
#include "skin/controls/ControlEffects.h"
#include "skin/controls/PaintStateKey.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/raster/BackgroundInfo.h"
#include "skin/raster/DisabledLook.h"
#include "skin/raster/SectionLook.h"

class QPainter;
class QWidget;
struct TsGeneralData;

// What ties a skinned control to its section of the skin, and the picture the control is composed into.
// It watches its control's events (skin commands, pointer, focus, size) and keeps the composed picture
// until something makes it stale, so that an ordinary repaint is one copy of that picture. The steps that
// paint into that picture are a ControlPainter's; the fade and the glow are its ControlEffects'.
class TsCommonData : public QObject {
    Q_OBJECT

public:
    // What kind of control owns the data, as far as painting cares.
    enum KindFlag {
        kfTakesHover = 1,        // the pointer over it makes it hot
        kfWindowed = 2,          // it takes the keyboard focus, which makes it hot too
        kfFramed = 4,            // an edit: its frame shows the hot state
        kfTextFromAncestor = 8,  // over a transparent section its text takes the colours of an ancestor
        kfMayBeOpaque = 16,      // a panel: a plain surface may be filled instead of composed
        kfGlows = 32,
    };
    enum DisabledKindFlag { dkBlended = DisabledLook::dkBlended, dkGrayed = DisabledLook::dkGrayed };
    // Paints the control's picture into the cache: the item, then the control's caption and extras.
    using Painter = std::function<void(QImage& cache, const BackgroundInfo& background)>;

    // A part of a control painted with a section of its own (a group box's caption) is not watching the
    // control's events: the control's main data does that.
    enum Role { rControl, rPart };
    TsCommonData(QWidget* host, const QString& section, int kindCode, Role role = rControl);
    ~TsCommonData() override;

    const QString& SkinSection() const { return skinSection_; }
    void SetSkinSection(const QString& section);
    // None means the default manager.
    TsSkinManager* SkinManager() const { return skinManager_; }
    void SetSkinManager(TsSkinManager* manager);
    bool CustomColor() const { return customColor_; }
    void SetCustomColor(bool custom);
    bool CustomFont() const { return customFont_; }
    void SetCustomFont(bool custom);
    int DisabledKind = dkBlended;

    const SectionLook& Look() const { return look_; }
    // The look painting uses: the section's, in the control's own colour when that is custom.
    SectionLook PaintLook() const;
    int SectionIdx() const { return look_.SectionIdx; }
    const QImage& CacheBitmap() const { return cache_; }
    bool PointerOver() const { return pointerOver_; }
    bool FocusFlag() const { return focusFlag_; }
    bool Glowing() const { return effects_.Glowing(); }
    QWidget* Host() const;
    int KindCode() const { return kindCode_; }

    // The manager this control follows: its own, else the default one (possibly none).
    TsSkinManager* Manager() const;
    void RefreshIndexes();
    bool IsSkinnedNow(bool requireReady = true) const;
    bool HotNow() const;
    // The colour of the surface in that state, as a skin colour (red in the lowest byte).
    int StateColor(bool hot) const;
    // The section in use; only valid while IsSkinnedNow().
    const TsGeneralData& Section() const;

    void MarkStale();
    // The owner repaints part of the composed picture itself, in place (a window's title bar): `repaint`
    // returns the part to show again, or nothing when it cannot do it. A stale or resized picture, or one
    // that `repaint` refuses, is composed anew instead.
    void RepaintPart(const std::function<std::optional<QRect>(QImage&)>& repaint);
    // The control's own painting into its cache, set once by the control.
    void SetPainter(Painter paint) { paint_ = std::move(paint); }
    // Paints the composed picture, composing it first when stale or when the control's state, summed up in
    // `state`, has changed since; false when the control is not skinned and paints its ordinary look.
    bool PaintCached(QPainter& painter, const PaintStateKey& state = {});
    // The background the parent shows under this control.
    BackgroundInfo RequestBackground() const;

    // The "GLOBALINFO" colour, or the system's button face when the skin has none.
    int GlobalColor() const;
    // The colour a parent shows under this control when it has no picture to give.
    int ParentColor() const;

    // Starts fading to the newly composed picture, if the section fades.
    void StartFade(bool pressed);

signals:
    // A skin was loaded, repainted or removed: controls whose size or colours follow the skin adjust them.
    void SkinChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // After a change of section or manager: the control repaints skinned, or takes its plain look.
    void Reapply();
    bool HandleCommand(int command, int argument, int& answer);
    void AnswerBackgroundRequest(BackgroundRequest& request);
    int ChildBackgroundColor() const;
    int OwnColor() const;
    void Compose();
    void ApplyDisabledLook(const BackgroundInfo& background);
    void HotChanged(bool pointerOver);
    void UpdateGlow();
    void Clear();
    void ComputeOpaque();

    QPointer<QWidget> host_;
    int kindCode_;
    QString skinSection_;
    QPointer<TsSkinManager> skinManager_;
    bool customColor_ = false;
    bool customFont_ = false;
    SectionLook look_;
    bool opaque_ = false;
    QImage cache_;
    bool backgroundStale_ = true;
    bool frozen_ = false;
    bool pointerOver_ = false;
    bool focusFlag_ = false;
    Painter paint_;
    PaintStateKey stateKey_;
    ControlEffects effects_;
};

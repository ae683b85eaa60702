#include "skin/frame/TsSkinProvider.h"

#include <QEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "skin/controls/GlowWindow.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/frame/WindowRegion.h"
#include "skin/loading/SkinNames.h"
#include "ui/MessageBox.h"
#include "ui/X11Display.h"

namespace {

const QString kFormSection = SkinNames::Form;
const QString kTitleSection = SkinNames::FormTitle;
constexpr int kCaptionPixels = 12;

// The window's flags without any of the system frame's parts, which would keep the frame on.
Qt::WindowFlags FramelessFlags(Qt::WindowFlags own) {
    const Qt::WindowFlags frameParts = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                                       Qt::WindowContextHelpButtonHint;
    return (own & ~frameParts) | Qt::FramelessWindowHint;
}

// The glow size and margin the skin gives a standard button; a help button never glows.
std::pair<int, int> GlowOf(const TsSkinData& data, TitleButton::Kind kind) {
    switch (kind) {
        case TitleButton::Close:
            return {data.BICloseGlow, data.BICloseGlowMargin};
        case TitleButton::Maximize:
            return {data.BIMaxGlow, data.BIMaxGlowMargin};
        case TitleButton::Minimize:
            return {data.BIMinGlow, data.BIMinGlowMargin};
        case TitleButton::Help:
            break;
    }
    return {0, 0};
}

}  // namespace

TsSkinProvider::TsSkinProvider(QWidget* form)
    : QObject(form),
      form_(form),
      ownFlags_(form->windowFlags()),
      ownOpaquePaint_(form->testAttribute(Qt::WA_OpaquePaintEvent)),
      // Only a form has a frame to paint, and only one provider paints it; any other stays inert.
      active_(form->isWindow() && Of(form) == this),
      skinData_(form, kFormSection, TsCommonData::kfMayBeOpaque,
                active_ ? TsCommonData::rControl : TsCommonData::rPart) {
    setObjectName(QStringLiteral("TsSkinProvider"));
    if (!form->isWindow()) {
        ShowMessageBox(form, {QStringLiteral("提示"),
                              QStringLiteral("TsSkinProvider component must be used with forms only!\r\nFor frames "
                                             "skinning may be used TsFrameAdapter component."),
                              QMessageBox::Warning, QMessageBox::Ok});
        return;
    }
    if (!active_)
        return;
    skinData_.SetPainter([this](QImage& cache, const BackgroundInfo& background) { PaintWindow(cache, background); });
    connect(&skinData_, &TsCommonData::SkinChanged, this, &TsSkinProvider::Apply);
    form->installEventFilter(this);
    Apply();
}

TsSkinProvider::~TsSkinProvider() = default;

TsSkinProvider* TsSkinProvider::Of(const QWidget* form) {
    return form->findChild<TsSkinProvider*>(QString(), Qt::FindDirectChildrenOnly);
}

FrameMetrics TsSkinProvider::Metrics() {
    FrameMetrics metrics;
    metrics.DialogFrameWidth = metrics.DialogFrameHeight = 4;
    metrics.SizingFrameWidth = metrics.SizingFrameHeight = 4;
    metrics.CaptionHeight = 24;
    metrics.SmallCaptionHeight = 18;
    return metrics;
}

void TsSkinProvider::SetGripMode(TsGripMode mode) {
    gripMode_ = mode;
    skinData_.MarkStale();
}

// What the form's own style says of its frame. A form that spells out its title bar shows the buttons it
// names, and has a dialog border when it asks for the fixed dialog frame, else a single border when it has
// one size and a sizeable one otherwise, whatever its window type (the practice and exam windows are
// dialog classes with a window's frame). A form that leaves its frame to the defaults gets those of its
// type: a dialog border with close alone for a dialog; all buttons, less maximize at one size, otherwise.
FormTraits TsSkinProvider::Traits() const {
    FormTraits traits;
    traits.Width = form_->width();
    traits.Height = form_->height();
    const bool custom = ownFlags_.testFlag(Qt::CustomizeWindowHint);
    const bool dialogFrame =
        ownFlags_.testFlag(Qt::MSWindowsFixedSizeDialogHint) || (!custom && form_->windowType() == Qt::Dialog);
    const bool fixed = form_->minimumSize() == form_->maximumSize();
    traits.BorderStyle = dialogFrame ? FormBorderStyle::Dialog
                         : fixed     ? FormBorderStyle::Single
                                     : FormBorderStyle::Sizeable;
    traits.HasSystemMenu = !custom || ownFlags_.testFlag(Qt::WindowSystemMenuHint);
    traits.HasMinimizeIcon = custom ? ownFlags_.testFlag(Qt::WindowMinimizeButtonHint) : !dialogFrame;
    traits.HasMaximizeIcon = custom ? ownFlags_.testFlag(Qt::WindowMaximizeButtonHint) : !dialogFrame && !fixed;
    traits.HasHelpIcon = ownFlags_.testFlag(Qt::WindowContextHelpButtonHint);
    traits.Maximized = form_->isMaximized();
    traits.Minimized = form_->isMinimized();
    return traits;
}

void TsSkinProvider::Apply() {
    if (!skinData_.IsSkinnedNow(false)) {
        Release();
        return;
    }
    const SkinContent& skin = skinData_.Manager()->Skin();
    const TitleLayout geometry = TitleGeometry::Compute(skin, kFormSection, Traits(), Metrics());
    SetFrame(geometry.Frame + QMargins(0, geometry.TitleHeight, 0, 0));
    Recompute();
}

void TsSkinProvider::Release() {
    buttonGlow_.reset();
    form_->setAttribute(Qt::WA_OpaquePaintEvent, ownOpaquePaint_);
    SetFrame({});
    form_->clearMask();
}

// Moves the client area inside a frame of these sizes: the window grows by the frame around its middle,
// its controls keep their places in the client area.
void TsSkinProvider::SetFrame(const QMargins& frame) {
    const QMargins delta = frame - applied_;
    if (delta.isNull())
        return;
    const bool frameless = !frame.isNull();
    if (form_->windowFlags().testFlag(Qt::FramelessWindowHint) != frameless) {
        const Qt::WindowFlags flags = frameless ? FramelessFlags(ownFlags_) : ownFlags_;
        if (form_->testAttribute(Qt::WA_WState_Created)) {
            // A window framed while it is being shown already has its native window. New flags through the
            // widget would make another one, which forgets where the window was placed and may believe itself
            // in the screen's corner wherever a window manager puts it: the native window takes them itself.
            form_->overrideWindowFlags(flags);
            form_->windowHandle()->setFlags(flags);
        } else {
            form_->setWindowFlags(flags);
        }
    }
    const QSize size = form_->size() + QSize(delta.left() + delta.right(), delta.top() + delta.bottom());
    const QRect client = QRect(QPoint(), size).marginsRemoved(frame);
    if (!form_->layout()) {
        for (QWidget* child : form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow())
                continue;
            child->move(child->pos() + QPoint(delta.left(), delta.top()));
            // A control reaching past the client area is cut at its edge, as the frame would hide it.
            if (!client.contains(child->geometry()))
                child->setMask(QRegion(client.translated(-child->pos())));
            else if (frame.isNull())
                child->clearMask();
        }
    }
    applied_ = frame;
    form_->setContentsMargins(frame);
    // The window grows around its middle, so that a centred window stays centred. A window nobody has placed
    // yet stays unplaced, so that a dialog is still centred over its owner when it is shown.
    if (!form_->isMaximized()) {
        const bool placed = form_->testAttribute(Qt::WA_Moved);
        form_->move(form_->pos() - QPoint((delta.left() + delta.right()) / 2, (delta.top() + delta.bottom()) / 2));
        form_->setAttribute(Qt::WA_Moved, placed);
    }
    if (form_->minimumSize() == form_->maximumSize())
        form_->setFixedSize(size);
    else
        form_->resize(size);
    form_->setMouseTracking(frameless);
}

void TsSkinProvider::Recompute() {
    if (applied_.isNull())
        return;
    const SkinContent& skin = skinData_.Manager()->Skin();
    geometry_ = TitleGeometry::Compute(skin, kFormSection, Traits(), Metrics());
    buttons_.assign(geometry_.Buttons.size(), TitleButtonState{});
    pressed_ = -1;
    buttonGlow_.reset();
    TakeIcon();
    const WindowOutline region =
        WindowRegion::Build(skin, kFormSection, kTitleSection, form_->size(), form_->isMaximized(), geometry_.Frame);
    form_->setMask(region.Region);
    // Where the window picture covers every pixel, the form's own background would only be painted over.
    form_->setAttribute(Qt::WA_OpaquePaintEvent, ownOpaquePaint_ || PaintsClientArea());
    skinData_.MarkStale();
}

FrameScene TsSkinProvider::Scene() const {
    FrameScene scene;
    scene.FormSection = kFormSection;
    scene.TitleSection = kTitleSection;
    scene.Title = geometry_;
    scene.WindowSize = form_->size();
    scene.Minimized = form_->isMinimized();
    scene.Caption = form_->windowTitle();
    scene.CaptionFont = form_->font();
    scene.CaptionFont.setPixelSize(kCaptionPixels);
    scene.Icon = icon_;
    scene.FormActive = formActive_;
    scene.FormEnabled = form_->isEnabled();
    scene.Grip = gripMode_ == gmRightBottom;
    scene.Buttons = buttons_;
    return scene;
}

void TsSkinProvider::TakeIcon() {
    icon_ = geometry_.IconSize.isEmpty() ? QImage() : form_->windowIcon().pixmap(geometry_.IconSize).toImage();
}

bool TsSkinProvider::PaintsClientArea() const {
    return FramePainter::PaintsClientArea(skinData_.Manager()->Skin(), kFormSection, form_->isMinimized());
}

void TsSkinProvider::PaintWindow(QImage& cache, const BackgroundInfo&) {
    painter_.Compose(skinData_.Manager()->Skin(), Scene(), cache);
}

int TsSkinProvider::ButtonAt(QPoint at) const {
    for (std::size_t i = 0; i < geometry_.Buttons.size(); ++i) {
        if (geometry_.Buttons[i].Rect.contains(at))
            return static_cast<int>(i);
    }
    return -1;
}

void TsSkinProvider::SetButtonState(int index, int state) {
    if (index < 0 || index >= static_cast<int>(buttons_.size()) ||
        buttons_[static_cast<std::size_t>(index)].State == state)
        return;
    buttons_[static_cast<std::size_t>(index)].State = state;
    // Only the button is drawn again: the controls below the title keep their pictures.
    skinData_.RepaintPart([&](QImage& picture) -> std::optional<QRect> {
        return painter_.RedrawButton(skinData_.Manager()->Skin(), Scene(), static_cast<std::size_t>(index), picture);
    });
    UpdateButtonGlow(index);
}

void TsSkinProvider::UpdateButtonGlow(int index) {
    const TitleButton& button = geometry_.Buttons[static_cast<std::size_t>(index)];
    if (buttons_[static_cast<std::size_t>(index)].State != 1) {
        if (glowButton_ == index)
            buttonGlow_.reset();
        return;
    }
    buttonGlow_.reset();
    glowButton_ = index;
    const TsSkinManager* manager = skinData_.Manager();
    const TsSkinData& data = manager->SkinData();
    const auto [size, margin] = GlowOf(data, button.ButtonKind);
    if (size <= 0 || !manager->AllowGlowing)
        return;
    const SkinContent& skin = manager->Skin();
    // The glow is the glyph's mask of the same name with "GLOW0" after it.
    const QString glyph = skin.Masks[static_cast<std::size_t>(button.GlyphIndex)].PropertyName;
    const int glow =
        skin.MaskIndexOf(skin.CachedIndexes.GlobalInfo, SkinNames::GlobalInfo, glyph + QLatin1String("GLOW0"));
    buttonGlow_ = GlowWindow::ShowAround(skin, glow, *form_,
                                         QRect(form_->mapToGlobal(button.Rect.topLeft()), button.Rect.size()), margin);
}

void TsSkinProvider::RepaintTitle() {
    // A window out of sight is composed when it is next shown.
    if (!form_->isVisible()) {
        skinData_.MarkStale();
        return;
    }
    skinData_.RepaintPart([&](QImage& picture) -> std::optional<QRect> {
        if (!painter_.QuickTitleRepaint(skinData_.Manager()->Skin(), Scene(), picture))
            return std::nullopt;
        return QRect(0, 0, form_->width(), applied_.top());
    });
}

void TsSkinProvider::Act(int index) {
    switch (geometry_.Buttons[static_cast<std::size_t>(index)].ButtonKind) {
        case TitleButton::Close:
            form_->close();
            break;
        case TitleButton::Maximize:
            if (form_->isMaximized())
                form_->showNormal();
            else
                form_->showMaximized();
            break;
        case TitleButton::Minimize:
            form_->showMinimized();
            break;
        case TitleButton::Help:
            QWhatsThis::enterWhatsThisMode();
            break;
    }
}

// A press on a title button holds it down; on the title bar it moves the window, on the edge of a sizeable
// one it sizes it.
bool TsSkinProvider::MousePressed(QPoint at) {
    const int button = ButtonAt(at);
    if (button >= 0) {
        pressed_ = button;
        SetButtonState(button, 2);
        return true;
    }
    QWindow* window = form_->windowHandle();
    if (!window)
        return false;
    const QRect client = form_->contentsRect();
    if (at.y() < client.top() && at.y() >= geometry_.Frame.top()) {
        window->startSystemMove();
        return true;
    }
    if (Traits().BorderStyle != FormBorderStyle::Sizeable)
        return false;
    Qt::Edges edges;
    edges.setFlag(Qt::LeftEdge, at.x() < client.left());
    edges.setFlag(Qt::RightEdge, at.x() > client.right());
    edges.setFlag(Qt::TopEdge, at.y() < geometry_.Frame.top());
    edges.setFlag(Qt::BottomEdge, at.y() > client.bottom());
    return edges && window->startSystemResize(edges);
}

// A title button acts when the press that took it down ends over it.
bool TsSkinProvider::MouseReleased(QPoint at) {
    if (pressed_ < 0)
        return false;
    const int button = pressed_;
    pressed_ = -1;
    const bool over = ButtonAt(at) == button;
    SetButtonState(button, over ? 1 : 0);
    if (over)
        Act(button);
    return true;
}

bool TsSkinProvider::eventFilter(QObject* watched, QEvent* event) {
    if (watched != form_ || applied_.isNull())
        return false;
    switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(form_);
            if (!PaintsClientArea())
                painter.setClipRegion(QRegion(form_->rect()) - form_->contentsRect());
            skinData_.PaintCached(painter);
            break;
        }
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate: {
            const bool active = event->type() == QEvent::WindowActivate;
            if (active != formActive_) {
                formActive_ = active;
                RepaintTitle();
            }
            break;
        }
        case QEvent::WindowIconChange:
            TakeIcon();
            RepaintTitle();
            break;
        case QEvent::WindowTitleChange:
            RepaintTitle();
            break;
        case QEvent::EnabledChange:
            skinData_.MarkStale();
            break;
        case QEvent::Resize:
            CentreOverOwner();
            Recompute();
            break;
        case QEvent::Show:
            centreOverOwner_ = !form_->testAttribute(Qt::WA_Moved);
            CentreOverOwner();
            break;
        case QEvent::WindowStateChange:
            Recompute();
            break;
        case QEvent::Move:
            buttonGlow_.reset();
            CentreOverOwner();
            if (event->spontaneous()) {
                // Asked at once, the display may still show the window where the window manager is taking it
                // from: the window looks when that is done.
                for (const int delay : {250, 1000})
                    QTimer::singleShot(delay, this, [this] { TrustDisplayPosition(); });
            }
            break;
        case QEvent::Hide:
            buttonGlow_.reset();
            break;
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            return mouse->button() == Qt::LeftButton && MousePressed(mouse->position().toPoint());
        }
        case QEvent::MouseButtonRelease:
            return MouseReleased(static_cast<QMouseEvent*>(event)->position().toPoint());
        case QEvent::MouseMove: {
            const int over = ButtonAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            for (int i = 0; i < static_cast<int>(buttons_.size()); ++i)
                SetButtonState(i, i == pressed_ ? (over == i ? 2 : 1) : (over == i && pressed_ < 0 ? 1 : 0));
            break;
        }
        case QEvent::Leave:
            for (int i = 0; i < static_cast<int>(buttons_.size()); ++i)
                SetButtonState(i, 0);
            break;
        default:
            break;
    }
    return false;
}

// A window manager that takes the frame off a window may report it in the screen's corner for a moment, and Qt
// believes it: menus, lists and dialogs would then open far from their window. Where the display shows it
// elsewhere, the window learns where it really is.
void TsSkinProvider::TrustDisplayPosition() {
    const std::optional<QPoint> shown = DisplayPosition(*form_);
    if (shown && *shown != form_->mapToGlobal(QPoint(0, 0)))
        form_->move(*shown);
}

// A dialog nobody placed opens centred over the window it belongs to, on that window's screen. Qt's own
// placement guesses a title bar that our frameless windows do not have, and a message box sizes itself only as it
// is shown: until it is on the screen, every move and size keeps it centred.
void TsSkinProvider::CentreOverOwner() {
    const QWidget* owner = form_->parentWidget() != nullptr ? form_->parentWidget()->window() : nullptr;
    const QWindow* window = form_->windowHandle();
    if (window != nullptr && window->isExposed())
        centreOverOwner_ = false;
    if (!centreOverOwner_ || owner == nullptr || !form_->isVisible() || form_->isMaximized())
        return;
    QRect place(QPoint(), form_->size());
    const QRect ownerPlace(DisplayPosition(*owner).value_or(owner->pos()), owner->size());
    place.moveCenter(ownerPlace.center());
    const QRect screen = owner->screen()->availableGeometry();
    place.moveLeft(std::clamp(place.left(), screen.left(), std::max(screen.left(), screen.right() - place.width())));
    place.moveTop(std::clamp(place.top(), screen.top(), std::max(screen.top(), screen.bottom() - place.height())));
    if (place.topLeft() != form_->pos())
        form_->move(place.topLeft());
    form_->setAttribute(Qt::WA_Moved, false);
}

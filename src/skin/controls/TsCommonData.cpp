#include "skin/controls/TsCommonData.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

#include "skin/controls/BackgroundSource.h"
#include "skin/controls/SkinCommandEvent.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/loading/SkinNames.h"
#include "skin/raster/DisabledLook.h"
#include "skin/raster/TextPainter.h"

namespace {

using Pixels::Rgb;

// Colour a moved towards colour b by `percent` per channel.
int Towards(int a, int b, int percent) {
    return Pixels::ToSkinColor(Pixels::MixPercent(Pixels::FromSkinColor(b), Pixels::FromSkinColor(a), percent));
}

bool ThinBorder(const SkinContent& skin, int maskIndex) {
    if (maskIndex < 0 || maskIndex >= static_cast<int>(skin.Masks.size()))
        return true;
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(maskIndex)];
    return mask.BorderLeft() + mask.BorderRight() <= 24 && mask.BorderTop() + mask.BorderBottom() < 25;
}

}  // namespace

TsCommonData::TsCommonData(QWidget* host, const QString& section, int kindCode, Role role)
    : host_(host), kindCode_(kindCode), skinSection_(section.isEmpty() ? SkinNames::Unknown : section.toUpper()) {
    if (role == rControl)
        host->installEventFilter(this);
    RefreshIndexes();
}

TsCommonData::~TsCommonData() {
    Clear();
}

void TsCommonData::SetSkinSection(const QString& section) {
    skinSection_ = section.isEmpty() ? SkinNames::Unknown : section.toUpper();
    Reapply();
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
    skinManager_ = manager && !manager->IsDefault() ? manager : nullptr;
    Reapply();
}

void TsCommonData::Reapply() {
    RefreshIndexes();
    if (host_)
        SkinCommandEvent::Send(host_, IsSkinnedNow() ? cmdRepaint : cmdSkinRemoved, 0, Manager());
}

void TsCommonData::SetCustomColor(bool custom) {
    customColor_ = custom;
    MarkStale();
}

void TsCommonData::SetCustomFont(bool custom) {
    customFont_ = custom;
    MarkStale();
}

QWidget* TsCommonData::Host() const {
    return host_;
}

TsSkinManager* TsCommonData::Manager() const {
    return skinManager_ ? skinManager_.data() : TsSkinManager::DefaultManager();
}

void TsCommonData::RefreshIndexes() {
    const TsSkinManager* manager = Manager();
    look_ = manager ? SectionLook::For(manager->Skin(), skinSection_) : SectionLook{};
    ComputeOpaque();
    backgroundStale_ = true;
}

bool TsCommonData::IsSkinnedNow(bool requireReady) const {
    const TsSkinManager* manager = Manager();
    return host_ && manager && look_.SectionIdx >= 0 &&
           look_.SectionIdx < static_cast<int>(manager->Skin().Sections.size()) &&
           (!requireReady || manager->SkinData().SkinReady);
}

const TsGeneralData& TsCommonData::Section() const {
    return Manager()->Skin().Sections[static_cast<std::size_t>(look_.SectionIdx)];
}

bool TsCommonData::HotNow() const {
    if (!host_ || !host_->isEnabled())
        return false;
    if ((kindCode_ & kfWindowed) && focusFlag_)
        return true;
    return (kindCode_ & kfTakesHover) && pointerOver_;
}

int TsCommonData::OwnColor() const {
    return Pixels::FromQColor(host_->palette().color(QPalette::Window));
}

int TsCommonData::GlobalColor() const {
    const TsSkinManager* manager = Manager();
    return TextPainter::GlobalColor(manager ? &manager->Skin() : nullptr);
}

int TsCommonData::ParentColor() const {
    const BackgroundRequest request = BackgroundSource::Ask(host_, Manager(), GlobalColor());
    if (request.Kind == BackgroundRequest::Picture && !request.ParentPicture.isNull()) {
        // The colour in the middle of the place the control takes in the parent's picture.
        const QPoint middle = QPoint(request.X, request.Y) + host_->rect().center();
        const QRect inside = request.ParentPicture.rect();
        const QPoint at(std::clamp(middle.x(), inside.left(), inside.right()),
                        std::clamp(middle.y(), inside.top(), inside.bottom()));
        return Pixels::ToSkinColor(Pixels::Get(request.ParentPicture, at.x(), at.y()));
    }
    return request.PlainColor == Pixels::kNoColor ? GlobalColor() : request.PlainColor;
}

int TsCommonData::StateColor(bool hot) const {
    if (!IsSkinnedNow() || customColor_)
        return OwnColor();
    const TsGeneralData& section = Section();
    const int transparency = hot ? section.HotTransparency : section.Transparency;
    const int color = hot ? section.HotColor : section.Color;
    if (transparency <= 0)
        return color;
    return Towards(color, ParentColor(), std::min(transparency, 100));
}

int TsCommonData::ChildBackgroundColor() const {
    const TsGeneralData& section = Section();
    if (section.Transparency <= 0)
        return section.Color;
    return Towards(section.Color, ParentColor(), std::min(section.Transparency, 100));
}

void TsCommonData::ComputeOpaque() {
    opaque_ = false;
    if (!(kindCode_ & kfMayBeOpaque) || !IsSkinnedNow(false))
        return;
    if (!look_.PlainSurface(Manager()->Skin()))
        return;
    const TsGeneralData& section = Section();
    const QWidget* parent = host_ ? host_->parentWidget() : nullptr;
    const bool parentOpaque =
        parent && (SkinCommandEvent::Send(const_cast<QWidget*>(parent), cmdFlags, 0, Manager()) & 1);
    opaque_ = section.Transparency == 0 || (section.Transparency == 100 && parentOpaque);
}

void TsCommonData::MarkStale() {
    backgroundStale_ = true;
    if (host_)
        host_->update();
}

void TsCommonData::RepaintPart(const std::function<std::optional<QRect>(QImage&)>& repaint) {
    std::optional<QRect> changed;
    if (!backgroundStale_ && !frozen_ && cache_.size() == host_->size())
        changed = repaint(cache_);
    if (changed)
        host_->update(*changed);
    else
        MarkStale();
}

BackgroundInfo TsCommonData::RequestBackground() const {
    return BackgroundSource::InfoOf(BackgroundSource::Ask(host_, Manager(), GlobalColor()));
}

void TsCommonData::AnswerBackgroundRequest(BackgroundRequest& request) {
    if (!IsSkinnedNow() || customColor_) {
        request.Kind = BackgroundRequest::Colour;
        request.PlainColor = OwnColor();
        return;
    }
    const TsGeneralData& section = Section();
    if (section.Transparency == 0 && section.GradientPercent == 0 && section.ImagePercent == 0) {
        request.Kind = BackgroundRequest::Colour;
        request.PlainColor = StateColor(false);
        return;
    }
    if (section.Transparency >= 100 && ThinBorder(Manager()->Skin(), look_.BorderMaskIdx)) {
        request = BackgroundSource::Ask(host_, Manager(), GlobalColor());
        return;
    }
    // A parent that has not been composed yet is composed now, so that every child sees the same picture.
    if (backgroundStale_ && !frozen_ && paint_)
        Compose();
    if (cache_.isNull()) {
        request.Kind = BackgroundRequest::Colour;
        request.PlainColor = section.Transparency >= 100 ? ParentColor() : Pixels::kNoColor;
        return;
    }
    request.Kind = BackgroundRequest::Picture;
    request.ParentPicture = cache_;
    request.X = 0;
    request.Y = 0;
}

SectionLook TsCommonData::PaintLook() const {
    SectionLook look = look_;
    if (customColor_)
        look.CustomColor = OwnColor();
    return look;
}

bool TsCommonData::PaintCached(QPainter& painter, const PaintStateKey& state) {
    if (!IsSkinnedNow())
        return false;
    if (frozen_)
        return true;
    if (state != stateKey_) {
        stateKey_ = state;
        backgroundStale_ = true;
    }
    if (backgroundStale_ || cache_.size() != host_->size())
        Compose();
    effects_.Draw(painter, cache_);
    return true;
}

void TsCommonData::Compose() {
    if (host_->size().isEmpty()) {
        cache_ = QImage();
        backgroundStale_ = false;
        return;
    }
    // The last picture is painted over when it still fits: every painter covers the whole of it.
    if (cache_.size() != host_->size() || cache_.format() != QImage::Format_RGB888)
        cache_ = QImage(host_->size(), QImage::Format_RGB888);
    const BackgroundInfo background = RequestBackground();
    if (paint_)
        paint_(cache_, background);
    if (!host_->isEnabled())
        ApplyDisabledLook(background);
    backgroundStale_ = false;
    // Children that show this picture through them take it again when they are next painted.
    for (QWidget* child : host_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        SkinCommandEvent::Send(child, cmdParentChanged, 0, Manager());
}

void TsCommonData::ApplyDisabledLook(const BackgroundInfo& background) {
    const int plain = background.PlainColor == Pixels::kNoColor ? ParentColor() : background.PlainColor;
    DisabledLook::Apply(cache_, DisabledKind, background, plain);
}

void TsCommonData::StartFade(bool pressed) {
    if (!IsSkinnedNow() || !Section().FadingEnabled || TsSkinManager::SkinChanging() || cache_.isNull() ||
        backgroundStale_) {
        MarkStale();
        return;
    }
    const int iterations = Section().FadingIterations;
    effects_.StartFade(host_, cache_, pressed ? std::max(1, iterations / 2) : iterations);
    MarkStale();
}

void TsCommonData::HotChanged(bool pointerOver) {
    if (pointerOver == pointerOver_)
        return;
    pointerOver_ = pointerOver;
    if (kindCode_ & kfTakesHover)
        StartFade(false);
    UpdateGlow();
}

void TsCommonData::UpdateGlow() {
    effects_.HideGlow();
    const TsSkinManager* manager = Manager();
    if (!(kindCode_ & kfGlows) || !IsSkinnedNow() || !manager->AllowGlowing || !HotNow() || Section().GlowCount < 1 ||
        (QApplication::mouseButtons() & Qt::LeftButton) || !host_->isVisible())
        return;
    const SkinContent& skin = manager->Skin();
    effects_.ShowGlow(*host_, skin, skin.MaskIndexOf(look_.SectionIdx, skinSection_, QStringLiteral("GLOW0")),
                      Section().GlowMargin);
}

void TsCommonData::Clear() {
    look_ = SectionLook{};
    cache_ = QImage();
    effects_.HideGlow();
    effects_.StopFade();
}

bool TsCommonData::HandleCommand(int command, int argument, int& answer) {
    switch (command) {
        case cmdSkinLoaded:
            RefreshIndexes();
            break;
        case cmdSkinRemoved:
            Clear();
            frozen_ = true;
            host_->update();
            break;
        case cmdRepaint:
            backgroundStale_ = true;
            frozen_ = false;
            host_->update();
            break;
        case cmdIsSkinned:
            answer = 1;
            return true;
        case cmdFreeze:
        case cmdFreezeAlternative:
            frozen_ = (argument & 0xFFFF) != 0;
            return true;
        case cmdIsStaleOrFrozen:
            answer = backgroundStale_ || frozen_ ? 1 : 0;
            return true;
        case cmdStopFading:
            effects_.StopFade();
            break;
        case cmdMarkStale:
            MarkStale();
            return true;
        case cmdParentChanged:
            backgroundStale_ = true;
            if (argument == 1) {
                host_->update();
                for (QWidget* child : host_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    SkinCommandEvent::Send(child, cmdParentChanged, 1, Manager());
            }
            return true;
        case cmdSectionIndex:
            answer = IsSkinnedNow() ? look_.SectionIdx + 1 : 0;
            return true;
        case cmdFlags:
            if (argument == 1) {
                ComputeOpaque();
                for (QWidget* child : host_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    SkinCommandEvent::Send(child, cmdFlags, 1, Manager());
            }
            answer = opaque_ ? 1 : 0;
            return true;
        default:
            return false;
    }
    if (command != cmdStopFading)
        emit SkinChanged();
    // The commands a manager broadcasts go on to the children from here.
    SkinCommandEvent::PassToChildren(host_, command, Manager());
    return true;
}

bool TsCommonData::eventFilter(QObject* watched, QEvent* event) {
    if (watched != host_)
        return false;
    if (event->type() == SkinCommandEvent::kType) {
        auto* command = static_cast<SkinCommandEvent*>(event);
        // Children of any manager may ask for what lies beneath them.
        if (command->Command == cmdBackgroundRequest) {
            AnswerBackgroundRequest(*static_cast<BackgroundRequest*>(command->Data));
            return true;
        }
        if (command->Command == cmdBackgroundColor) {
            if (IsSkinnedNow() && !customColor_) {
                *static_cast<int*>(command->Data) = ChildBackgroundColor();
                command->Answer = 1;
            }
            return true;
        }
        if (command->Manager != Manager())
            return false;
        return HandleCommand(command->Command, command->Argument, command->Answer);
    }
    switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Move:
            effects_.HideGlow();
            backgroundStale_ = true;
            for (QWidget* child : host_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                SkinCommandEvent::Send(child, cmdParentChanged, 0, Manager());
            break;
        case QEvent::Enter:
            HotChanged(true);
            break;
        case QEvent::Leave:
            HotChanged(false);
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            focusFlag_ = event->type() == QEvent::FocusIn;
            MarkStale();
            break;
        case QEvent::MouseButtonPress:
            effects_.HideGlow();
            if (kindCode_ & kfTakesHover)
                StartFade(true);
            break;
        case QEvent::Hide:
            effects_.HideGlow();
            break;
        case QEvent::EnabledChange:
        case QEvent::FontChange:
        case QEvent::PaletteChange:
            MarkStale();
            break;
        default:
            break;
    }
    return false;
}

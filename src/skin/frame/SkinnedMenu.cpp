#include "skin/frame/SkinnedMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>

#include "skin/controls/TsSkinManager.h"
#include "skin/frame/WindowRegion.h"
#include "skin/raster/ItemPainter.h"
#include "skin/raster/MaskPainter.h"
#include "skin/raster/TextPainter.h"

namespace {

const QString kMenuSection = QStringLiteral("MAINMENU");
// Space between the icon column and the caption, and between the shortcut or arrow and the item's end.
constexpr int kTextGap = 6;
// Around an icon in its column, on each side.
constexpr int kIconPadding = 4;
const QString kSubmenuArrow = QStringLiteral("\u25B8");

// The picture composed so far, as what lies beneath the parts painted next.
BackgroundInfo Beneath(const QImage& picture) {
    BackgroundInfo info;
    info.ParentPicture = picture;
    info.Ready = true;
    return info;
}

// The glyph of the skin for a checked item, or -1.
int CheckGlyph(const SkinContent& skin, const QAction* action) {
    const bool exclusive = action->actionGroup() && action->actionGroup()->isExclusive();
    return exclusive ? skin.CachedIndexes.RadioChecked : skin.CachedIndexes.BoxChecked;
}

}  // namespace

SkinnedMenu::SkinnedMenu(QMenu* menu)
    : QObject(menu), menu_(menu), skinData_(menu, kMenuSection, 0), ownMargins_(menu->contentsMargins()) {
    setObjectName(QStringLiteral("SkinnedMenu"));
    skinData_.SetPainter([this](QImage& cache, const BackgroundInfo& background) { Compose(cache, background); });
    connect(&skinData_, &TsCommonData::SkinChanged, this, &SkinnedMenu::Apply);
    // The manager may have stopped or started skinning popups since the menu was last shown; the menu
    // measures itself after this signal.
    connect(menu, &QMenu::aboutToShow, this, &SkinnedMenu::Apply);
    menu->installEventFilter(this);
    Apply();
}

SkinnedMenu* SkinnedMenu::Of(const QMenu* menu) {
    return menu->findChild<SkinnedMenu*>(QString(), Qt::FindDirectChildrenOnly);
}

bool SkinnedMenu::Skinned() const {
    return Applies() && skinData_.IsSkinnedNow();
}

// While a skin is being announced it is not ready yet, but the layout already follows it.
bool SkinnedMenu::Applies() const {
    const TsSkinManager* manager = skinData_.Manager();
    return manager && manager->SkinnedPopups && skinData_.IsSkinnedNow(false);
}

QMargins SkinnedMenu::BorderMargins() const {
    const SkinContent& skin = skinData_.Manager()->Skin();
    const int maskIndex = skinData_.Look().BorderMaskIdx;
    if (maskIndex < 0 || maskIndex >= static_cast<int>(skin.Masks.size()))
        return {};
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(maskIndex)];
    return {mask.BorderLeft(), mask.BorderTop(), mask.BorderRight(), mask.BorderBottom()};
}

void SkinnedMenu::Apply() {
    const bool skinned = Applies();
    if (skinned && !applied_)
        ownMargins_ = menu_->contentsMargins();
    if (!skinned && applied_)
        menu_->clearMask();
    const QMargins margins = skinned ? BorderMargins() : ownMargins_;
    applied_ = skinned;
    if (margins != menu_->contentsMargins()) {
        // A hidden menu lays its items out when it pops up; a pending resize would have it do so whenever its
        // window is rendered into a picture.
        const bool pending = menu_->testAttribute(Qt::WA_PendingResizeEvent);
        menu_->setContentsMargins(margins);
        if (!menu_->isVisible())
            menu_->setAttribute(Qt::WA_PendingResizeEvent, pending);
        // The menu keeps its items where it last laid them out until its style changes; then it lays them
        // out again inside the new margins, and an open menu takes its new size at once.
        QEvent restyled(QEvent::StyleChange);
        QCoreApplication::sendEvent(menu_, &restyled);
    }
    Outline();
    skinData_.MarkStale();
}

void SkinnedMenu::Outline() {
    if (applied_) {
        menu_->setMask(
            WindowRegion::Build(skinData_.Manager()->Skin(), kMenuSection, QString(), menu_->size(), false, {}).Region);
    }
}

QRect SkinnedMenu::IconColumn() const {
    const QRect inner = menu_->contentsRect();
    const QStyle* style = menu_->style();
    const int itemLeft = style->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu_) +
                         style->pixelMetric(QStyle::PM_MenuHMargin, nullptr, menu_);
    const int iconArea = style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu_) + 2 * kIconPadding;
    return {inner.left(), inner.top(), itemLeft + iconArea, inner.height()};
}

QRect SkinnedMenu::IconCell(const QRect& row) const {
    const QRect column = IconColumn();
    return {column.left(), row.top(), column.width(), row.height()};
}

QRect SkinnedMenu::TextRect(const QRect& row) const {
    const int left = IconColumn().right() + 1 + kTextGap;
    return {left, row.top(), row.right() - kTextGap - left + 1, row.height()};
}

bool SkinnedMenu::Hot(const QAction* action) const {
    return action == menu_->activeAction() && action->isEnabled();
}

// Everything the picture shows besides the actions themselves, whose changes mark it stale.
PaintStateKey SkinnedMenu::StateKey() const {
    return {.Row = static_cast<int>(menu_->actions().indexOf(menu_->activeAction()))};
}

void SkinnedMenu::Compose(QImage& cache, const BackgroundInfo& background) const {
    const TsSkinManager* manager = skinData_.Manager();
    const SkinContent& skin = manager->Skin();
    ItemPainter::PaintItem(skin, skinData_.Look(), background, true, 0, cache, QPoint(), cache.rect());
    const QRect column = IconColumn();
    ItemPainter::PaintItem(skin, SectionLook::For(skin, manager->IcoLineSkin), Beneath(cache), true, 0, cache,
                           column.topLeft(), column);
    const BackgroundInfo beneath = Beneath(cache);
    const QList<QAction*> actions = menu_->actions();
    for (QAction* action : actions)
        PaintSurface(cache, action, beneath);
    QPainter painter(&cache);
    painter.setFont(menu_->font());
    for (QAction* action : actions)
        PaintContents(painter, action);
}

void SkinnedMenu::PaintSurface(QImage& cache, QAction* action, const BackgroundInfo& beneath) const {
    const QRect row = menu_->actionGeometry(action);
    if (row.isEmpty())
        return;
    const TsSkinManager* manager = skinData_.Manager();
    const SkinContent& skin = manager->Skin();
    if (action->isSeparator()) {
        const QRect text = TextRect(row);
        Pixels::Fill(cache, QRect(text.left(), row.center().y(), text.width(), 1),
                     Pixels::FromSkinColor(manager->SkinData().BorderColor));
        return;
    }
    if (Hot(action))
        ItemPainter::PaintBackground(skin, skinData_.Look(), beneath, 1, cache, row.topLeft(), row);
    const int glyph = CheckGlyph(skin, action);
    if (!action->isChecked() || !action->icon().isNull() || glyph < 0 || glyph >= static_cast<int>(skin.Masks.size()))
        return;
    // Over the row as painted so far: the glyph's transparent pixels keep the hot surface.
    const QRect place = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                            skin.Masks[static_cast<std::size_t>(glyph)].GlyphSize(), IconCell(row));
    MaskPainter::DrawGlyph(cache, place.topLeft(), Hot(action) ? 1 : 0, skin, glyph, BackgroundInfo{}, QPoint());
}

void SkinnedMenu::PaintContents(QPainter& painter, QAction* action) const {
    const QRect row = menu_->actionGeometry(action);
    if (row.isEmpty() || action->isSeparator())
        return;
    const bool hot = Hot(action);
    const bool enabled = action->isEnabled();
    if (!action->icon().isNull()) {
        const int side = menu_->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, menu_);
        const QIcon::Mode mode = !enabled ? QIcon::Disabled : hot ? QIcon::Active : QIcon::Normal;
        const QPixmap icon = action->icon().pixmap(QSize(side, side), menu_->devicePixelRatio(), mode,
                                                   action->isChecked() ? QIcon::On : QIcon::Off);
        const QRect place = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, QSize(side, side), IconCell(row));
        painter.drawPixmap(place, icon);
    }

    QString caption = action->text();
    QString keys;
    if (const qsizetype tab = caption.indexOf(u'\t'); tab >= 0) {
        keys = caption.mid(tab + 1);
        caption.truncate(tab);
    } else if (!action->shortcut().isEmpty()) {
        keys = action->shortcut().toString(QKeySequence::NativeText);
    }
    if (action->menu())
        keys = kSubmenuArrow;
    const TsGeneralData& section = skinData_.Section();
    const int global = skinData_.GlobalColor();
    QRect text = TextRect(row);
    const auto draw = [&](const QString& words, int alignment) {
        TextPainter::Draw(painter, words, text, alignment | Qt::AlignVCenter | Qt::TextSingleLine, section, hot,
                          enabled, global);
    };
    if (!keys.isEmpty()) {
        draw(keys, Qt::AlignRight);
        text.setRight(text.right() - painter.fontMetrics().horizontalAdvance(keys) - kTextGap);
    }
    const bool underline = menu_->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, menu_);
    draw(TextPainter::CutToFit(painter.fontMetrics(), caption, text.width()),
         Qt::AlignLeft | (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic));
}

bool SkinnedMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched != menu_)
        return false;
    switch (event->type()) {
        case QEvent::Paint: {
            if (!Skinned())
                return false;
            QPainter painter(menu_);
            return skinData_.PaintCached(painter, StateKey());
        }
        case QEvent::Resize:
            Outline();
            break;
        case QEvent::ActionAdded:
        case QEvent::ActionChanged:
        case QEvent::ActionRemoved:
            skinData_.MarkStale();
            break;
        default:
            break;
    }
    return false;
}

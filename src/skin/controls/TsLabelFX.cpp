#include "skin/controls/TsLabelFX.h"

#include <QEvent>
#include <QPainter>

#include "skin/controls/ControlPainter.h"
#include "skin/controls/TsSkinManager.h"

TsLabelFX::TsLabelFX(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
    connect(&skinData_, &TsCommonData::SkinChanged, this, [this] {
        AdjustSize();
        update();
    });
    AdjustSize();
}

void TsLabelFX::SetCaption(const QString& caption) {
    caption_ = caption;
    AdjustSize();
    update();
}

void TsLabelFX::SetKind(const TsKind& kind) {
    kind_ = kind;
    update();
}

void TsLabelFX::SetShadow(const TsShadow& shadow) {
    shadow_ = shadow;
    AdjustSize();
    update();
}

void TsLabelFX::SetAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void TsLabelFX::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TsLabelFX::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TsLabelFX::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        AdjustSize();
    QWidget::changeEvent(event);
}

const TsSkinManager* TsLabelFX::ReadySkin() const {
    const TsSkinManager* manager = skinData_.Manager();
    return manager && manager->SkinData().SkinReady ? manager : nullptr;
}

// The skin mode takes the skin's shadow when it gives one. In the plain look, without a skin, a dark text
// gets a light halo instead of the dark shadow, which would only smear it on the light background.
TsLabelFX::ShadowSettings TsLabelFX::EffectiveShadow() const {
    if (shadow_.mode == TsShadow::smNone)
        return {QColor(), 0, 0};
    const TsSkinManager* skin = ReadySkin();
    if (shadow_.mode == TsShadow::smSkin && skin && skin->SkinData().Shadow1Blur != -1) {
        const TsSkinData& facts = skin->SkinData();
        constexpr int kNoShadowColor = 0x1FFFFFFF;
        const QColor colour = facts.Shadow1Color == kNoShadowColor ? QColor() : Pixels::ToQColor(facts.Shadow1Color);
        return {colour, facts.Shadow1Blur, facts.Shadow1Offset};
    }
    const bool darkText = TextColor().lightness() < 128;
    const bool halo = !skin && shadow_.mode == TsShadow::smSkin && darkText;
    return {halo ? QColor(Qt::white) : shadow_.Color, shadow_.BlurCount, shadow_.Distance};
}

// The standard kind shows the label's own colour, the custom kind its kind's colour, and the skin kind the
// skin's global contour colour when it gives one, else its kind's colour. In the plain look, without a
// skin, the skin kind shows the label's own colour, which the window chose to suit its plain background.
QColor TsLabelFX::TextColor() const {
    switch (kind_.KindType) {
        case TsKind::ktStandard:
            return color_.isValid() ? color_ : palette().color(QPalette::WindowText);
        case TsKind::ktCustom:
            return kind_.Color;
        case TsKind::ktSkin:
            break;
    }
    const TsSkinManager* skin = ReadySkin();
    if (!skin)
        return color_.isValid() ? color_ : kind_.Color;
    const int global = skin->Skin().CachedIndexes.GlobalInfo;
    const int contour = global >= 0 ? skin->Skin().Sections[static_cast<std::size_t>(global)].TCLeft : -1;
    return contour != -1 ? Pixels::ToQColor(contour) : kind_.Color;
}

QImage TsLabelFX::Tint(const ShadowSettings& shadow) const {
    QImage tint(size(), QImage::Format_ARGB32);
    const QRgb colour = shadow.color.rgb();
    for (int y = 0; y < tint.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tint.scanLine(y));
        for (int x = 0; x < tint.width(); ++x)
            line[x] = qRgba(qRed(colour), qGreen(colour), qBlue(colour), glowMap_.At(x, y));
    }
    return tint;
}

QImage TsLabelFX::ComposedShadow(const ShadowSettings& shadow) const {
    QImage picture(size(), QImage::Format_RGB888);
    ControlPainter(skinData_).PaintParent(picture, skinData_.RequestBackground(), picture.rect());
    const Pixels::Rgb tint = Pixels::FromSkinColor(Pixels::FromQColor(shadow.color));
    Pixels::Transform(picture, picture.rect(),
                      [&](int x, int y, Pixels::Rgb old) { return Pixels::ShadowOver(old, tint, glowMap_.At(x, y)); });
    return picture;
}

QString TsLabelFX::DrawnText() const {
    QString text = caption_;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

// The label follows its text: the left and top edges stay, and the size grows by the room the shadow
// reaches beyond the text.
void TsLabelFX::AdjustSize() {
    // The room for the shadow is kept only by a label that sizes itself; a fixed one draws its text over
    // its whole rectangle.
    const ShadowSettings shadow = EffectiveShadow();
    const bool room = autoSize_ && shadow.Active();
    reachBefore_ = room ? std::min(0, shadow.distance - shadow.blur) : 0;
    reachAfter_ = room ? std::max(0, shadow.distance + shadow.blur) : 0;
    if (!autoSize_)
        return;
    const QRect text = fontMetrics().boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, DrawnText());
    const int reach = reachAfter_ - reachBefore_;
    resize(text.width() + reach, text.height() + reach);
}

QRect TsLabelFX::TextRect() const {
    return rect().adjusted(-reachBefore_, -reachBefore_, -reachAfter_, -reachAfter_);
}

void TsLabelFX::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QString text = DrawnText();
    if (!isEnabled()) {
        // Embossed: a light copy one pixel right and down, under the text in the shadow colour.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(TextRect().translated(1, 1), alignment_, text);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawText(TextRect(), alignment_, text);
        return;
    }

    const ShadowSettings shadow = EffectiveShadow();
    if (shadow.Active() && !size().isEmpty()) {
        QImage silhouette(size(), QImage::Format_RGB32);
        silhouette.fill(Qt::black);
        {
            QPainter silhouettePainter(&silhouette);
            silhouettePainter.setFont(font());
            silhouettePainter.setPen(Qt::white);
            silhouettePainter.drawText(TextRect().translated(shadow.distance, shadow.distance), alignment_, text);
        }
        glowMap_.Blur(silhouette, shadow.blur);

        painter.drawImage(0, 0, ReadySkin() ? ComposedShadow(shadow) : Tint(shadow));
    }
    painter.setPen(TextColor());
    painter.drawText(TextRect(), alignment_, text);
}

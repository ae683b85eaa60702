#include "skin/TsLabelFX.h"

#include <QEvent>
#include <QPainter>

TsLabelFX::TsLabelFX(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
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

// No skin gives shadow settings yet, so the skin mode uses the label's own. In the plain look a dark
// text gets a light halo instead of the dark shadow, which would only smear it on the light background.
TsLabelFX::ShadowSettings TsLabelFX::EffectiveShadow() const {
    if (shadow_.mode == TsShadow::smNone)
        return {QColor(), 0, 0};
    const bool darkText = TextColor().lightness() < 128;
    const QColor colour = shadow_.mode == TsShadow::smSkin && darkText ? QColor(Qt::white) : shadow_.Color;
    return {colour, shadow_.BlurCount, shadow_.Distance};
}

// The skin kind takes its colour from the skin; in the plain look, without a skin, the label's own
// colour keeps it readable on the plain background.
QColor TsLabelFX::TextColor() const {
    if (kind_.KindType == TsKind::ktCustom || !color_.isValid())
        return kind_.Color;
    return color_;
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
        painter.setPen(palette().color(QPalette::Highlight));
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

        // The map's intensity becomes the shadow's opacity over whatever lies under the label.
        QImage tint(size(), QImage::Format_ARGB32);
        const QRgb colour = shadow.color.rgb();
        for (int y = 0; y < tint.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(tint.scanLine(y));
            for (int x = 0; x < tint.width(); ++x) {
                line[x] = qRgba(qRed(colour), qGreen(colour), qBlue(colour), glowMap_.At(x, y));
            }
        }
        painter.drawImage(0, 0, tint);
    }
    painter.setPen(TextColor());
    painter.drawText(TextRect(), alignment_, text);
}

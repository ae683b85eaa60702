#pragma once

#include <QColor>
#include <QWidget>

#include "skin/controls/TsCommonData.h"
#include "skin/loading/SkinNames.h"
#include "skin/raster/GlowMap.h"

class TsSkinManager;

// Where an effect label takes its text colour from.
struct TsKind {
    enum Type { ktStandard, ktCustom, ktSkin };
    Type KindType = ktSkin;
    QColor Color = Qt::white;
};

// The soft shadow under an effect label's text.
struct TsShadow {
    enum Mode { smNone, smCustom, smSkin };
    Mode mode = smSkin;
    QColor Color = Qt::black;
    int BlurCount = 4;
    int Distance = 1;
};

// A transparent label whose text lies over a soft shadow: the text's silhouette, shifted by the shadow
// distance and blurred, tinted with the shadow colour and blended into the background. Sized to its
// text, the label keeps its left edge and leaves room for the shadow.
class TsLabelFX : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ Caption)

public:
    explicit TsLabelFX(const QString& caption, QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }
    // Lines are separated by CR LF.
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    void SetKind(const TsKind& kind);
    void SetShadow(const TsShadow& shadow);
    void SetAlignment(Qt::Alignment alignment);
    // On by default: the label follows its text. Off, it keeps the size it is given.
    void SetAutoSize(bool autoSize);
    // The label's own colour, used by the standard kind.
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct ShadowSettings {
        QColor color;
        int blur;
        int distance;
        bool Active() const { return blur > 0 && color.isValid(); }
    };
    // The skin is loaded and ready to paint with.
    const TsSkinManager* ReadySkin() const;
    ShadowSettings EffectiveShadow() const;
    // Blends the blurred silhouette's shadow into what lies under the label, as the skin composes pictures.
    QImage ComposedShadow(const ShadowSettings& shadow) const;
    // Without a skin the background is not known: the shadow is laid over it with the map as its opacity.
    QImage Tint(const ShadowSettings& shadow) const;
    QColor TextColor() const;
    QString DrawnText() const;
    void AdjustSize();
    QRect TextRect() const;

    TsCommonData skinData_{this, SkinNames::Unknown, TsCommonData::kfTextFromAncestor};
    QString caption_;
    TsKind kind_;
    TsShadow shadow_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    bool autoSize_ = true;
    QColor color_;
    int reachBefore_ = 0;
    int reachAfter_ = 0;
    mutable GlowMap glowMap_;
};

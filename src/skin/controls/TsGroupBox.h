#pragma once

#include <QColor>
#include <QWidget>

#include "skin/controls/TsCommonData.h"

// A box with its caption centred on the top edge. Children are placed relative to the box's own top-left
// corner, caption band included.
class TsGroupBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ Caption)

public:
    explicit TsGroupBox(const QString& caption, QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }
    // The section the caption's area is painted with.
    TsCommonData& CaptionSkin() { return captionSkin_; }
    const QString& Caption() const { return caption_; }
    // The box's own colour; an invalid colour leaves the unskinned box transparent.
    void SetColor(const QColor& color);
    // Where the caption lies over the box's top edge.
    QRect CaptionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintSkinned(QImage& cache, const BackgroundInfo& background);

    QString caption_;
    QColor color_;
    TsCommonData skinData_{this, QStringLiteral("GROUPBOX"), 0};
    TsCommonData captionSkin_{this, QStringLiteral("GROUPBOX"), 0, TsCommonData::rPart};
};

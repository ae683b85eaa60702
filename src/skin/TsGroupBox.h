#pragma once

#include <QColor>
#include <QWidget>

#include "skin/TsCommonData.h"

// A box with its caption centred on the top edge. Children are placed relative to the box's own top-left
// corner, caption band included.
class TsGroupBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ Caption)

public:
    explicit TsGroupBox(const QString& caption, QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }
    TsCommonData& CaptionSkin() { return captionSkin_; }
    const QString& Caption() const { return caption_; }
    // An invalid colour leaves the box transparent.
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor color_;
    TsCommonData skinData_{"GROUPBOX"};
    TsCommonData captionSkin_{"GROUPBOX"};
};

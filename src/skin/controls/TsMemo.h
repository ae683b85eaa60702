#pragma once

#include <QPlainTextEdit>

#include "skin/controls/TsCommonData.h"
#include "skin/loading/SkinNames.h"

// A multi-line text box. Read-only memos wrap long lines, show no scroll bars and take no tab stop. Skinned,
// the text lies over the section's composed surface in the section's font colour.
class TsMemo : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString text READ toPlainText)

public:
    explicit TsMemo(QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }
    // Text with CR LF line breaks shows on separate lines.
    void SetText(const QString& text);
    // The surface while no skin is loaded.
    void SetBackground(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UseLook(bool skinned);

    TsCommonData skinData_{this, SkinNames::Edit, TsCommonData::kfWindowed | TsCommonData::kfFramed};
    QColor background_ = Qt::white;
    bool skinnedLook_ = false;
};

#pragma once

#include <QPlainTextEdit>

#include "skin/TsCommonData.h"

// A multi-line text box. Read-only memos wrap long lines, show no scroll bars and take no tab stop.
class TsMemo : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString text READ toPlainText)

public:
    explicit TsMemo(QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }
    // Text with CR LF line breaks shows on separate lines.
    void SetText(const QString& text);
    void SetBackground(const QColor& color);

private:
    TsCommonData skinData_{"EDIT"};
};

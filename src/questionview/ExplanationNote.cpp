#include "questionview/ExplanationNote.h"

#include <QTextCharFormat>
#include <QTextCursor>

#include "platform/Fonts.h"
#include "skin/controls/TsMemo.h"

void AppendExplanation(TsMemo* memo, const QString& explanation) {
    if (explanation.trimmed().isEmpty())
        return;
    QTextCharFormat format;
    format.setFont(MakeFont(QStringLiteral("黑体"), 16));
    format.setForeground(QColor(160, 32, 32));
    QTextCursor cursor(memo->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("解析：") + explanation.trimmed(), format);
}

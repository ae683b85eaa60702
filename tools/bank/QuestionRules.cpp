#include "QuestionRules.h"

namespace QuestionRules {

std::optional<Problem> FirstProblem(const Question& question, const QString& chapterText) {
    if (question.id <= 0)
        return Problem{Column::ID, QStringLiteral("应当是正整数")};
    if (question.chapter < 1 || question.chapter > 10 || QString::number(question.chapter) != chapterText) {
        return Problem{Column::Chapter, QStringLiteral("应当是 \"1\" 到 \"10\"，而不是 \"%1\"").arg(chapterText)};
    }
    if (question.text.trimmed().isEmpty())
        return Problem{Column::Text, QStringLiteral("不能为空")};
    if (question.picture.contains(u'/') || question.picture.contains(u'\\')) {
        return Problem{Column::Picture, QStringLiteral("应当是单纯的文件名，而不是 \"%1\"").arg(question.picture)};
    }
    if (question.answer < 1 || question.answer > 4)
        return Problem{Column::Answer, QStringLiteral("应当是 1 到 4")};
    if (question.options[size_t(question.answer - 1)].isEmpty()) {
        return Problem{Column::Answer,
                       QStringLiteral("所指的选项 %1 是空的").arg(QChar(u'A' + char16_t(question.answer - 1)))};
    }
    return std::nullopt;
}

}  // namespace QuestionRules

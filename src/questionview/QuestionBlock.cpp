#include "questionview/QuestionBlock.h"

#include "bank/TQuestion.h"
#include "questionview/QuestionPicture.h"
#include "skin/controls/TsRadioButton.h"
#include "ui/TImage.h"

namespace {
const QChar kColon(0xFF1A);  // the full-width colon after the letter

void ShowOption(TsRadioButton* option, const QString& letter, const QString& text) {
    option->SetCaption(letter + kColon + text);
}

void ShowOptionalOption(TsRadioButton* option, const QString& letter, const QString& text) {
    if (text.isEmpty()) {
        option->hide();
        return;
    }
    ShowOption(option, letter, text);
    option->show();
}
}  // namespace

void ShowQuestionBlock(const TQuestion& question, const QuestionBlock& block) {
    block.setText(question.question);
    ShowOption(block.options[0], QStringLiteral("A"), question.ans1);
    ShowOption(block.options[1], QStringLiteral("B"), question.ans2);
    ShowOptionalOption(block.options[2], QStringLiteral("C"), question.ans3);
    ShowOptionalOption(block.options[3], QStringLiteral("D"), question.ans4);
    for (TsRadioButton* option : block.options)
        option->ClearSelection();
    // The picture comes last: one that cannot be loaded is reported, and the question is shown and can be
    // answered without it.
    block.picture->hide();
    if (!question.bmp.isEmpty()) {
        block.picture->SetPicture(LoadQuestionPicture(question.bmp));
        block.picture->show();
    }
}

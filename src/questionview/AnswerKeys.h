#pragma once

#include <QString>

class QKeyEvent;

// Answering without the mouse, the same in practice and in the exam: Alt with the option's letter chooses it, Alt+N
// moves on and Alt+P goes back. Alt keeps them clear of the jump box, which takes digits and letters as text, and of
// the windows' own keys (Esc, Tab, Enter, Space).
namespace AnswerKeys {

enum class Action { None, Option, Next, Prior };

struct Key {
    Action action = Action::None;
    int option = 0;  // 1 = A to 4 = D, for Action::Option
};

Key Read(const QKeyEvent& event);

// What a control's tooltip says of its key: "快捷键：Alt+A".
QString OptionHint(int option);
QString NextHint();
QString PriorHint();

}  // namespace AnswerKeys

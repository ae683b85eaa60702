#pragma once

#include <QString>

// How an answer is judged and announced: the option's number (its Tag, 1 = A to 4 = D) against the
// question's ans, and the sounds under sound\ that say right, wrong, or the correct letter.
namespace AnswerFeedback {

bool IsRight(int optionTag, int ans);

// "A" to "D" for 1 to 4; empty for any other value.
QString Letter(int ans);

// Each call returns only when its sound has ended. Before the sound starts, the window in front is painted as it
// stands, since nothing can paint while the sound plays.
void PlayRight();
void PlayWrong();
// Speaks the letter of `ans`; for a value outside 1 to 4 there is no file to name, and the default
// sound plays.
void SpeakLetter(int ans);

}  // namespace AnswerFeedback

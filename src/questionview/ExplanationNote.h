#pragma once

class QString;
class TsMemo;

// Why a question's answer is right, shown under its text in the memo of a practice window: a paragraph of
// its own, smaller and in another colour than the question, so that the window's controls stay where they
// are. Nothing is added for a question without an explanation.
void AppendExplanation(TsMemo* memo, const QString& explanation);

#pragma once

#include <QSize>

class QFont;
class TsRadioButton;

// Keeps an option of the exam inside the room the window has for it, left and top where they are. A caption that
// fits on one line in `font` stays as it is; a longer one takes the largest smaller size in which it fits the room,
// on one line or on evenly wrapped lines, down to a smallest legible size, in which a caption too long even for that
// is wrapped to the room's width and reaches below it. Nothing of the caption is cut.
void FitOption(TsRadioButton* option, const QFont& font, QSize room);

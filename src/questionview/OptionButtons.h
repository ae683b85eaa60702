#pragma once

#include <array>
#include <functional>

class QFont;
class QWidget;
class TsRadioButton;

// Makes the option buttons A to D of a question window: named as1 to as4 with Tags 1 to 4, in `font`, at `left`
// and the given tops, each as large as its caption needs; A and B shown, C and D hidden until a question has
// them. `toggled` is called with the button whenever one is checked or unchecked.
std::array<TsRadioButton*, 4> MakeOptionButtons(QWidget* parent, const QFont& font, int left,
                                                const std::array<int, 4>& tops,
                                                const std::function<void(TsRadioButton*)>& toggled);

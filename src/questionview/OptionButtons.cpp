#include "questionview/OptionButtons.h"

#include "skin/controls/TsRadioButton.h"
#include "ui/Application.h"

std::array<TsRadioButton*, 4> MakeOptionButtons(QWidget* parent, const QFont& font, int left,
                                                const std::array<int, 4>& tops,
                                                const std::function<void(TsRadioButton*)>& toggled) {
    std::array<TsRadioButton*, 4> options{};
    for (int i = 0; i < 4; ++i) {
        auto* option = new TsRadioButton(parent, i + 1);
        option->setObjectName(QStringLiteral("as%1").arg(i + 1));
        option->setFont(font);
        option->move(left, tops[size_t(i)]);
        option->resize(option->sizeHint());
        option->setVisible(i < 2);
        QObject::connect(option, &QRadioButton::toggled, parent, Handled([toggled, option] { toggled(option); }));
        options[size_t(i)] = option;
    }
    return options;
}

#include "app/SkinStatesForm.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>

#include "platform/Fonts.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsRadioButton.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/controls/TsStatusBar.h"
#include "skin/loading/SkinNames.h"
#include "ui/WindowPlacement.h"

namespace {

enum State { Normal, Hot, Pressed, Checked, Focused, Disabled };
const char* const kStateNames[] = {"正常", "热点", "按下", "选中", "焦点", "禁用"};
constexpr int kColumnWidth = 110;
constexpr int kRowHeight = 40;
constexpr int kLeft = 90;
constexpr int kTop = 36;

}  // namespace

SkinStatesForm::SkinStatesForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmSkinStates"));
    setWindowTitle(QStringLiteral("皮肤状态一览"));
    setFixedSize(kLeft + 6 * kColumnWidth + 10, 420);
    setFont(MakeFont(QStringLiteral("宋体"), 12));

    auto* panel = Place(new TsPanel(this), "sPanel1", 0, 0, width(), kTop + 6 * kRowHeight + 8);
    panel->SkinData().SetSkinSection(SkinNames::Toolbar);
    for (int state = Normal; state <= Disabled; ++state) {
        auto* heading = Place(new TsLabel(QString::fromUtf8(kStateNames[state]), panel), "",
                              kLeft + state * kColumnWidth, 12, 80, 16);
        heading->setAlignment(Qt::AlignCenter);
    }

    // One row a kind; a state the kind does not have leaves its cell empty.
    struct Row {
        const char* title;
        std::function<QAbstractButton*(QWidget*)> make;
        bool checkable;
    };
    const Row rows[] = {
        {"按钮", [](QWidget* p) { return new TsBitBtn(QStringLiteral("确定"), p, TsBitBtn::Kind::OK); }, false},
        {"工具按钮",
         [](QWidget* p) {
             auto* button = new TsSpeedButton(QStringLiteral("工具按钮"), p);
             button->SkinData().SetSkinSection(SkinNames::ToolButton);
             return button;
         },
         false},
        {"链接按钮",
         [](QWidget* p) {
             auto* button = new TsSpeedButton(QStringLiteral("链接按钮"), p);
             button->SkinData().SetSkinSection(SkinNames::WebButton);
             return button;
         },
         false},
        {"复选框", [](QWidget* p) { return new TsCheckBox(QStringLiteral("复选框"), p); }, true},
        {"单选按钮",
         [](QWidget* p) {
             auto* button = new TsRadioButton(p);
             button->setAutoExclusive(false);
             button->SetCaption(QStringLiteral("单选按钮"));
             return button;
         },
         true},
    };
    int top = kTop;
    for (const Row& row : rows) {
        Place(new TsLabel(QString::fromUtf8(row.title), panel), "", 10, top + 10, 76, 16);
        for (int state = Normal; state <= Disabled; ++state) {
            if (state == Checked && !row.checkable)
                continue;
            QAbstractButton* control = row.make(panel);
            control->setGeometry(kLeft + state * kColumnWidth, top + 4, 96, 28);
            if (state == Hot)
                hot_ << control;
            if (state == Focused)
                focused_ << control;
            control->setDown(state == Pressed);
            control->setChecked(state == Checked);
            control->setEnabled(state != Disabled);
        }
        top += kRowHeight;
    }
    Place(new TsLabel(QStringLiteral("编辑框"), panel), "", 10, top + 10, 76, 16);
    for (int state : {Normal, Hot, Focused, Disabled}) {
        auto* edit = Place(new TsEdit(panel), "", kLeft + state * kColumnWidth, top + 8, 96, 21);
        edit->setText(QStringLiteral("文字"));
        edit->setEnabled(state != Disabled);
        if (state == Hot)
            hot_ << edit;
        if (state == Focused)
            focused_ << edit;
    }

    auto* box = Place(new TsGroupBox(QStringLiteral("分组框"), this), "sGroupBox1", 10, 296, 300, 96);
    auto* memo = Place(new TsMemo(box), "sMemo1", 10, 24, 280, 62);
    memo->SkinData().SetSkinSection(SkinNames::Panel);
    memo->SetText(QStringLiteral("多行文本框的文字。"));
    auto* status = new TsStatusBar(this);
    status->SetPanelText(QStringLiteral("状态栏的文字"));
}

void SkinStatesForm::Arrange() {
    // Only the controls of the focus column show a focus.
    if (QWidget* current = focusWidget())
        current->clearFocus();
    for (QWidget* control : hot_) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(control, &enter);
    }
    for (QWidget* control : focused_) {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(control, &focus);
    }
}

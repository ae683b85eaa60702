// A second baseline for start-up: a bare window that shows the main window's words, in the same faces and
// sizes, with plain labels. Set beside the bare window, it shows what drawing this much Chinese text costs
// by itself (loading the two CJK faces, shaping, the pages of the font files touched per character).
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "platform/Fonts.h"
#include "ui/QuitAfterPaint.h"

namespace {
struct Words {
    const char16_t* family;
    int pixelSize;
    bool bold;
    const char16_t* text;
};

// As the main window shows them: the title, the exam box, the buttons, the centre's labels, the status bar.
constexpr Words kWords[] = {
    {u"宋体", 12, true, u"Quorvane（２０１０年４月新版题库）"},
    {u"黑体", 16, false, u"模拟考试 C1C2C3C4小车 A1A3B1客车 A2B2货车 M轮式自行机械车 DEF摩托车"},
    {u"宋体", 12, false, u"顺序练习 随机练习 章节练习 交通法规 交通标志 考试技巧 练车游戏 作者网站 参数设定"},
    {u"黑体", 19, false, u"*******驾驶员培训中心********"},
    {u"黑体", 14, false, u"报名热线：000000000000 报名地址："},
    {u"宋体", 12, false, u"软件技术支持：Morlenta　网址：http://www.quorvane.example/ 服务电话：00000000000"},
};
}  // namespace

int main(int argc, char** argv) {
    UseProgramFontConfiguration();
    QApplication app(argc, argv);
    QWidget window;
    window.resize(705, 430);
    int top = 8;
    for (const Words& words : kWords) {
        auto* label = new QLabel(QString::fromUtf16(words.text), &window);
        QFont font = MakeFont(QString::fromUtf16(words.family), words.pixelSize);
        font.setBold(words.bold);
        label->setFont(font);
        label->move(8, top);
        top += 40;
    }
    new QuitAfterPaint(&window);
    window.show();
    return QApplication::exec();
}

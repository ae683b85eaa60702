#include "app/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <initializer_list>

namespace {
struct Item {
    const char* name;
    int tag;
    const char16_t* caption;
};

QMenu* CreateMenu(QWidget* parent, const char* name, std::initializer_list<Item> items) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QLatin1String(name));
    for (const Item& item : items) {
        QAction* action = menu->addAction(QString::fromUtf16(item.caption));
        action->setObjectName(QLatin1String(item.name));
        action->setData(item.tag);
    }
    // A menu is laid out when it pops up. Left pending, its first resize would be delivered whenever a
    // control of the window is rendered into a picture, laying out every item's text at start-up.
    menu->setAttribute(Qt::WA_PendingResizeEvent, false);
    menu->setAttribute(Qt::WA_PendingMoveEvent, false);
    return menu;
}
}  // namespace

QMenu* CreateChapterMenu(QWidget* parent) {
    return CreateMenu(parent, "PopupMenu1",
                      {
                          {"N1", 1, u"道路交通安全法律法规和规章"},
                          {"N2", 2, u"交通信号及其含义"},
                          {"N3", 3, u"安全行车、文明驾驶知识"},
                          {"N4", 4, u"特殊复杂道路下的安全驾驶知识"},
                          {"N5", 5, u"行驶中紧急情况临危处置知识"},
                          {"N6", 6, u"机动车构造和检查、维护知识"},
                          {"N7", 7, u"事故后的自救等基本知识"},
                          {"N8", 8, u"客车专用试题"},
                          {"N9", 9, u"货车专用试题"},
                          {"N10", 10, u"轮式自行机械车专用试题"},
                      });
}

QMenu* CreateLawMenu(QWidget* parent) {
    return CreateMenu(parent, "PopupMenu2",
                      {
                          {"N11", 0, u"中华人民共和国道路交通安全法"},
                          {"N12", 0, u"道路交通安全法实施条例"},
                          {"N13", 0, u"机动车驾驶证申领和使用规定"},
                      });
}

QMenu* CreateSignMenu(QWidget* parent) {
    return CreateMenu(parent, "PopupMenu3",
                      {
                          {"N14", 1, u"警告标志"},
                          {"N15", 2, u"禁令标志"},
                          {"N16", 3, u"指示标志"},
                          {"N18", 4, u"道路交通标线"},
                          {"N17", 5, u"指路标志（一般道路）"},
                          {"N19", 6, u"指路标志（高速公路）"},
                      });
}

QMenu* CreateTipMenu(QWidget* parent) {
    return CreateMenu(parent, "PopupMenu4",
                      {
                          {"N20", 1, u"理论考试答题技巧"},
                          {"N21", 2, u"电子桩考技巧"},
                      });
}

QMenu* CreateGameMenu(QWidget* parent) {
    return CreateMenu(parent, "PopupMenu5",
                      {
                          {"N22", 0, u"交通标志连连看"},
                          {"N23", 0, u"经典倒车小游戏"},
                          {"N24", 0, u"驾车高手"},
                          {"N3D1", 0, u"模拟驾驶游戏"},
                      });
}

int ItemTag(const QAction* item) {
    return item->data().toInt();
}

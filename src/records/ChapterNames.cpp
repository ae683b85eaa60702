#include "records/ChapterNames.h"

#include <array>

namespace ChapterNames {
namespace {
constexpr std::array kNames{
    u"道路交通安全法律法规和规章",
    u"交通信号及其含义",
    u"安全行车、文明驾驶知识",
    u"特殊复杂道路下的安全驾驶知识",
    u"行驶中紧急情况临危处置知识",
    u"机动车构造和检查、维护知识",
    u"事故后的自救等基本知识",
    u"客车专用试题",
    u"货车专用试题",
    u"轮式自行机械车专用试题",
};
}  // namespace

QString Name(const QString& chapter) {
    bool number = false;
    const int k = chapter.toInt(&number);
    return number && k >= 1 && k <= int(kNames.size()) ? QString::fromUtf16(kNames[size_t(k - 1)]) : QString();
}

QString Title(const QString& chapter) {
    const QString name = Name(chapter);
    const QString number = QStringLiteral("第%1章").arg(chapter);
    return name.isEmpty() ? number : number + u' ' + name;
}

}  // namespace ChapterNames

#include "exam/ChapterNames.h"

#include <array>

QString ChapterName(const QString& chapter) {
    static const std::array<const char16_t*, 10> names{u"道路交通安全法律法规和规章",
                                                       u"交通信号及其含义",
                                                       u"安全行车、文明驾驶知识",
                                                       u"特殊复杂道路下的安全驾驶知识",
                                                       u"行驶中紧急情况临危处置知识",
                                                       u"机动车构造和检查、维护知识",
                                                       u"事故后的自救等基本知识",
                                                       u"客车专用试题",
                                                       u"货车专用试题",
                                                       u"轮式自行机械车专用试题"};
    bool isNumber = false;
    const int number = chapter.toInt(&isNumber);
    if (!isNumber || number < 1 || number > int(names.size()))
        return QStringLiteral("第%1章").arg(chapter);
    return QString::fromUtf16(names[size_t(number - 1)]);
}

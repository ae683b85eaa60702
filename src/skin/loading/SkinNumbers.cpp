#include "skin/loading/SkinNumbers.h"

#include <limits>

#include "skin/loading/SkinError.h"

namespace SkinNumbers {

std::optional<int> ParseDecimal(QStringView text) {
    text = text.trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    if (pos == text.size())
        return std::nullopt;
    long long value = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

int Require(QStringView text, const QString& where) {
    if (const std::optional<int> value = ParseDecimal(text))
        return *value;
    throw SkinError(QStringLiteral("皮肤选项有误：%1 中的“%2”不是有效的整数。").arg(where, text.toString()));
}

}  // namespace SkinNumbers

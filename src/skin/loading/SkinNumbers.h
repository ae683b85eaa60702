#pragma once

#include <QString>
#include <optional>

// Numbers in skin options are decimal 32-bit integers with an optional sign; blanks around them are
// tolerated because hand-edited skins have them.
namespace SkinNumbers {

std::optional<int> ParseDecimal(QStringView text);

// The number, or a SkinError naming where the text came from.
int Require(QStringView text, const QString& where);

}  // namespace SkinNumbers

#pragma once

#include <QString>
#include <optional>

// Whether the program can show a question's picture. It shows the pictures of the folder's image/, choosing the
// decoder by the name's extension (bmp, jpg, jpeg, png or ico, in any case) and reading the file's content with it;
// any other file leaves the picture blank during practice.
namespace BankPicture {

// Why the picture named `name` (a bare file name, as column bmp holds it) in `imageFolder` (with a trailing '/')
// cannot be shown, reading after "图片 <name> ": "不在 … 中"; nothing when it can.
std::optional<QString> Problem(const QString& imageFolder, const QString& name);

}  // namespace BankPicture

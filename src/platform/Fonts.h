#pragma once

#include <QFont>
#include <QString>

// The windows are laid out for the classic Chinese faces "宋体" and "黑体" and the Latin "MS Sans Serif".
// They are drawn with the CJK faces a Debian desktop has: AR PL UMing for 宋体, WenQuanYi Zen Hei for the
// others. Both carry hand-tuned
// bitmaps at small sizes that only look crisp when drawn without antialiasing.
QFont MakeFont(const QString& family, int pixelSize);

// The face name a font was made with by MakeFont ("宋体", "黑体"), or its own family for any other.
QString DesignFamily(const QFont& font);

// Points fontconfig at the program's own configuration (fonts.conf beside the executable), unless the
// user chose one. Must run before the application object exists.
void UseProgramFontConfiguration();

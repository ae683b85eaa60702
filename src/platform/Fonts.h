#pragma once

#include <QFont>
#include <QString>

// The windows are laid out for the classic Chinese faces "宋体" and "黑体" and the Latin "MS Sans Serif".
// They are drawn with the CJK faces a Debian desktop has: AR PL UMing for 宋体 (and for the small Latin
// face), whose hand-tuned bitmaps at 11 to 16 pixels are only crisp without antialiasing, and the
// outlines of WenQuanYi Zen Hei, antialiased, for the rest. (Zen Hei's own bitmaps drop strokes, and its
// bitmap twin "Sharp" costs a second face's memory at start-up.)
QFont MakeFont(const QString& family, int pixelSize);

// The face name a font was made with by MakeFont ("宋体", "黑体"), or its own family for any other.
QString DesignFamily(const QFont& font);

// Points fontconfig at the program's own configuration (fonts.conf beside the executable), unless the
// user chose one. Must run before the application object exists.
void UseProgramFontConfiguration();

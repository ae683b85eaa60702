#pragma once

#include <QString>

// The name of a chapter of the banks by its number in column zhanjie ("1" to "10"), as the chapter menu names it:
// "道路交通安全法律法规和规章" for "1". A number the banks do not use is named "第n章".
QString ChapterName(const QString& chapter);

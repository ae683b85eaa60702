#pragma once

#include <QString>

// The chapters of the question banks by number. Both banks number them alike: the motorcycle bank has chapters 1
// to 7, the cars' bank those and the three of buses, trucks and wheeled machinery.
namespace ChapterNames {

// The name of chapter `chapter` ("2": "交通信号及其含义"); empty for a number the banks do not use.
QString Name(const QString& chapter);
// The chapter as a record shows it: "第2章 交通信号及其含义", or "第12章" for one without a name.
QString Title(const QString& chapter);

}  // namespace ChapterNames

#pragma once

#include <QString>

#include <array>

// One record of a question source, already checked; the bank writer stores it as it stands.
struct Question {
    int id = 0;
    int chapter = 0;
    QString text;
    std::array<QString, 4> options;  // A..D; a true/false question carries 正确/错误 and two empty strings
    int answer = 0;                  // 1..4 for A..D
    QString picture;                 // file name beside the bank, or empty
    QString explanation;             // why the answer is right, naming the rule; may be empty
};

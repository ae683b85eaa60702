#pragma once

#include <QString>

class Query;

// One row of table question.
struct TQuestion {
    int ID = 0;
    QString question;
    QString ans1;
    QString ans2;
    QString ans3;  // empty for questions with two options
    QString ans4;
    QString bmp;  // picture file name inside image\, empty for none
    int ans = 0;  // the correct option, 1 = A to 4 = D
    QString zhanjie;
    QString jiexi;  // the explanation of the answer; empty for none

    // Column jiexi of the current row of `dataset`, empty where it is NULL or the bank has no such column (one of
    // the first version on a write-protected file, read without its upgrade).
    static QString ReadExplanation(const Query& dataset);

    // The current row of `dataset`; on an empty result every column reads as empty or 0.
    static TQuestion Read(const Query& dataset);
};

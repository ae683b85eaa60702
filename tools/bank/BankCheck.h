#pragma once

#include <QString>
#include <vector>

#include "paper/ExamKinds.h"

// Whether the banks of a program folder hold enough questions for every vehicle group's mock exam.
class BankCheck {
public:
    struct Chapter {
        int chapter;
        int available;  // different question IDs in the chapter
        int needed;     // different questions the paper must draw from it
    };
    struct Group {
        const ExamKindInfo* info;
        QString bankFile;
        QString error;  // why the bank could not be read; empty when it was
        std::vector<Chapter> chapters;
        bool CanBeExamined() const;
    };

    // Reads the banks in `folder` (with a trailing '/'), one group after the other. A bank that cannot be
    // read fails its groups, not the whole check.
    static std::vector<Group> Run(const QString& folder);

    // The result as a table for people, ending with a verdict line.
    static QString Format(const std::vector<Group>& groups);
};

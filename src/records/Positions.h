#pragma once

#include <QString>

class RecordsDatabase;

// Where a learner stopped in each sequential or chapter practice, by the practice's key. The first learner's
// positions stay in the bank's table JD, where a folder of an older version keeps them; every other learner's are
// kept here.
class Positions {
public:
    Positions(RecordsDatabase& records, int learner) : records_(records), learner_(learner) {}

    // Whether the learner's positions are the bank's own: they are the first learner.
    bool InBank() const;
    // 0 when none is saved.
    int Read(const QString& key) const;
    // Raises Exception while the records are read-only: the learner asked for it and must not think it saved.
    void Save(const QString& key, int position);

private:
    RecordsDatabase& records_;
    int learner_;
};

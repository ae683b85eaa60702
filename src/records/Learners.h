#pragma once

#include <QString>
#include <vector>

class RecordsDatabase;

struct Learner {
    int id = 0;
    QString name;
    bool current = false;
};

// The learners who share this computer's records; exactly one of them is current. Adding, renaming and removing
// refuse with a message for the learner (Exception) what would leave a name empty, too long or twice, or the
// computer without a learner.
class Learners {
public:
    static constexpr int kMaxNameLength = 20;

    explicit Learners(RecordsDatabase& records) : records_(records) {}

    // In the order they were added.
    std::vector<Learner> All() const;
    Learner Current() const;
    void SetCurrent(int id);

    // Returns the new learner's id; the current learner stays current.
    int Add(const QString& name);
    void Rename(int id, const QString& name);
    // Removes the learner with every record of theirs; the first learner left becomes current if they were.
    void Remove(int id);

private:
    // The name as kept (blanks around it dropped); raises Exception when it cannot be given to learner `id`.
    QString Checked(const QString& name, int id) const;

    RecordsDatabase& records_;
};

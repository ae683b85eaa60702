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
// computer without a learner, and every change while the records are read-only. A name is kept in its composed form
// (NFC), without characters that show nothing, and counted in characters as they are seen.
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

    // The name as kept and compared: composed, without invisible characters, blanks around it dropped and every run
    // of blanks inside made one space.
    static QString Normalised(const QString& name);
    // Characters as a reader counts them: a letter with its marks, an emoji of several code points, is one.
    static int CharacterCount(const QString& text);

private:
    static bool Invisible(char32_t c);
    void RequireWritable() const;
    // The name as kept (blanks around it dropped); raises Exception when it cannot be given to learner `id`.
    QString Checked(const QString& name, int id) const;

    RecordsDatabase& records_;
};

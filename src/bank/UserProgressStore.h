#pragma once

#include <QObject>
#include <QString>

class Connection;

// The saved practice positions of a bank opened read-only, as the banks of an installed program are: they are kept
// in the user's own progress database, progress.db in DataFolders::UserDataFolder(), instead of the bank's table JD.
// The store hangs on the bank's connection, where SaveProgress and TDM::ReadProgress find it. A position is kept
// with the ID of the question it showed, and read back as the place of that question (or of the first one after
// it, if it is gone) in the practice, so that a new edition of the bank keeps the learner's place. Progress keys
// are the main window's: "0" for the whole bank, "n" for chapter n.
class UserProgressStore : public QObject {
    Q_OBJECT

public:
    // Hangs a store for the bank file `bankName` (its name without folder) on `bank`.
    UserProgressStore(QString bankName, Connection* bank);

    // The store hanging on `bank`; null when the bank keeps its progress itself.
    static UserProgressStore* Of(const Connection* bank);

    // Opens the progress database, making it where there is none. Reading and saving call it first, so that a
    // database the program could not open before (locked for longer than the wait, say) is tried again.
    // - A file that cannot be read as a progress database is set aside under a new name, never deleted, and a new one
    //   made in its place (OpenOrRenewOwnDatabase); what the learner is to be told of it is kept for TakeMessage.
    // - In a folder that cannot be written the database is opened read-only: what was saved is still read, and
    //   saving raises DatabaseError saying so; with no database there, nothing was saved and reading finds 0.
    // A damaged file that cannot be set aside raises Exception; any other failure raises DatabaseError.
    void Open();
    // What the learner is to be told about the last openings (a damaged file set aside, and where it is now), once:
    // it is empty after it has been taken, and when there is nothing to tell.
    QString TakeMessage();

    // The saved position of the practice with this key; 0 when none is saved.
    int Read(const QString& key);
    // Saves the position of the practice with this key, in one statement: the old position stays when it fails.
    void Save(const QString& key, int position);

private:
    QString FileName() const;
    Connection* Bank() const;

    QString bankName_;
    Connection* progress_;
    bool writable_ = false;
    QString message_;
};

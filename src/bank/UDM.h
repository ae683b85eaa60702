#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "bank/BankId.h"

class Connection;
class Query;

// The data module: the connections to the two question databases, open from start-up to the end of
// the program, and the query of the progress lookup. The statements the windows run on a bank are
// BankQueries'.
class TDM : public QObject {
    Q_OBJECT

public:
    // Creates the components, closed but each with its file's connection string; DataModuleCreate opens them.
    // When the program is installed (DataFolders::Installed) the banks are opened read-only, and the progress of
    // t1.mdb is kept in the user's own progress database (UserProgressStore) instead of its table JD.
    explicit TDM(QObject* parent = nullptr);

    Connection* ADOCON;  // t1.mdb: practice, the exams of vehicle groups 1 to 4, saved progress
    Query* qry;          // the progress lookup, on ADOCON
    Connection* MT;      // t2.mdb: the motorcycle exam

    // Opens t1.mdb, then t2.mdb, then the user's progress database when installed. A failure stops here and is
    // raised to the caller; a connection left closed is opened by the first query that needs it.
    void DataModuleCreate();
    // Opens the bank `fileName` on `connection` and brings its layout up to date (see DatabaseSchema): an older
    // bank is upgraded, one newer than this program is refused; on either failure the connection is left closed.
    // Every later opening of the connection (after a failure, or on a file replaced meanwhile) does the same.
    // A bank opened read-only is read as it is.
    static void OpenDatabase(Connection* connection, const QString& fileName, bool readOnly = false);
    // Points `connection` at the bank `fileName`, checked as OpenDatabase checks it, without opening it.
    static void UseBank(Connection* connection, const QString& fileName, bool readOnly = false);
    // Opens the bank a window needs, before the window is made. A bank that cannot be opened raises DatabaseError
    // saying so in Chinese, with the reason after.
    void OpenBankFor(BankId bank);

    // Points `dataset` at table question of `bank`.
    void UseQuestionTable(Query* dataset, BankId bank) const;
    // The saved position of the practice with this key in table JD, or in the user's progress database when
    // installed; 0 when none is saved.
    int ReadProgress(const QString& key);
    // What the learner is to be told, once, of the user's progress database since it was last asked (a damaged file
    // set aside, and where it is now); empty when there is nothing, and when the banks keep their progress themselves.
    // Nothing here shows it: the caller does.
    QString TakeProgressMessage();

private:
    // t1.mdb or t2.mdb in the program folder.
    static QString BankFile(BankId bank);
    Connection* ConnectionOf(BankId bank) const;

    bool banksReadOnly_;
};

// The single data module, created at start-up right after the main window.
inline TDM* DM = nullptr;

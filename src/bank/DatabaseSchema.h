#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class Connection;

// The layout of one kind of database this program keeps: the statements that create it at its current version and,
// for each older version, the statements that bring it one version up. The version stands in table qv_meta under
// the name schema_version; a database without that row (or without the table) is of version 1.
struct DatabaseSchema {
    int version = 1;
    QStringList create;                 // tables and rows of a new database, qv_meta included
    std::vector<QStringList> upgrades;  // upgrades[k]: from version k + 1 to k + 2; version - 1 entries

    // The statement that records `version` in qv_meta, for a new database or after an upgrade.
    static QString StoreVersionSql(int version);
    // The first statements of every new database of ours: table qv_meta with the password a connection checks and
    // the layout version.
    static QStringList MetaTableSql(int version, const QString& password);
    // The version stored in the database open on `connection`.
    static int StoredVersion(Connection& connection);

    // Reads the version of the database `fileName` open on `connection`. An older one is brought up to date in one
    // transaction: on any failure it is rolled back, the file is left as it was and the error is raised. A newer
    // one is refused with DatabaseError naming the file and both versions. A file opened read-only or write-protected
    // that needs an upgrade is left as it is: it is still read, and readers take what the upgrades would add as empty
    // (a bank on read-only media must go on working; it simply lacks what newer versions add).
    void BringUpToDate(Connection& connection, const QString& fileName) const;
};

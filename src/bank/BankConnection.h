#pragma once

#include <QString>

// How a bank file is opened: the password both bank files carry, and the connection string for one.
namespace BankConnection {

inline constexpr const char* kDatabasePassword = "kq731";

// Read-only adds Mode=Read: then not even an upgrade of the layout writes to the file.
QString ConnectionStringFor(const QString& fileName, bool readOnly = false);

}  // namespace BankConnection

#include "bank/BankConnection.h"

#include "platform/Connection.h"

QString BankConnection::ConnectionStringFor(const QString& fileName, bool readOnly) {
    return QStringLiteral("Provider=%1;Data Source=%2;Persist Security Info=False;Jet OLEDB:Database Password=%3%4")
        .arg(QLatin1String(Connection::kProvider), fileName, QLatin1String(kDatabasePassword),
             readOnly ? QStringLiteral(";Mode=Read") : QString());
}

#pragma once

#include <QString>
#include <vector>

class Connection;

// The questions of a bank the program could not show or judge, each named by its ID: an ID that is no whole
// positive number or stands more than once, a chapter outside "1" to "10", an empty question text, an answer
// that names no option (NULL, outside 1 to 4, or an empty option), a picture the program cannot show from the
// program folder's image/ (BankPicture).
namespace BankAudit {

struct Problem {
    QString id;  // as stored
    QString what;
};

std::vector<Problem> Run(Connection& connection, const QString& imageFolder);

}  // namespace BankAudit

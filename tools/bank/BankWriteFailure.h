#pragma once

#include <QString>

// Why a bank could not be built, for the person running the tool.
namespace BankWriteFailure {

// `technical` is the database's text for the step that failed (BankError): the returned message says in Chinese
// which bank could not be written and why, and keeps `technical` on a line of its own.
QString Message(const QString& bank, const QString& technical);

}  // namespace BankWriteFailure

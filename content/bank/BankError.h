#pragma once

#include <QString>

#include <stdexcept>

// Anything that stops a bank from being built; the text is ready to show the person running the tool.
class BankError : public std::runtime_error {
public:
    explicit BankError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

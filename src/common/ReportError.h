#pragma once

#include <QString>

#include <stdexcept>

namespace cellvex {

// A failure an operation reports to its caller with a message for the user.
// The automation boundary turns it into a failing result whose description is
// the message; window handlers report it through OnError.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace cellvex

#pragma once

#include <QString>

#include <stdexcept>

// Every failure of the report engine is one of these, so a command can catch the
// engine's failures apart from its own. what() is UTF-8.
namespace Report {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// No object of that name in the template.
class ObjectNotFound final : public Error {
public:
    using Error::Error;
};

// An object of that name exists but is of another kind (a band asked for as a text).
class WrongKind final : public Error {
public:
    using Error::Error;
};

// The device refused to be painted on: no printer, a file that cannot be written.
class PaintFailed final : public Error {
public:
    using Error::Error;
};

} // namespace Report

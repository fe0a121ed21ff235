#pragma once

#include <QDate>
#include <QString>

// The program's fixed regional formats: dates "dd/mm/yyyy" with a "/" that does not
// follow the system (archives made on an Italian system hold "/"), and "," as the
// decimal separator.
namespace ProcessFormats {
// Makes Italian/Italy the default locale. Windows call it when they are created.
void apply();

QString shortDatePattern();
QChar decimalSeparator();
QString formatDate(const QDate& date);
// An invalid date when the text is not a "dd/mm/yyyy" date.
QDate parseDate(const QString& text);
} // namespace ProcessFormats

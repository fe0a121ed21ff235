#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// Amount text: decimal digits, "," as the separator and exactly two decimals, no thousands
// separator and no currency sign ("1250,50", "0,00").
namespace Amount {
// text, trimmed, read as an optional sign, digits, optionally "," and digits, optionally
// an exponent; at least one digit or the "," before the exponent. Nothing when the text
// is no such number or does not fit a double ("1e400").
std::optional<double> read(QStringView text);

// v to the nearest cent, half away from zero, figured in 80-bit extended precision on the
// magnitude so that a negative amount rounds as its positive twin does: -3,2 gives -3,20.
// A base-2 value just below a half cent still goes down: 1,005 gives 1,00.
double roundToCents(double value);

// v in general format with 15 significant digits and "," as the separator: no trailing
// zeros, no separator without a fraction (12,5; 12; 0,05). Beyond 15 integer digits the
// digits are written out in full with zeros; below 1E-5 as d,dddE-n.
QString generalFormat(double value);

// The same text read exactly into whole cents, half a cent away from zero ("0,10" is 10,
// "12,345" is 1235, "1,5e2" is 15000), so that sums of many amounts stay exact. Nothing
// for text that read() refuses or that does not fit in cents.
std::optional<qint64> readCents(QStringView text);

// Cents as amount text: "1000,00", "-0,05".
QString centsText(qint64 cents);
} // namespace Amount

// Amount text of whatever the user typed; "0,00" for text that is no number.
QString subFormattaImporto(QStringView text);

// The total label of a cost list: "€ " and the sum as amount text.
QString costTotalText(double sum);

#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QStringView>

#include <optional>

namespace DeadlineDate {
// A day/month/year date as the card writes it ("05/03/2024") or as a clerk may have typed
// it: one or two digits for day and month, blanks around the parts, and a year of four
// digits or of two, read into 1950-2049 ("1/2/24" is 1 February 2024). Nothing for text
// that is no real date ("31/02/2024", "abc").
std::optional<QDate> read(QStringView text);

// The same reading of stored bytes that hold exactly "dd/mm/yyyy", with no decoding; nothing
// for any other form, which read() then takes.
std::optional<QDate> readAsWritten(QByteArrayView stored);
} // namespace DeadlineDate

#include "deadlines/DeadlineDate.h"

#include <array>

namespace DeadlineDate {
namespace {
// The digits of one part, blanks around it allowed; -1 when it holds anything else or
// more than maxDigits digits. digits receives how many there were.
int readPart(QStringView part, int maxDigits, int& digits)
{
    qsizetype begin = 0;
    qsizetype end = part.size();
    while (begin < end && part[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && part[end - 1].unicode() <= 0x20)
        --end;
    const QStringView text = part.mid(begin, end - begin);
    digits = static_cast<int>(text.size());
    if (digits == 0 || digits > maxDigits)
        return -1;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}
} // namespace

std::optional<QDate> read(QStringView text)
{
    std::array<QStringView, 3> parts;
    qsizetype start = 0;
    for (int i = 0; i < 3; ++i) {
        const qsizetype slash = text.indexOf(QLatin1Char('/'), start);
        if ((i < 2) != (slash >= 0))
            return std::nullopt; // exactly two separators
        parts[static_cast<size_t>(i)] = text.mid(start, i < 2 ? slash - start : -1);
        start = slash + 1;
    }
    int digits = 0;
    const int day = readPart(parts[0], 2, digits);
    const int month = readPart(parts[1], 2, digits);
    int year = readPart(parts[2], 4, digits);
    if (day < 0 || month < 0 || year < 0 || digits == 3)
        return std::nullopt;
    if (digits <= 2)
        year += year < 50 ? 2000 : 1900;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}
} // namespace DeadlineDate

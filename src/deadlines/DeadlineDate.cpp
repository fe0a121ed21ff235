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

// A digit's value; anything else is so negative that no part holding it comes out positive.
int digit(char16_t c)
{
    return c >= u'0' && c <= u'9' ? c - u'0' : -10000;
}

char16_t at(QStringView text, qsizetype i)
{
    return text[i].unicode();
}

// Stored bytes are Windows-1252, where digits and '/' are the ASCII ones.
char16_t at(QByteArrayView bytes, qsizetype i)
{
    return static_cast<unsigned char>(bytes[i]);
}

// "dd/mm/yyyy" exactly, as the card writes every date: read at once, since a scan of the
// whole archive meets little else. Anything else takes the lenient way.
template <typename Text> std::optional<QDate> readWritten(Text text)
{
    if (text.size() != 10 || at(text, 2) != u'/' || at(text, 5) != u'/')
        return std::nullopt;
    const int day = digit(at(text, 0)) * 10 + digit(at(text, 1));
    const int month = digit(at(text, 3)) * 10 + digit(at(text, 4));
    const int year =
        digit(at(text, 6)) * 1000 + digit(at(text, 7)) * 100 + digit(at(text, 8)) * 10 + digit(at(text, 9));
    if (day < 0 || month < 0 || year < 0)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}
} // namespace

std::optional<QDate> readAsWritten(QByteArrayView stored)
{
    return readWritten(stored);
}

std::optional<QDate> read(QStringView text)
{
    if (const std::optional<QDate> date = readWritten(text))
        return date;
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

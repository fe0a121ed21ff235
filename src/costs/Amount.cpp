#include "costs/Amount.h"

#include "archive/StoredText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace Amount {
namespace {
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Appends the run of digits at text[at...] to out; returns how many there were.
qsizetype takeDigits(QStringView text, qsizetype at, std::string& out)
{
    qsizetype taken = 0;
    while (at + taken < text.size() && isDigit(text[at + taken])) {
        out += static_cast<char>(text[at + taken].unicode());
        ++taken;
    }
    return taken;
}
} // namespace

std::optional<double> read(QStringView text)
{
    const QString t = StoredText::trimmed(text);
    qsizetype at = 0;
    std::string number; // the same number in the form from_chars reads
    if (at < t.size() && (t[at] == QLatin1Char('+') || t[at] == QLatin1Char('-'))) {
        if (t[at] == QLatin1Char('-'))
            number += '-';
        ++at;
    }
    std::string integer;
    at += takeDigits(t, at, integer);
    std::string fraction;
    bool separator = false;
    if (at < t.size() && t[at] == QLatin1Char(',')) {
        separator = true;
        ++at;
        at += takeDigits(t, at, fraction);
    }
    if (integer.empty() && fraction.empty() && !separator)
        return std::nullopt;
    number += integer.empty() ? std::string("0") : integer;
    number += '.';
    number += fraction.empty() ? std::string("0") : fraction;
    if (at < t.size() && (t[at] == QLatin1Char('E') || t[at] == QLatin1Char('e'))) {
        ++at;
        number += 'e';
        if (at < t.size() && (t[at] == QLatin1Char('+') || t[at] == QLatin1Char('-'))) {
            if (t[at] == QLatin1Char('-'))
                number += '-';
            ++at;
        }
        std::string exponent;
        if (takeDigits(t, at, exponent) == 0)
            return std::nullopt;
        at += static_cast<qsizetype>(exponent.size());
        number += exponent;
    }
    if (at != t.size())
        return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundToCents(double value)
{
    const long double cents = std::trunc(std::fabs(static_cast<long double>(value)) * 100.0L + 0.5L);
    const double magnitude = static_cast<double>(cents / 100.0L);
    if (magnitude == 0)
        return 0; // never "-0"
    return value < 0 ? -magnitude : magnitude;
}

QString generalFormat(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0");
    // d.dddddddddddddde±x: the 15 significant digits and the exponent.
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(value));
    std::string digits;
    digits += scientific[0];
    digits.append(scientific + 2, 14);
    const int exponent = std::atoi(scientific + 17);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    const int significant = static_cast<int>(digits.size());
    if (exponent < -5) {
        text += digits[0];
        if (significant > 1)
            text += ',' + digits.substr(1);
        text += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        text += "0," + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else if (exponent + 1 >= significant) {
        text += digits + std::string(static_cast<size_t>(exponent + 1 - significant), '0');
    } else {
        text += digits.substr(0, static_cast<size_t>(exponent + 1)) + ',' +
                digits.substr(static_cast<size_t>(exponent + 1));
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
namespace {
// "1250,50", "7" or "0,5", as nearly every amount is written: read at once, exactly. Nothing
// for any other form, which the full reading takes.
std::optional<qint64> readPlainCents(QStringView text)
{
    constexpr qsizetype MostDigits = 15; // 10^15 euros stay far inside 64 bits of cents
    qsizetype at = 0;
    qint64 units = 0;
    // Digits past the most are counted, not added: the sum would overflow.
    for (; at < text.size() && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9'); ++at) {
        if (at < MostDigits)
            units = units * 10 + (text[at].unicode() - u'0');
    }
    if (at == 0 || at > MostDigits)
        return std::nullopt;
    if (at == text.size())
        return units * 100;
    if (text[at] != QLatin1Char(',') || text.size() - at - 1 < 1 || text.size() - at - 1 > 2)
        return std::nullopt;
    qint64 cents = 0;
    for (qsizetype f = at + 1; f < text.size(); ++f) {
        if (text[f] < QLatin1Char('0') || text[f] > QLatin1Char('9'))
            return std::nullopt;
        cents = cents * 10 + (text[f].unicode() - u'0');
    }
    return units * 100 + (text.size() - at - 1 == 1 ? cents * 10 : cents);
}
} // namespace

std::optional<qint64> readCents(QStringView text)
{
    if (const std::optional<qint64> plain = readPlainCents(text))
        return plain;
    const QString t = StoredText::trimmed(text);
    qsizetype at = 0;
    bool negative = false;
    if (at < t.size() && (t[at] == QLatin1Char('+') || t[at] == QLatin1Char('-'))) {
        negative = t[at] == QLatin1Char('-');
        ++at;
    }
    std::string digits;
    at += takeDigits(t, at, digits);
    bool separator = false;
    qsizetype fractionDigits = 0;
    if (at < t.size() && t[at] == QLatin1Char(',')) {
        separator = true;
        ++at;
        fractionDigits = takeDigits(t, at, digits);
        at += fractionDigits;
    }
    if (digits.empty() && !separator)
        return std::nullopt;
    long long exponent = 0;
    if (at < t.size() && (t[at] == QLatin1Char('E') || t[at] == QLatin1Char('e'))) {
        ++at;
        bool negativeExponent = false;
        if (at < t.size() && (t[at] == QLatin1Char('+') || t[at] == QLatin1Char('-'))) {
            negativeExponent = t[at] == QLatin1Char('-');
            ++at;
        }
        std::string exponentDigits;
        const qsizetype taken = takeDigits(t, at, exponentDigits);
        if (taken == 0)
            return std::nullopt;
        at += taken;
        exponentDigits.erase(0, exponentDigits.find_first_not_of('0'));
        if (exponentDigits.size() > 6)
            exponentDigits = "999999"; // beyond any amount either way
        exponent = exponentDigits.empty() ? 0 : std::stoll(exponentDigits);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (at != t.size())
        return std::nullopt;

    // The number is digits x 10^shift cents.
    digits.erase(0, digits.find_first_not_of('0'));
    const long long shift = exponent + 2 - static_cast<long long>(fractionDigits);
    const long long kept = static_cast<long long>(digits.size()) + std::min(shift, 0LL);
    qint64 cents = 0;
    constexpr qint64 Limit = std::numeric_limits<qint64>::max() / 10;
    for (long long i = 0; i < kept; ++i) {
        if (cents > Limit)
            return std::nullopt;
        cents = cents * 10 + (digits[static_cast<size_t>(i)] - '0');
    }
    if (kept >= 0 && kept < static_cast<long long>(digits.size()) && digits[static_cast<size_t>(kept)] >= '5')
        ++cents; // the first digit dropped decides, half away from zero
    for (long long i = 0; i < shift && cents != 0; ++i) {
        if (cents > Limit)
            return std::nullopt;
        cents *= 10;
    }
    return negative ? -cents : cents;
}

QString centsText(qint64 cents)
{
    const quint64 magnitude = cents < 0 ? 0 - static_cast<quint64>(cents) : static_cast<quint64>(cents);
    QString text = QString::number(magnitude / 100) + QLatin1Char(',') +
                   QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    return cents < 0 ? QLatin1Char('-') + text : text;
}
} // namespace Amount

QString subFormattaImporto(QStringView text)
{
    const std::optional<double> value = Amount::read(text);
    if (!value)
        return QStringLiteral("0,00");
    QString amount = Amount::generalFormat(Amount::roundToCents(*value));
    const qsizetype separator = amount.indexOf(QLatin1Char(','));
    if (separator < 0)
        amount += QStringLiteral(",00");
    else if (separator == amount.size() - 2)
        amount += QLatin1Char('0');
    return amount;
}

QString costTotalText(double sum)
{
    return QStringLiteral("\u20AC ") + subFormattaImporto(Amount::generalFormat(sum));
}

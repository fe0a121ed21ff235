#include "access/Crypt.h"

#include <QVector>

#include <cstdint>

namespace {
constexpr std::uint16_t StartKey = 4972;
constexpr std::uint16_t Multiplier = 33827;
constexpr std::uint16_t Increment = 29563;

// The key always advances with the scrambled byte, so both directions stay in step.
std::uint16_t nextKey(std::uint16_t key, std::uint8_t scrambled)
{
    // In 32 bits: (255 + 65535) * 33827 + 29563 still fits, and only the low 16 bits are kept.
    const std::uint32_t wide = (std::uint32_t{scrambled} + key) * Multiplier + Increment;
    return static_cast<std::uint16_t>(wide);
}

std::uint8_t keyByte(std::uint16_t key)
{
    return static_cast<std::uint8_t>(key >> 8);
}

// 0 to 15 for 0-9, A-F and a-f; -1 for anything else.
int hexDigit(QChar digit)
{
    const char16_t code = digit.unicode();
    if (code >= u'0' && code <= u'9')
        return code - u'0';
    if (code >= u'A' && code <= u'F')
        return code - u'A' + 10;
    if (code >= u'a' && code <= u'f')
        return code - u'a' + 10;
    return -1;
}
} // namespace

namespace Crypt {

QString CriptaPassword(const QString& plain)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    QString hex;
    hex.reserve(2 * plain.size());
    std::uint16_t key = StartKey;
    for (const QChar character : plain) {
        const auto plainByte = static_cast<std::uint8_t>(character.unicode() & 0xFF);
        const auto scrambled = static_cast<std::uint8_t>(plainByte ^ keyByte(key));
        hex += QLatin1Char(Digits[scrambled >> 4]);
        hex += QLatin1Char(Digits[scrambled & 0x0F]);
        key = nextKey(key, scrambled);
    }
    return hex;
}

QString DecriptaPassword(const QString& hex)
{
    // Every pair is converted before the first character is produced.
    const qsizetype pairs = hex.size() / 2;
    QVector<std::uint8_t> scrambled;
    scrambled.reserve(pairs);
    for (qsizetype i = 0; i < pairs; ++i) {
        const int high = hexDigit(hex[2 * i]);
        const int low = hexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            throw ConversionError("'" + hex.mid(2 * i, 2).toStdString() + "' is not a valid hexadecimal value");
        scrambled.append(static_cast<std::uint8_t>(high * 16 + low));
    }

    QString plain;
    plain.reserve(pairs);
    std::uint16_t key = StartKey;
    for (const std::uint8_t byte : scrambled) {
        plain += QChar(static_cast<char16_t>(byte ^ keyByte(key)));
        key = nextKey(key, byte);
    }
    return plain;
}

} // namespace Crypt

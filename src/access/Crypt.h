#pragma once

#include <QString>

#include <stdexcept>

// The scrambling of the stored password. A running 16-bit key, started at 4972, is mixed
// into each character and then advanced with the scrambled byte, in both directions.
namespace Crypt {

// Raised by DecriptaPassword when a pair of digits is not a hexadecimal number.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Scrambles the low 8 bits of every character and returns two upper-case hexadecimal
// digits per character. The stored password has at most 255 characters; longer texts are
// scrambled all the same, but the caller refuses them before storing (see PasswordFile).
QString CriptaPassword(const QString& plain);

// Turns the digit pairs back into bytes and unscrambles them: one character (U+0000 to
// U+00FF) per pair, a last odd digit ignored, a and A alike. Throws ConversionError,
// before producing anything, when any pair is not two hexadecimal digits.
QString DecriptaPassword(const QString& hex);

} // namespace Crypt

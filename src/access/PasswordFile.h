#pragma once

#include <QString>

// The password file unins000.dll in the program folder: an INI file whose key Valore of
// section Accesso holds the scrambled normal form of the one password. Each operation
// opens the file when called; nothing is cached.
namespace PasswordFile {

QString fileName();

// The password the installation comes with.
QString firstPassword();
// Whether the file still holds the first password; false also when it cannot be read.
bool holdsFirstPassword(const QString& programFolder);

// A typed text as it is stored and compared: the letters a to z in upper case (no other
// letter changes), then every character of code U+0020 or below removed at both ends.
QString normalForm(const QString& typed);

// The stored password, unscrambled and trimmed; empty when the file, the section or the
// key is missing. programFolder ends with a separator. Throws Crypt::ConversionError for
// a value that is not hexadecimal and IniFileError for a file that cannot be read: both
// are std::runtime_error.
QString readStored(const QString& programFolder);

// Whether a typed new password can be stored faithfully. The scheme keeps the low 8 bits
// of at most 255 characters, and an empty password could never be typed again.
enum class NewPasswordCheck {
    Acceptable,
    Empty,         // nothing left once in normal form
    TooLong,       // more than 255 characters in normal form
    OutsideLatin1, // a character beyond U+00FF, such as the euro sign
};
NewPasswordCheck checkNewPassword(const QString& typed);

// The warning that refuses a new password; empty for Acceptable.
QString refusalMessage(NewPasswordCheck check);

// Stores the normal form of typed, scrambled, creating the file or the section when
// missing and leaving the rest of the file as it was. A failed write keeps the old
// password and throws IniFileError. A password that checkNewPassword refuses is not
// stored: std::invalid_argument.
void storeNew(const QString& programFolder, const QString& typed);

} // namespace PasswordFile

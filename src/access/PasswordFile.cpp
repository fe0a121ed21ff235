#include "access/PasswordFile.h"

#include "access/Crypt.h"
#include "archive/StoredText.h"
#include "files/IniFile.h"

#include <stdexcept>

namespace {
constexpr int MaxLength = 255;

QString section()
{
    return QStringLiteral("Accesso");
}

QString key()
{
    return QStringLiteral("Valore");
}
} // namespace

namespace PasswordFile {

QString fileName()
{
    return QStringLiteral("unins000.dll");
}

QString normalForm(const QString& typed)
{
    QString upper = typed;
    for (QChar& character : upper) {
        if (character >= u'a' && character <= u'z')
            character = QChar(character.unicode() - u'a' + u'A');
    }
    return StoredText::trimmed(upper);
}

QString readStored(const QString& programFolder)
{
    const QString hex = IniFile::readValue(programFolder + fileName(), section(), key());
    return StoredText::trimmed(Crypt::DecriptaPassword(hex));
}

NewPasswordCheck checkNewPassword(const QString& typed)
{
    const QString normal = normalForm(typed);
    if (normal.isEmpty())
        return NewPasswordCheck::Empty;
    if (normal.size() > MaxLength)
        return NewPasswordCheck::TooLong;
    for (const QChar character : normal) {
        if (character.unicode() > 0xFF)
            return NewPasswordCheck::OutsideLatin1;
    }
    return NewPasswordCheck::Acceptable;
}

QString refusalMessage(NewPasswordCheck check)
{
    switch (check) {
    case NewPasswordCheck::Acceptable:
        break;
    case NewPasswordCheck::Empty:
        return QStringLiteral("Attenzione: la nuova password non può essere vuota.");
    case NewPasswordCheck::TooLong:
        return QStringLiteral("Attenzione: la nuova password è troppo lunga. La password può contenere al massimo "
                              "255 caratteri.");
    case NewPasswordCheck::OutsideLatin1:
        return QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi, come il simbolo "
                              "dell'euro. La password può contenere lettere, anche accentate, cifre e i simboli più "
                              "comuni.");
    }
    return {};
}

void storeNew(const QString& programFolder, const QString& typed)
{
    if (checkNewPassword(typed) != NewPasswordCheck::Acceptable)
        throw std::invalid_argument("the new password cannot be stored faithfully");
    IniFile::writeValue(programFolder + fileName(), section(), key(), Crypt::CriptaPassword(normalForm(typed)));
}

QString firstPassword()
{
    return QStringLiteral("parolainiziale");
}

bool holdsFirstPassword(const QString& programFolder)
{
    try {
        return readStored(programFolder) == normalForm(firstPassword());
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace PasswordFile

#include "backup/BackupSettings.h"

#include "access/IniFile.h"

namespace BackupSettings {

namespace {
const QString Section = QStringLiteral("CopieSicurezza");
const QString FolderKey = QStringLiteral("Cartella");
const QString DateKey = QStringLiteral("UltimaCopiaEsterna");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

QString valueOf(const QString& programFolder, const QString& key)
{
    try {
        return IniFile::readValue(iniPath(programFolder), Section, key);
    } catch (const IniFileError&) {
        return {};
    }
}
} // namespace

QString iniPath(const QString& programFolder)
{
    return programFolder + QStringLiteral("Corvanta.ini");
}

QString externalFolder(const QString& programFolder)
{
    return valueOf(programFolder, FolderKey);
}

QDate lastExternalCopy(const QString& programFolder)
{
    return QDate::fromString(valueOf(programFolder, DateKey), DateFormat);
}

void rememberExternalCopy(const QString& programFolder, const QString& folder, const QDate& day)
{
    IniFile::writeValue(iniPath(programFolder), Section, FolderKey, folder);
    IniFile::writeValue(iniPath(programFolder), Section, DateKey, day.toString(DateFormat));
}

} // namespace BackupSettings

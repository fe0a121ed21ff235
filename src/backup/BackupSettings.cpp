#include "backup/BackupSettings.h"

#include "files/ProgramSettings.h"

namespace BackupSettings {

namespace {
const QString Section = QStringLiteral("CopieSicurezza");
const QString FolderKey = QStringLiteral("Cartella");
const QString DateKey = QStringLiteral("UltimaCopiaEsterna");
const QString SafetyKey = QStringLiteral("PrimaDelRipristino");
const QLatin1Char Separator(';');
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
} // namespace

QString externalFolder(const QString& programFolder)
{
    return ProgramSettings(programFolder).value(Section, FolderKey);
}

QDate lastExternalCopy(const QString& programFolder)
{
    return QDate::fromString(ProgramSettings(programFolder).value(Section, DateKey), DateFormat);
}

void rememberExternalCopy(const QString& programFolder, const QString& folder, const QDate& day)
{
    ProgramSettings(programFolder).write(Section, {{FolderKey, folder}, {DateKey, day.toString(DateFormat)}});
}

QStringList safetyBackups(const QString& programFolder)
{
    return ProgramSettings(programFolder).value(Section, SafetyKey).split(Separator, Qt::SkipEmptyParts);
}

void rememberSafetyBackups(const QString& programFolder, const QStringList& names)
{
    ProgramSettings(programFolder).write(Section, {{SafetyKey, names.join(Separator)}});
}

} // namespace BackupSettings

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The backups' options in Corvanta.ini beside the program, section CopieSicurezza: the
// folder of the last copy to another disk (Cartella) and its date (UltimaCopiaEsterna), and
// the names of the backups made just before a restore (PrimaDelRipristino, separated by ";").
// Written through ProgramSettings, which replaces the file whole; a failed write throws
// IniFileError.
namespace BackupSettings {

QString externalFolder(const QString& programFolder);
// Invalid when never copied, or when the value cannot be read as a date.
QDate lastExternalCopy(const QString& programFolder);
void rememberExternalCopy(const QString& programFolder, const QString& folder, const QDate& day);
QStringList safetyBackups(const QString& programFolder);
void rememberSafetyBackups(const QString& programFolder, const QStringList& names);

} // namespace BackupSettings

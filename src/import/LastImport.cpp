#include "import/LastImport.h"

#include "access/IniFile.h"
#include "backup/BackupSettings.h"

namespace {
const QString Section = QStringLiteral("UltimaImportazione");
const QString FirstKey = QStringLiteral("DaPosizione");
const QString LastKey = QStringLiteral("APosizione");
const QString ChecksumKey = QStringLiteral("Controllo");
const QString WhenKey = QStringLiteral("Data");
const QString WhenFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

void writeAll(const QString& programFolder, const QString& first, const QString& last, const QString& checksum,
              const QString& when)
{
    const QString path = BackupSettings::iniPath(programFolder);
    // The checksum goes first and last: an interrupted write never leaves a record that
    // names other positions with a matching checksum.
    IniFile::writeValue(path, Section, ChecksumKey, QString());
    IniFile::writeValue(path, Section, FirstKey, first);
    IniFile::writeValue(path, Section, LastKey, last);
    IniFile::writeValue(path, Section, WhenKey, when);
    IniFile::writeValue(path, Section, ChecksumKey, checksum);
}
} // namespace

LastImport LastImport::read(const QString& programFolder)
{
    LastImport made;
    try {
        const QString path = BackupSettings::iniPath(programFolder);
        made.first = IniFile::readValue(path, Section, FirstKey).toInt();
        made.last = IniFile::readValue(path, Section, LastKey).toInt();
        made.checksum = IniFile::readValue(path, Section, ChecksumKey).toLatin1();
        made.when = QDateTime::fromString(IniFile::readValue(path, Section, WhenKey), WhenFormat);
    } catch (const IniFileError&) {
        return {};
    }
    return made.isValid() ? made : LastImport{};
}

void LastImport::write(const QString& programFolder) const
{
    writeAll(programFolder, QString::number(first), QString::number(last), QString::fromLatin1(checksum),
             when.toString(WhenFormat));
}

void LastImport::forget(const QString& programFolder)
{
    writeAll(programFolder, {}, {}, {}, {});
}

#include "import/LastImport.h"

#include "files/ProgramSettings.h"

namespace {
const QString Section = QStringLiteral("UltimaImportazione");
const QString FirstKey = QStringLiteral("DaPosizione");
const QString LastKey = QStringLiteral("APosizione");
const QString ChecksumKey = QStringLiteral("Controllo");
const QString WhenKey = QStringLiteral("Data");
const QString WhenFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// One replacement of the file: a failed write leaves the record of the import before.
void writeAll(const QString& programFolder, const QString& first, const QString& last, const QString& checksum,
              const QString& when)
{
    ProgramSettings(programFolder)
        .write(Section, {{ChecksumKey, checksum}, {FirstKey, first}, {LastKey, last}, {WhenKey, when}});
}
} // namespace

LastImport LastImport::read(const QString& programFolder)
{
    const ProgramSettings settings(programFolder);
    LastImport made;
    made.first = settings.value(Section, FirstKey).toInt();
    made.last = settings.value(Section, LastKey).toInt();
    made.checksum = settings.value(Section, ChecksumKey).toLatin1();
    made.when = QDateTime::fromString(settings.value(Section, WhenKey), WhenFormat);
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

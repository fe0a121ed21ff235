#include "backup/BackupContents.h"

#include "access/PasswordFile.h"
#include "archive/TSchedaVeicolo.h"
#include "archive/VehicleArchive.h"
#include "costs/TCostoVeicolo.h"
#include "files/ProgramSettings.h"
#include "history/HistoryFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

namespace BackupContents {

namespace {

const QRegularExpression& costFileName()
{
    static const QRegularExpression pattern(QStringLiteral("^Costi_Veicolo_[1-9][0-9]*\\.pro$"));
    return pattern;
}

// A path beneath one of the two data folders, each part a plain name.
bool isBeneath(const QString& name, const QString& folder)
{
    if (!name.startsWith(folder + QLatin1Char('/')))
        return false;
    const QStringList parts = name.mid(folder.size() + 1).split(QLatin1Char('/'));
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        const bool lastOfFolderName = i == parts.size() - 1 && part.isEmpty();
        if (lastOfFolderName)
            continue;
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") ||
            part.contains(QLatin1Char('\\')))
            return false;
    }
    return true;
}

DataFile fileOf(const QString& programFolder, const QString& name, int recordSize)
{
    const QFileInfo info(programFolder + name);
    return {name, info.filePath(), info.lastModified(), info.exists() ? info.size() : 0, recordSize};
}

} // namespace

QString archiveName()
{
    return VehicleArchive::fileName();
}

QString photoFolder()
{
    return QStringLiteral("Autoparco");
}

QString attachmentFolder()
{
    return QStringLiteral("Documenti_Allegati");
}

QList<DataFile> dataFiles(const QString& programFolder)
{
    QList<DataFile> files;
    // A folder that never saved a card has neither yet, and a backup never creates one.
    if (QFileInfo(programFolder + archiveName()).isFile())
        files.append(fileOf(programFolder, archiveName(), TSchedaVeicolo::RecordSize));
    if (QFileInfo(programFolder + HistoryFile::fileName()).isFile())
        files.append(fileOf(programFolder, HistoryFile::fileName(), TEventoVeicolo::RecordSize));
    const QDir folder(programFolder);
    QStringList costs = folder.entryList({QStringLiteral("Costi_Veicolo_*.pro")}, QDir::Files);
    costs.sort();
    for (const QString& name : costs)
        if (costFileName().match(name).hasMatch())
            files.append(fileOf(programFolder, name, TCostoVeicolo::RecordSize));
    for (const QString& sub : {photoFolder(), attachmentFolder()}) {
        QStringList inside;
        // Links are left out: a backup holds the bytes of the program's own files only.
        QDirIterator it(programFolder + sub, QDir::Files | QDir::NoSymLinks | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            inside.append(folder.relativeFilePath(it.next()));
        inside.sort();
        for (const QString& name : inside)
            files.append(fileOf(programFolder, name, 0));
    }
    for (const QString& name : {PasswordFile::fileName(), ProgramSettings::fileName()})
        if (QFileInfo(programFolder + name).isFile())
            files.append(fileOf(programFolder, name, 0));
    return files;
}

bool isDataName(const QString& name)
{
    if (name == archiveName() || name == HistoryFile::fileName() || name == PasswordFile::fileName() ||
        name == ProgramSettings::fileName())
        return true;
    if (costFileName().match(name).hasMatch())
        return true;
    return isBeneath(name, photoFolder()) || isBeneath(name, attachmentFolder());
}

int recordSizeOf(const QString& name)
{
    if (name == archiveName())
        return TSchedaVeicolo::RecordSize;
    if (name == HistoryFile::fileName())
        return TEventoVeicolo::RecordSize;
    if (costFileName().match(name).hasMatch())
        return TCostoVeicolo::RecordSize;
    return 0;
}

} // namespace BackupContents

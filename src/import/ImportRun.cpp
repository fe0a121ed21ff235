#include "import/ImportRun.h"

#include "archive/RecordCodec.h"
#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"
#include "import/ImportPlan.h"
#include "import/RecordChecksum.h"
#include "photo/PhotoFile.h"

#include <QFileInfo>

namespace ImportRun {
namespace {
// Records encoded and written at a time: a progress step, and a bounded buffer however
// long the file.
constexpr int ChunkRecords = 512;

bool hasCompanionFiles(const QString& programFolder, int first, int last)
{
    for (int position = first; position <= last; ++position) {
        const QFileInfo costs(programFolder + CostFile::fileName(position));
        // Opening the cost window creates an empty file; only recorded costs count.
        if (costs.exists() && costs.size() > 0)
            return true;
        if (QFileInfo::exists(PhotoFile::pathFor(programFolder, QString::number(position))))
            return true;
    }
    return false;
}

} // namespace

LastImport append(const QString& programFolder, const CsvTable& table, const QList<int>& matching,
                  const QList<int>& rows, const QDateTime& when, const std::function<void(double)>& progress)
{
    if (rows.isEmpty())
        return {};
    VehicleArchive archive(programFolder);
    RecordChecksum hash(TSchedaVeicolo::RecordSize);
    qsizetype done = 0;
    const int first = archive.records().appendAll([&](QByteArray& chunk) {
        if (done == rows.size())
            return false;
        const qsizetype upTo = qMin<qsizetype>(rows.size(), done + ChunkRecords);
        chunk.resize((upTo - done) * TSchedaVeicolo::RecordSize);
        for (qsizetype i = done; i < upTo; ++i)
            ImportPlan::encodeRowInto(table, matching, rows.at(i),
                                      chunk.data() + (i - done) * TSchedaVeicolo::RecordSize);
        hash.addRecords(chunk);
        done = upTo;
        if (progress)
            progress(double(done) / double(rows.size()));
        return true;
    });
    archive.close();
    LastImport made{first, first + static_cast<int>(rows.size()) - 1, hash.hex(), when};
    made.write(programFolder);
    return made;
}

QByteArray checksumOf(FixedRecordFile& file, int first, int last)
{
    RecordChecksum hash(TSchedaVeicolo::RecordSize);
    QByteArray block;
    for (int index = first - 1; index < last;) {
        const int wanted = qMin(ChunkRecords, last - index);
        file.readBlock(index, wanted, block);
        hash.addRecords(block);
        index += wanted;
    }
    return hash.hex();
}

Undo undo(const QString& programFolder, const LastImport& last)
{
    if (!last.isValid() || hasCompanionFiles(programFolder, last.first, last.last))
        return Undo::Refused;
    VehicleArchive archive(programFolder);
    FixedRecordFile& file = archive.records();
    const bool cut = file.cutBackConfirmed(last.first - 1, [&] {
        // The names of attached files live in the records, so the checksum covers them.
        return file.count() == last.last && checksumOf(file, last.first, last.last) == last.checksum;
    });
    archive.close();
    if (!cut)
        return Undo::Refused;
    LastImport::forget(programFolder);
    return Undo::Done;
}

QString completed(const LastImport& done)
{
    return QStringLiteral("Importazione completata: %1 schede aggiunte (posizioni da %2 a %3).")
        .arg(done.count())
        .arg(done.first)
        .arg(done.last);
}

QString undoQuestion(const LastImport& last)
{
    return QStringLiteral("Annullare l'importazione del %1 (%2 schede)?")
        .arg(last.when.toString(QStringLiteral("dd/MM/yyyy HH:mm")))
        .arg(last.count());
}

QString undoRefused()
{
    return QStringLiteral("Attenzione: l'importazione non può essere annullata perché le schede importate sono "
                          "state modificate o l'archivio è cambiato.");
}
} // namespace ImportRun

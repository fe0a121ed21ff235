#include "import/ImportRun.h"

#include "archive/RecordCodec.h"
#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"
#include "history/HistoryFile.h"
#include "import/ImportPlan.h"
#include "import/RecordChecksum.h"
#include "photo/PhotoFile.h"

#include <QFileInfo>

#include <future>

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
                  const QList<int>& rows, const QDateTime& when, const Job::Progress& progress,
                  const Job::Cancelled& cancelled)
{
    if (rows.isEmpty())
        return {};
    RecordChecksum hash(TSchedaVeicolo::RecordSize);
    // Encodes and sums rows [from, to) into chunk, reusing its memory; the records are summed
    // in file order since one chunk is made at a time.
    const auto encode = [&](qsizetype from, qsizetype to, QByteArray* chunk) {
        chunk->resize((to - from) * TSchedaVeicolo::RecordSize);
        for (qsizetype i = from; i < to; ++i)
            ImportPlan::encodeRowInto(table, matching, rows.at(i),
                                      chunk->data() + (i - from) * TSchedaVeicolo::RecordSize);
        hash.addRecords(*chunk);
    };
    // On two cores the next chunk is encoded while the archive writes this one: two
    // buffers in turn, so memory stays two chunks however long the file.
    QByteArray next;
    qsizetype encoded = 0; // rows in chunks made or being made
    qsizetype done = 0;    // rows handed to the archive
    // Declared after the buffer it fills: its destructor waits for the worker on every way out.
    std::future<void> making;
    const auto startNext = [&] {
        const qsizetype from = encoded;
        encoded = qMin<qsizetype>(rows.size(), from + ChunkRecords);
        // When no thread can be started, get() makes the chunk instead.
        if (from < encoded)
            making = std::async(std::launch::async | std::launch::deferred, encode, from, encoded, &next);
    };
    VehicleArchive archive(programFolder);
    startNext();
    // Anything thrown in here, a cancel included, makes the archive cut back what it took.
    const int first = archive.records().appendAll([&](QByteArray& chunk) {
        if (progress)
            progress(double(done) / double(rows.size()));
        if (done == rows.size())
            return false;
        Job::stopIfCancelled(cancelled);
        making.get(); // passes on anything the encoding threw
        chunk.swap(next);
        done = encoded;
        startNext();
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

namespace {

// What stands in the way apart from the archive's records; Done when nothing does.
Undo refusalBesideArchive(const QString& programFolder, const LastImport& last)
{
    // Opening a missing archive would create it.
    if (!last.isValid() || !QFileInfo(programFolder + VehicleArchive::fileName()).isFile() ||
        hasCompanionFiles(programFolder, last.first, last.last))
        return Undo::Refused;
    HistoryFile history(programFolder);
    const bool recorded = history.holdsAnyOf(last.first, last.last);
    history.close();
    return recorded ? Undo::RefusedForHistory : Undo::Done;
}

bool endsAsAppended(FixedRecordFile& file, const LastImport& last)
{
    // The names of attached files live in the records, so the checksum covers them.
    return file.count() == last.last && checksumOf(file, last.first, last.last) == last.checksum;
}

} // namespace

Undo wouldUndo(const QString& programFolder, const LastImport& last)
{
    const Undo refusal = refusalBesideArchive(programFolder, last);
    if (refusal != Undo::Done)
        return refusal;
    VehicleArchive archive(programFolder);
    const bool asAppended = endsAsAppended(archive.records(), last);
    archive.close();
    return asAppended ? Undo::Done : Undo::Refused;
}

Undo undo(const QString& programFolder, const LastImport& last)
{
    const Undo refusal = refusalBesideArchive(programFolder, last);
    if (refusal != Undo::Done)
        return refusal;
    VehicleArchive archive(programFolder);
    FixedRecordFile& file = archive.records();
    const bool cut = file.cutBackConfirmed(last.first - 1, [&] { return endsAsAppended(file, last); });
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

QString undoRefusedForHistory()
{
    return QStringLiteral("Attenzione: l'importazione non può essere annullata perché lo storico registra già "
                          "eventi di alcune delle schede importate.");
}
} // namespace ImportRun

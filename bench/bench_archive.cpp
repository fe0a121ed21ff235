// Times the archive paths that every list and search walks through.

#include "bench_archive.h"

#include "BenchFigures.h"
#include "archive/VehicleArchive.h"
#include "bench_lists.h"
#include "bench_search_window.h"
#include "files/DiskSync.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {
TSchedaVeicolo sampleVehicle(int i)
{
    TSchedaVeicolo record;
    for (const auto& field : TSchedaVeicolo::fields())
        record.*(field.member) = QString::fromUtf8("%1 n° %2 è").arg(QLatin1String(field.name)).arg(i);
    return record;
}

void report(const char* what, int count, const QElapsedTimer& timer)
{
    std::printf("%-28s %7d records  %8lld ms\n", what, count, static_cast<long long>(timer.elapsed()));
}

// What the flush to the device adds to one save: the card's overwrite of one record, as
// Salva does it, with and without the flush, on the disk beside the bench (not a memory
// file system, where a flush costs nothing).
void benchFlushedSave()
{
    QTemporaryDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/flush-XXXXXX"));
    const QString folder = dir.path() + QLatin1Char('/');
    {
        VehicleArchive archive(folder);
        for (int i = 0; i < 100; ++i)
            archive.append(sampleVehicle(i));
        archive.close();
    }
    const QByteArray record = encodeRecord(sampleVehicle(7));
    const auto save = [&] {
        VehicleArchive archive(folder);
        archive.records().overwriteConfirmed(49, record, [](const QByteArray&) { return true; });
        archive.close();
    };
    BenchFigures::print("card save, flushed to the device", BenchFigures::medianMs(21, save), 100, "ms");
    DiskSync::setFlushForTesting([](int) { return true; });
    BenchFigures::print("card save, left in the write cache", BenchFigures::medianMs(21, save), 100, "ms");
    DiskSync::setFlushForTesting({});
}
} // namespace

int benchArchive()
{
    constexpr int CodecRounds = 100000;
    constexpr int Appends = 5000;

    QElapsedTimer timer;
    timer.start();
    const TSchedaVeicolo vehicle = sampleVehicle(1);
    qsizetype checksum = 0;
    for (int i = 0; i < CodecRounds; ++i)
        checksum += decodeRecord<TSchedaVeicolo>(encodeRecord(vehicle)).Note.size();
    report("encode + decode", CodecRounds, timer);

    QTemporaryDir dir;
    benchFlushedSave();
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString folder = dir.path() + QLatin1Char('/');
    try {
        // The appends and the generated archives leave their bytes in the write cache: the
        // flush is timed apart above, and the scans never flush.
        DiskSync::setFlushForTesting([](int) { return true; });
        timer.restart();
        for (int i = 0; i < Appends; ++i) {
            // One command: open, append, close.
            VehicleArchive archive(folder);
            archive.append(sampleVehicle(i));
            archive.close();
        }
        report("append (open/close each)", Appends, timer);

        timer.restart();
        VehicleArchive archive(folder);
        const int count = archive.count();
        for (int i = 0; i < count; ++i)
            checksum += archive.readNext().Tipo.size();
        archive.close();
        report("read-next scan", count, timer);

        if (!benchLists(folder, checksum))
            return 1;
        benchSearchWindow(folder); // on the largest archive of the lists
        DiskSync::setFlushForTesting({});
    } catch (const FileAccessError& error) {
        DiskSync::setFlushForTesting({});
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("checksum %lld\n", static_cast<long long>(checksum));
    return 0;
}

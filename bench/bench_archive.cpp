// Times the archive paths that every list and search walks through.

#include "bench_archive.h"

#include "archive/VehicleArchive.h"
#include "bench_lists.h"
#include "bench_search_window.h"

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
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString folder = dir.path() + QLatin1Char('/');
    try {
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
    } catch (const FileAccessError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("checksum %lld\n", static_cast<long long>(checksum));
    return 0;
}

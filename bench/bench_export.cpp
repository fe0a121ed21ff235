// Times the export window's two heavy paths on a large archive: reading it into the
// grid's rows, against the bare read-and-decode of the same archive, and writing the
// spreadsheet file.
#include "bench_export.h"

#include "archive/VehicleArchive.h"
#include "output/ExportFile.h"
#include "output/ExportTableModel.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int Records = 100000;
constexpr int Runs = 5;

// A vehicle with every field about half full, accents included.
TSchedaVeicolo fullVehicle(int i)
{
    TSchedaVeicolo record;
    for (const auto& field : TSchedaVeicolo::fields()) {
        const QString text = QString::fromUtf8("%1 n° %2 è più ").arg(QLatin1String(field.name)).arg(i);
        record.*(field.member) = text.repeated(std::max(1, field.capacity / 2 / int(text.size()))).left(field.capacity);
    }
    return record;
}

// Writes the archive in one pass, as many appends would leave it.
bool writeArchive(const QString& folder)
{
    QFile file(folder + VehicleArchive::fileName());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int i = 1; i <= Records; ++i) {
        if (file.write(encodeRecord(fullVehicle(i))) != TSchedaVeicolo::RecordSize)
            return false;
    }
    return true;
}

// prepare runs before each timed run, outside the timing.
qint64 medianMs(const std::function<void()>& run, const std::function<void()>& prepare = {})
{
    std::vector<qint64> times;
    for (int i = 0; i < Runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.elapsed());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024; // kilobytes on Linux
}

void figure(const char* name, const char* measure, long long value, const char* unit, long long target)
{
    std::printf("%-36s %-6s %7lld %s  target <= %lld %s  %s\n", name, measure, value, unit, target, unit,
                value <= target ? "ok" : "over");
}

} // namespace

int benchExport()
{
    QTemporaryDir dir;
    if (!dir.isValid() || !writeArchive(dir.path() + QLatin1Char('/'))) {
        std::fprintf(stderr, "no archive for the export figures\n");
        return 1;
    }
    const QString folder = dir.path() + QLatin1Char('/');
    qsizetype checksum = 0;

    // The floor: every record read and decoded, nothing kept.
    const qint64 floor = medianMs([&] {
        VehicleArchive archive(folder);
        const int count = archive.count();
        for (int i = 0; i < count; ++i)
            checksum += archive.readNext().Note.size();
        archive.close();
    });
    std::printf("%-36s median %7lld ms  (%d records)\n", "archive read + decode (floor)", static_cast<long long>(floor),
                Records);

    const long before = peakMegabytes();
    ExportTableModel grid;
    // Each run fills a new grid; the previous one is freed outside the timing.
    std::unique_ptr<ExportTableModel> opened;
    const qint64 open = medianMs(
        [&] {
            opened = std::make_unique<ExportTableModel>();
            opened->load(folder);
            checksum += opened->rowCount();
        },
        [&] { opened.reset(); });
    figure("export grid open, 100000 records", "median", open, "ms", 2 * floor);
    figure("export grid open, memory", "peak", std::max(before, peakMegabytes()), "MB", 400);

    grid.load(folder);
    const qint64 write = medianMs([&] { checksum += ExportFile::write(folder, grid.rows()) ? 1 : 0; });
    figure("export file write, 100000 records", "median", write, "ms", 2000);
    std::printf("export checksum %lld\n", static_cast<long long>(checksum));
    return 0;
}

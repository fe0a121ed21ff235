// Times the export window's two heavy paths on a large archive: reading it into the
// grid's rows, against the bare read-and-decode of the same archive, and writing the
// spreadsheet file.
#include "bench_export.h"

#include "BenchFigures.h"

#include "archive/VehicleArchive.h"
#include "output/ExportFile.h"
#include "output/ExportTableModel.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
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
    const double floor = BenchFigures::medianMs(Runs, [&] {
        VehicleArchive archive(folder);
        const int count = archive.count();
        for (int i = 0; i < count; ++i)
            checksum += archive.readNext().Note.size();
        archive.close();
    });
    std::printf("%-40s %10.1f ms  (%d records)\n", "archive read + decode (floor)", floor, Records);

    const double before = BenchFigures::peakMemoryMb();
    ExportTableModel grid;
    // Each run fills a new grid; the previous one is freed outside the timing.
    std::unique_ptr<ExportTableModel> opened;
    const double open = BenchFigures::medianMs(
        Runs,
        [&] {
            opened = std::make_unique<ExportTableModel>();
            opened->load(folder);
            checksum += opened->rowCount();
        },
        [&] { opened.reset(); });
    BenchFigures::print("export grid open, 100000 records", open, 2 * floor, "ms");
    BenchFigures::print("export grid open, peak memory", std::max(before, BenchFigures::peakMemoryMb()), 400, "MB");

    grid.load(folder);
    const double write =
        BenchFigures::medianMs(Runs, [&] { checksum += ExportFile::write(folder, grid.rows()) ? 1 : 0; });
    BenchFigures::print("export file write, 100000 records", write, 2000, "ms");
    std::printf("export checksum %lld\n", static_cast<long long>(checksum));
    return 0;
}

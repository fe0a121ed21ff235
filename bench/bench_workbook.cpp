// Times the .xlsx workbook of a large archive with its cost files against the .xls
// export of the same archive (the grid read, then the file written), and its peak memory.
// The workbook runs first, so the peak is its own and not the .xls grid's.
#include "bench_workbook.h"

#include "BenchFigures.h"

#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"
#include "output/ExportFile.h"
#include "output/ExportTableModel.h"
#include "output/FleetWorkbook.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Vehicles = 100000;
constexpr int EntriesPerVehicle = 2; // 200,000 cost entries
constexpr int Runs = 3;

TSchedaVeicolo vehicle(int i)
{
    TSchedaVeicolo record;
    record.Tipo = QStringLiteral("Autovettura");
    record.Destinazione = QStringLiteral("Servizio città");
    record.Marca = QStringLiteral("Fiat");
    record.Modello = QStringLiteral("Panda 1.2 n° %1").arg(i);
    record.Targa = QStringLiteral("AB%1CD").arg(i % 1000, 3, 10, QLatin1Char('0'));
    record.Chilometri = QStringLiteral("48.%1").arg(i % 1000, 3, 10, QLatin1Char('0'));
    record.Lettura = QStringLiteral("05/03/2026");
    record.Ambiente = QStringLiteral("Euro 6 è");
    record.Proprietario = QStringLiteral("Società Alfa");
    record.ScadRevisione = QStringLiteral("%1/01/2027").arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
    record.ScadBollo = QStringLiteral("31/12/2026");
    record.Note = QStringLiteral("Gomme invernali montate, prossimo cambio a primavera");
    return record;
}

bool writeFleet(const QString& folder)
{
    QFile archive(folder + VehicleArchive::fileName());
    if (!archive.open(QIODevice::WriteOnly))
        return false;
    TCostoVeicolo entry;
    entry.Data = QStringLiteral("12/03/2026");
    entry.Causale = QStringLiteral("Tagliando e cambio olio");
    entry.Pagatore = QStringLiteral("Ufficio tecnico");
    entry.Beneficiario = QStringLiteral("Officina Società");
    entry.Importo = QStringLiteral("185,40");
    const QByteArray costs = encodeRecord(entry).repeated(EntriesPerVehicle);
    for (int i = 1; i <= Vehicles; ++i) {
        if (archive.write(encodeRecord(vehicle(i))) != TSchedaVeicolo::RecordSize)
            return false;
        QFile cost(folder + CostFile::fileName(i));
        if (!cost.open(QIODevice::WriteOnly) || cost.write(costs) != costs.size())
            return false;
    }
    return true;
}

} // namespace

int benchWorkbook()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    if (!dir.isValid() || !writeFleet(folder)) {
        std::fprintf(stderr, "no archive for the workbook figures\n");
        return 1;
    }
    bool written = true;
    const double workbook = BenchFigures::medianMs(
        Runs, [&] { written = FleetWorkbook::write(folder, folder + FleetWorkbook::fileName()).written && written; });
    const double peak = BenchFigures::peakMemoryMb();
    if (!written) {
        std::fprintf(stderr, "the workbook could not be written\n");
        return 1;
    }

    const double xls = BenchFigures::medianMs(Runs, [&] {
        ExportTableModel grid;
        grid.load(folder);
        written = ExportFile::write(folder, grid.rows()) && written;
    });
    std::printf("%-40s %10.1f ms  (%d records)\n", ".xls export of the same archive", xls, Vehicles);
    BenchFigures::print("xlsx workbook, 100000 vehicles + 200000 costs", workbook, 3 * xls, "ms");
    BenchFigures::print("xlsx workbook, peak memory", peak, 300, "MB");
    return written ? 0 : 1;
}

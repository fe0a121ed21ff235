#include "bench_analysis.h"

#include "BenchFigures.h"

#include "analysis/FleetCosts.h"
#include "archive/RecordCodec.h"
#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {
constexpr int Vehicles = 10000;
constexpr int EntriesEach = 20;
constexpr int Runs = 5;

bool writeFleet(const QString& folder)
{
    static const char* const causes[] = {"Tagliando",  "Bollo auto", "Assicurazione RCA", "Gomme",
                                         "Carburante", "Lavaggio",   "Pedaggio",          "Riparazione"};
    QFile archive(folder + VehicleArchive::fileName());
    if (!archive.open(QIODevice::WriteOnly))
        return false;
    for (int v = 0; v < Vehicles; ++v) {
        TSchedaVeicolo vehicle;
        vehicle.Tipo = QStringLiteral("Autovettura");
        vehicle.Marca = QStringLiteral("Fiat");
        vehicle.Modello = QStringLiteral("Panda");
        vehicle.Targa = QStringLiteral("AB%1").arg(v, 5, 10, QLatin1Char('0'));
        archive.write(encodeRecord(vehicle));
        QByteArray costs;
        for (int e = 0; e < EntriesEach; ++e) {
            const TCostoVeicolo entry{
                QStringLiteral("%1/%2/%3")
                    .arg(1 + e % 28, 2, 10, QLatin1Char('0'))
                    .arg(1 + e % 12, 2, 10, QLatin1Char('0'))
                    .arg(2020 + (v + e) % 7),
                QLatin1String(causes[(v + e) % 8]), QStringLiteral("Ufficio"), QStringLiteral("Officina"),
                QStringLiteral("%1,%2").arg(10 + (v * e) % 900).arg(e % 100, 2, 10, QLatin1Char('0'))};
            costs += encodeRecord(entry);
        }
        QFile file(folder + CostFile::fileName(v + 1));
        if (!file.open(QIODevice::WriteOnly) || file.write(costs) != costs.size())
            return false;
    }
    return true;
}
} // namespace

int benchAnalysis()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    if (!dir.isValid() || !writeFleet(folder)) {
        std::fprintf(stderr, "analysis: cannot write the fleet\n");
        return 1;
    }
    // The floor: every cost file opened and read once.
    qint64 bytes = 0;
    const double floor = BenchFigures::medianMs(Runs, [&] {
        for (int v = 1; v <= Vehicles; ++v) {
            QFile file(folder + CostFile::fileName(v));
            if (file.open(QIODevice::ReadOnly))
                bytes += file.readAll().size();
        }
    });
    std::size_t ranked = 0;
    const double analysis = BenchFigures::medianMs(Runs, [&] {
        const FleetCosts fleet = readFleetCosts(folder);
        ranked = analyseFleet(fleet).ranking.size();
    });
    if (ranked != Vehicles || bytes == 0) {
        std::fprintf(stderr, "analysis: %zu vehicles ranked, not %d\n", ranked, Vehicles);
        return 1;
    }
    BenchFigures::print("fleet floor: read 10,000 cost files", floor, floor, "ms");
    BenchFigures::print("fleet analysis, 10,000 x 20 entries", analysis, 2 * floor, "ms");
    return 0;
}

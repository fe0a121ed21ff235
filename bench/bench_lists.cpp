// Times the list scans against the floor: one block read of the archive decoding only the
// fields a list line needs. Each figure is the median of several runs.

#include "bench_lists.h"

#include "BenchFigures.h"

#include "archive/RecordScanner.h"
#include "archive/VehicleArchive.h"
#include "deadlines/DeadlineScan.h"
#include "search/VehicleSearch.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int Runs = 7;
const QDate Today(2024, 3, 10);

TSchedaVeicolo generatedVehicle(int i)
{
    static const char* const types[] = {"Autovettura", "Autocarro", "Furgone", "Motociclo", "Pullman"};
    static const char* const makes[] = {"Fiat", "Iveco", "Renault", "Ford", "Alfa Romeo"};
    TSchedaVeicolo record;
    for (const auto& field : TSchedaVeicolo::fields())
        record.*(field.member) = QLatin1String(field.name) + QStringLiteral(" %1").arg(i);
    record.Tipo = QLatin1String(types[i % 5]);
    record.Destinazione = QStringLiteral("Uso ufficio %1").arg(i % 13);
    record.Marca = QLatin1String(makes[(i * 7) % 5]);
    record.Modello = QStringLiteral("Modello %1").arg(i % 97);
    record.Targa = QStringLiteral("AB%1CD").arg(i % 1000, 3, 10, QLatin1Char('0'));
    record.Anno = QString::number(1995 + i % 30);
    record.Stato = QStringLiteral("Buono");
    record.Chilometri = QString::number(i * 37 % 400000);
    record.Proprietario = QStringLiteral("Comune di Prato");
    record.Autista = QStringLiteral("Mario Rossi %1").arg(i % 50);
    record.Meccanico = QStringLiteral("Officina %1").arg(i % 20);
    record.Note = QStringLiteral("Nessuna nota per il veicolo %1").arg(i);
    const QString due = (i % 10 == 0) ? QString() : Today.addDays(i % 60 - 30).toString(QStringLiteral("dd/MM/yyyy"));
    record.ScadRevisione = record.ScadTagliando = record.ScadAssicurazione = record.ScadBollo = due;
    return record;
}

bool writeArchive(const QString& folder, int count)
{
    QFile file(folder + VehicleArchive::fileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int i = 0; i < count; ++i) {
        if (file.write(encodeRecord(generatedVehicle(i))) != TSchedaVeicolo::RecordSize)
            return false;
    }
    return true;
}

double elapsedMs(const std::function<void()>& run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void report(const char* what, int count, double ms, double target)
{
    std::printf("%-28s %7d records  %8.1f ms  target %8.1f ms  %s\n", what, count, ms, target,
                ms <= target ? "ok" : "over");
}
} // namespace

qsizetype listFloorPass(const QString& folder)
{
    using V = TSchedaVeicolo;
    const FieldDecoder<V> decoder(
        {&V::Tipo, &V::Marca, &V::Modello, &V::Targa, &V::Proprietario, &V::Anno, &V::Chilometri});
    qsizetype checksum = 0;
    VehicleArchive archive(folder);
    RecordScanner scanner(archive.records());
    QByteArrayView bytes;
    V vehicle;
    while (scanner.next(bytes)) {
        decoder.decode(bytes, vehicle);
        checksum += vehicle.Tipo.size();
    }
    archive.close();
    return checksum;
}

bool benchLists(const QString& folder, qsizetype& checksum)
{
    using V = TSchedaVeicolo;
    const VehicleSearch::Criteria ten = {
        QStringLiteral("auto"),  QStringLiteral("uso"),  QStringLiteral("i"),     QStringLiteral("modello"),
        QStringLiteral("ab"),    QStringLiteral("buo"),  QStringLiteral("rossi"), QStringLiteral("officina"),
        QStringLiteral("prato"), QStringLiteral("nota"),
    };
    for (const int count : {10000, 100000}) {
        if (!writeArchive(folder, count)) {
            std::fprintf(stderr, "cannot write the generated archive\n");
            return false;
        }
        const auto floor = [&] { checksum += listFloorPass(folder); };
        const auto deadlines = [&] { checksum += scanDeadlines(folder, &V::ScadBollo, Today).lines.size(); };
        QStringList lines;
        const auto everything = [&] {
            lines = VehicleSearch::search(folder, VehicleSearch::Criteria()).lines;
            checksum += lines.size();
        };
        const auto tenCriteria = [&] { checksum += VehicleSearch::search(folder, ten).lines.size(); };
        const auto recall = [&] {
            const QString last = lines.isEmpty() ? QString() : lines.constLast();
            checksum += VehicleSearch::recall(folder, last).position;
        };

        // Interleaved rounds, so that a busy moment of the machine falls on every figure alike.
        std::vector<double> times[5];
        for (int run = 0; run < Runs; ++run) {
            times[0].push_back(elapsedMs(floor));
            times[1].push_back(elapsedMs(deadlines));
            lines.clear(); // freeing the last result is no part of the search
            times[2].push_back(elapsedMs(everything));
            times[3].push_back(elapsedMs(tenCriteria));
            times[4].push_back(elapsedMs(recall));
        }
        const double floorMs = BenchFigures::median(times[0]);
        std::printf("%-28s %7d records  %8.1f ms\n", "floor: block read + fields", count, floorMs);
        report("deadline scan", count, BenchFigures::median(times[1]), 2 * floorMs);
        report("search, no criteria", count, BenchFigures::median(times[2]), 2 * floorMs);
        report("search, 10 criteria", count, BenchFigures::median(times[3]), 2 * floorMs);
        report("recall of the last line", count, BenchFigures::median(times[4]), 2 * floorMs);
    }
    return true;
}

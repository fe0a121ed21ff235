#include "bench_dashboard.h"

#include "BenchFigures.h"
#include "FakePlatform.h"
#include "bench_lists.h"

#include "app/AppWindows.h"
#include "archive/RecordScanner.h"
#include "archive/VehicleArchive.h"
#include "deadlines/DueDates.h"
#include "deadlines/TfrmScadenzario.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>

#include <cstdio>
#include <memory>

namespace {
constexpr int Records = 100000;
constexpr int Runs = 5;
constexpr double RegisterTargetMs = 1500;
constexpr double RegisterTargetMb = 300;

TSchedaVeicolo generatedVehicle(int i, QDate today)
{
    static const char* const makes[] = {"Fiat", "Iveco", "Renault", "Ford", "Alfa Romeo"};
    TSchedaVeicolo record;
    record.Tipo = QStringLiteral("Autovettura");
    record.Marca = QLatin1String(makes[i % 5]);
    record.Modello = QStringLiteral("Modello %1").arg(i % 97);
    record.Targa = QStringLiteral("AB%1CD").arg(i % 1000, 3, 10, QLatin1Char('0'));
    record.Proprietario = QStringLiteral("Comune di Prato");
    record.Autista = QStringLiteral("Mario Rossi %1").arg(i % 50);
    const auto due = [&](int shift) {
        return today.addDays((i * 7 + shift) % 430 - 30).toString(QStringLiteral("dd/MM/yyyy"));
    };
    record.ScadRevisione = due(0);
    record.ScadTagliando = due(101);
    record.ScadAssicurazione = due(211);
    record.ScadBollo = due(307);
    return record;
}

bool writeArchive(const QString& path, int count, QDate today)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int i = 0; i < count; ++i) {
        if (file.write(encodeRecord(generatedVehicle(i, today))) != TSchedaVeicolo::RecordSize)
            return false;
    }
    return true;
}

// One block read of the archive decoding the fields of a list line, as the lists' floor.
double floorMs(const QString& folder)
{
    qsizetype checksum = 0;
    const double ms = BenchFigures::medianMs(Runs, [&] { checksum += listFloorPass(folder); });
    std::printf("%-40s %10.1f ms  (checksum %lld)\n", "floor: block read + fields", ms,
                static_cast<long long>(checksum));
    return ms;
}

// Until the launcher has shown; closing the program, which stops the day's backup the
// launcher started, happens between runs.
double launcherAfterLoginMs()
{
    std::unique_ptr<AppWindows> windows;
    const auto login = [&windows] {
        windows = std::make_unique<AppWindows>();
        windows->showLauncher();
        QApplication::processEvents();
    };
    login(); // the first windows of the process load fonts and artwork
    const double ms = BenchFigures::medianMs(Runs, login, [&windows] { windows.reset(); });
    windows.reset();
    return ms;
}
} // namespace

int benchDashboard()
{
    FakePlatform platform;
    const QString folder = platform.programFolder();
    const QDate today = platform.today();
    const double emptyLauncher = launcherAfterLoginMs();
    if (!writeArchive(platform.archivePath(), Records, today)) {
        std::fprintf(stderr, "cannot write the generated archive\n");
        return 1;
    }
    const double floor = floorMs(folder);
    std::size_t rows = 0;
    const double scan = BenchFigures::medianMs(Runs, [&] { rows = DueDates::scan(folder, today).rows.size(); });
    BenchFigures::print("dashboard scan, 100,000 records", scan, 2 * floor, "ms");
    BenchFigures::print("launcher after login, 100,000 records", launcherAfterLoginMs(), emptyLauncher + floor, "ms");

    double registerMs = 0;
    int shown = 0;
    {
        std::vector<double> times;
        for (int run = 0; run < Runs; ++run) {
            // A fresh window each time, as every opening makes one; "Tutte" chosen at once.
            QElapsedTimer timer;
            timer.start();
            TfrmScadenzario window;
            window.show();
            window.findChild<QComboBox*>(QStringLiteral("cboPeriodo"))->setCurrentIndex(4);
            window.repaint();
            QApplication::processEvents();
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            shown = window.findChild<QTableView*>(QStringLiteral("grdScadenze"))->model()->rowCount();
        }
        registerMs = BenchFigures::median(times);
    }
    if (static_cast<std::size_t>(shown) != rows)
        std::fprintf(stderr, "the register shows %d of %zu rows\n", shown, rows);
    BenchFigures::print("register, Tutte (400,000 rows)", registerMs, RegisterTargetMs, "ms");
    BenchFigures::print("register, peak memory", BenchFigures::peakMemoryMb(), RegisterTargetMb, "MB");
    return 0;
}

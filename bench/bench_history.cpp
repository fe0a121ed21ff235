#include "bench_history.h"

#include "BenchFigures.h"
#include "FakePlatform.h"

#include "archive/RecordCodec.h"
#include "archive/VehicleArchive.h"
#include "card/TfrmAutoparco.h"
#include "history/HistoryEvents.h"
#include "history/HistoryFile.h"
#include "history/HistoryRows.h"

#include <QAbstractButton>
#include <QFile>

#include <cstdio>

namespace {

constexpr int Records = 1000000;
constexpr int Vehicles = 10000;
constexpr int Runs = 5;

// 100 events for each of 10,000 vehicles, in the order a fleet would write them: every
// vehicle's events spread over the whole file.
bool writeHistory(const QString& folder)
{
    const History::Stamp stamp{QDateTime(QDate(2026, 1, 1), QTime(9, 0)), QStringLiteral("UFFICIO-1"),
                               QStringLiteral("impiegato")};
    QFile file(folder + HistoryFile::fileName());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk(Vehicles * TEventoVeicolo::RecordSize, Qt::Uninitialized);
    for (int round = 0; round < Records / Vehicles; ++round) {
        for (int v = 0; v < Vehicles; ++v) {
            TEventoVeicolo event = History::event(History::Kind::Modifica, v + 1, QStringLiteral("AB123CD"), stamp);
            event.Soggetto = QStringLiteral("Scad. assicurazione");
            event.Prima = QStringLiteral("02/12/2026");
            event.Dopo = QStringLiteral("02/12/2027");
            encodeRecordInto(event, chunk.data() + qsizetype(v) * TEventoVeicolo::RecordSize);
        }
        if (file.write(chunk) != chunk.size())
            return false;
    }
    return true;
}

} // namespace

int benchHistory()
{
    FakePlatform platform;
    const QString folder = platform.folder();
    if (!writeHistory(folder)) {
        std::fprintf(stderr, "history: cannot write the history file\n");
        return 1;
    }
    try {
        std::size_t rows = 0;
        const double find = BenchFigures::medianMs(Runs, [&] {
            HistoryFile history(folder);
            rows = History::rowsOf(history.eventsOf(4321)).size();
            history.close();
        });
        if (rows != Records / Vehicles)
            std::fprintf(stderr, "history: %zu rows instead of %d\n", rows, Records / Vehicles);
        BenchFigures::print("history: one vehicle among 1,000,000 events", find, 300, "ms");

        {
            VehicleArchive archive(folder);
            for (int i = 1; i <= 1000; ++i) {
                TSchedaVeicolo record;
                record.Tipo = QStringLiteral("Autovettura");
                record.Marca = QStringLiteral("Fiat");
                record.Modello = QStringLiteral("Panda");
                record.Targa = QStringLiteral("AB%1CD").arg(i, 3, 10, QLatin1Char('0'));
                archive.append(record);
            }
            archive.close();
        }
        TfrmAutoparco card;
        VehicleArchive archive(folder);
        const QByteArray stored = archive.records().readAt(499);
        archive.close();
        card.subMostraScheda(decodeRecord<TSchedaVeicolo>(stored), 500, stored);
        auto* salva = card.findChild<QAbstractButton*>(QStringLiteral("cmdSalva"));
        int run = 0;
        const double save = BenchFigures::medianMs(
            Runs, [&] { salva->click(); },
            [&] {
                ++run;
                card.setBoxText(&TSchedaVeicolo::ScadAssicurazione, QStringLiteral("02/12/%1").arg(2027 + run));
                card.setBoxText(&TSchedaVeicolo::ScadBollo, QStringLiteral("31/01/%1").arg(2027 + run));
                card.setBoxText(&TSchedaVeicolo::Autista, QStringLiteral("Autista %1").arg(run));
            });
        BenchFigures::print("history: card save with three changed fields, flushed", save, 100, "ms");
    } catch (const FileAccessError& error) {
        std::fprintf(stderr, "history: %s\n", error.what());
        return 1;
    }
    return 0;
}

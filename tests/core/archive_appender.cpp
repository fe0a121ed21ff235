// Appends records to the archive of a program folder the way the card does: one command
// opens, appends and closes. Record i has Tipo "<tag>-<i>". With --costs it appends cost
// entries to Costi_Veicolo_1.pro instead, the way the cost window does, with Causale
// "<tag>-<i>". With --history it appends two events at a time to the history, the way a save
// of two changed fields does, with Nota "<tag>-<i>-a" and "<tag>-<i>-b".
// With --wait it prints "ready" and starts only when a line arrives on its input, so that
// a test can release several appenders at the same moment.

#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"
#include "history/HistoryFile.h"

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    bool wait = false;
    bool costs = false;
    bool history = false;
    for (int i = 4; i < argc; ++i) {
        wait = wait || std::strcmp(argv[i], "--wait") == 0;
        costs = costs || std::strcmp(argv[i], "--costs") == 0;
        history = history || std::strcmp(argv[i], "--history") == 0;
    }
    if (argc < 4 || argc - 4 != int(wait) + int(costs) + int(history)) {
        std::fprintf(stderr, "usage: archive_appender <program folder> <tag> <count> [--wait] [--costs|--history]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString tag = QString::fromLocal8Bit(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    if (wait) {
        std::puts("ready");
        std::fflush(stdout);
        char line[16];
        if (!std::fgets(line, sizeof line, stdin))
            return 3;
    }
    try {
        for (int i = 0; i < count; ++i) {
            const QString name = tag + QLatin1Char('-') + QString::number(i);
            if (history) {
                TEventoVeicolo first;
                first.Tipo = QStringLiteral("Modifica");
                first.Posizione = QStringLiteral("1");
                first.Nota = name + QStringLiteral("-a");
                TEventoVeicolo second = first;
                second.Nota = name + QStringLiteral("-b");
                HistoryFile file(folder);
                file.appendEvents({first, second});
                file.close();
            } else if (costs) {
                TCostoVeicolo entry;
                entry.Causale = name;
                entry.Importo = QStringLiteral("1,00");
                CostFile file(folder, 1);
                file.append(entry);
                file.close();
            } else {
                TSchedaVeicolo record;
                record.Tipo = name;
                VehicleArchive archive(folder);
                archive.append(record);
                archive.close();
            }
        }
    } catch (const FileAccessError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

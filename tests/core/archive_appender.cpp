// Appends records to the archive of a program folder the way the card does: one command
// opens, appends and closes. Record i has Tipo "<tag>-<i>".
// With --wait it prints "ready" and starts only when a line arrives on its input, so that
// a test can release several appenders at the same moment.

#include "archive/VehicleArchive.h"

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    const bool wait = argc == 5 && std::strcmp(argv[4], "--wait") == 0;
    if (argc != 4 && !wait) {
        std::fprintf(stderr, "usage: archive_appender <program folder> <tag> <count> [--wait]\n");
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
            TSchedaVeicolo record;
            record.Tipo = tag + QLatin1Char('-') + QString::number(i);
            VehicleArchive archive(folder);
            archive.append(record);
            archive.close();
        }
    } catch (const FileAccessError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

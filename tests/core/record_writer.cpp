// Another program on the same folder, for the tests of what one program sees of another's
// writes. One command a run, on the archive or on vehicle 1's cost file:
//   record_writer <folder> tipo <position> <text>     the vehicle's Tipo becomes text
//   record_writer <folder> padding <position>         a byte after the last text changes
//   record_writer <folder> causale <position> <text>  the cost entry's Causale becomes text
//   record_writer <folder> hold <milliseconds>        holds the archive's write lock, after printing "locked"

#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"

#include <QThread>

#include <cstdio>
#include <cstring>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: record_writer <folder> tipo|padding|causale|hold <position|ms> [text]\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4)
        return usage();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QByteArray command(argv[2]);
    const int number = QByteArray(argv[3]).toInt();
    const QString text = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    try {
        if (command == "causale") {
            CostFile file(folder, 1);
            TCostoVeicolo entry = file.readAt(number - 1);
            entry.Causale = text;
            file.overwriteAt(number - 1, entry);
            file.close();
            return 0;
        }
        VehicleArchive archive(folder);
        if (command == "tipo") {
            TSchedaVeicolo record = archive.readAt(number - 1);
            record.Tipo = text;
            archive.overwriteAt(number - 1, record);
        } else if (command == "padding") {
            QByteArray bytes = archive.records().readAt(number - 1);
            bytes[bytes.size() - 1] = static_cast<char>(bytes.back() ^ 0x5A);
            archive.records().overwriteAt(number - 1, bytes);
        } else if (command == "hold") {
            archive.records().overwriteConfirmed(0, archive.records().readAt(0), [number](const QByteArray&) {
                std::puts("locked");
                std::fflush(stdout);
                QThread::msleep(static_cast<unsigned long>(number));
                return false;
            });
        } else {
            return usage();
        }
        archive.close();
    } catch (const FileAccessError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

#include "bench_backups.h"

#include "BenchFigures.h"
#include "archive/RecordCodec.h"
#include "archive/TSchedaVeicolo.h"
#include "backup/BackupContents.h"
#include "backup/BackupName.h"
#include "backup/BackupWriter.h"
#include "jobs/BackgroundJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int Records = 100000;
constexpr int Photos = 200;
constexpr int PhotoBytes = 300 * 1024;
constexpr int Runs = 3;

bool prepareFolder(const QString& folder)
{
    QFile archive(folder + QStringLiteral("Parco_Automezzi.pro"));
    if (!archive.open(QIODevice::WriteOnly))
        return false;
    for (int i = 0; i < Records; ++i) {
        TSchedaVeicolo record;
        record.Marca = QStringLiteral("Fiat");
        record.Modello = QStringLiteral("Panda %1").arg(i);
        record.Targa = QStringLiteral("AB%1CD").arg(i % 1000, 3, 10, QLatin1Char('0'));
        record.Note = QStringLiteral("Tagliando %1 eseguito presso l'officina di via Roma.").arg(i);
        if (archive.write(encodeRecord(record)) != TSchedaVeicolo::RecordSize)
            return false;
    }
    archive.close();
    QDir().mkpath(folder + QStringLiteral("Autoparco"));
    QRandomGenerator generator(17);
    QByteArray photo(PhotoBytes, Qt::Uninitialized);
    for (int i = 1; i <= Photos; ++i) {
        // Random bytes stand for a JPEG: neither compresses.
        generator.fillRange(reinterpret_cast<quint32*>(photo.data()), PhotoBytes / 4);
        QFile file(folder + QStringLiteral("Autoparco/Scheda_Veicolo_%1.jpg").arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(photo) != PhotoBytes)
            return false;
    }
    return true;
}

// Every data file's bytes read once, so that the runs start from a warm cache.
void readOnce(const QString& folder)
{
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (const BackupContents::DataFile& file : BackupContents::dataFiles(folder)) {
        QFile source(file.path);
        if (source.open(QIODevice::ReadOnly))
            while (source.read(chunk.data(), chunk.size()) > 0) {
            }
    }
}

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024;
    return -1;
}

void removeBackups(const QString& folder)
{
    QDir(BackupName::folderIn(folder)).removeRecursively();
}

// The floor: the same data files put in a zip by Info-ZIP at its fastest deflate, the
// command a clerk would reach for. False when zip cannot be run or fails.
bool zipSameFiles(const QString& folder, const QString& zipPath)
{
    QStringList arguments{QStringLiteral("-1"), QStringLiteral("-q"), QStringLiteral("-r"), zipPath};
    for (const BackupContents::DataFile& file : BackupContents::dataFiles(folder))
        arguments.append(file.name);
    QProcess zip;
    zip.setWorkingDirectory(folder);
    zip.start(QStringLiteral("zip"), arguments);
    return zip.waitForFinished(-1) && zip.exitStatus() == QProcess::NormalExit && zip.exitCode() == 0;
}

// The longest wait of a posted event while a backup runs in the background, as a click
// on the launcher would wait.
double longestAnswerMs(const QString& folder)
{
    BackgroundJob job;
    const BackupWriter::Request request{folder, BackupName::folderIn(folder), QDateTime::currentDateTime(), {}, {}};
    job.start([request](const auto& progress, const auto& cancelled) {
        BackupWriter::Request running = request;
        running.progress = progress;
        running.cancelled = cancelled;
        BackupWriter::make(running);
    });
    double longest = 0;
    while (job.isRunning()) {
        QElapsedTimer waited;
        waited.start();
        bool answered = false;
        QTimer::singleShot(0, [&answered] { answered = true; });
        while (!answered)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        longest = qMax(longest, static_cast<double>(waited.nsecsElapsed()) / 1e6);
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 10)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    job.wait();
    return longest;
}

} // namespace

int benchBackups()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    if (!dir.isValid() || !prepareFolder(folder)) {
        std::fprintf(stderr, "backups: cannot prepare the folder\n");
        return 1;
    }
    readOnce(folder); // both runs start from a warm cache
    QTemporaryDir zipDir;
    const QString zipPath = zipDir.path() + QStringLiteral("/same.zip");
    bool zipped = zipDir.isValid();
    const double floor = BenchFigures::medianMs(
        Runs, [&] { zipped = zipped && zipSameFiles(folder, zipPath); },
        [&] { QFile::remove(zipPath); }); // zip would add to an old one
    QFile::remove(zipPath);
    if (!zipped) {
        std::fprintf(stderr, "backups: zip -1 of the same files failed\n");
        return 1;
    }
    const double idle = residentMb();
    // The peak of the backups alone, not of the groups that ran before them.
    BenchFigures::resetPeak();
    bool made = true;
    const double backup = BenchFigures::medianMs(
        Runs,
        [&] {
            made =
                made &&
                BackupWriter::make({folder, BackupName::folderIn(folder), QDateTime::currentDateTime(), {}, {}}).made();
        },
        [&] { removeBackups(folder); });
    const double peakAbove = BenchFigures::peakSinceResetMb() - idle;
    removeBackups(folder);
    const double answer = longestAnswerMs(folder);
    if (!made) {
        std::fprintf(stderr, "backups: a backup failed\n");
        return 1;
    }
    BenchFigures::print("backup floor: zip -1 (100k + 200 ph)", floor, floor, "ms");
    BenchFigures::print("backup 100k records + 200 photos", backup, floor, "ms");
    BenchFigures::print("launcher answer during backup", answer, 100, "ms");
    BenchFigures::print("backup memory above idle", peakAbove, 100, "MB");
    return 0;
}

// Times the search window's result list at the size of the archive left by the list
// benchmark: the search, the filling of the list and the painting of the result panel.

#include "bench_search_window.h"

#include "BenchFigures.h"

#include "archive/VehicleArchive.h"
#include "platform/Platform.h"
#include "search/TfrmTrovaAutomezzi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int Runs = 5;
constexpr double TargetMs = 1000;
constexpr double TargetMb = 250;

// Nothing in the benchmark asks the user anything; the archive is the benchmark's own.
class BenchPlatform final : public Platform {
public:
    explicit BenchPlatform(const QString& folder) : m_folder(folder) {}
    Answer message(QWidget*, MessageKind, const QString& text) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return Answer::Ok;
    }
    QString openFileName(QWidget*, const FileDialogOptions&) override { return {}; }
    QString saveFileName(QWidget*, const FileDialogOptions&) override { return {}; }
    QString folderName(QWidget*, const QString&, const QString&) override { return {}; }
    bool print(QWidget*, const PrintJob&) override { return false; }
    void preview(QWidget*, const PrintJob&) override {}
    bool openWithShell(const QString&) override { return true; }
    QDate today() const override { return QDate(2024, 3, 10); }
    QDateTime now() const override { return QDateTime(today(), QTime(9, 0)); }
    QString computerName() const override { return QStringLiteral("BANCO"); }
    QString userName() const override { return QStringLiteral("misura"); }
    QString programFolder() const override { return m_folder; }

private:
    QString m_folder;
};

int archiveCount(const QString& folder)
{
    VehicleArchive archive(folder);
    const int count = archive.count();
    archive.close();
    return count;
}
} // namespace

void benchSearchWindow(const QString& folder)
{
    BenchPlatform platform(folder);
    Platform::install(&platform);
    const int count = archiveCount(folder);

    BenchFigures::resetPeak();
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        // A fresh window each time, as every opening makes one.
        TfrmTrovaAutomezzi window;
        window.show();
        QApplication::processEvents();
        auto* btnCerca = window.findChild<QPushButton*>(QStringLiteral("btnCerca"));
        QElapsedTimer timer;
        timer.start();
        btnCerca->click();
        window.repaint();
        QApplication::processEvents();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    const double peak = BenchFigures::peakSinceResetMb();
    Platform::install(nullptr);

    std::sort(times.begin(), times.end());
    const double ms = times[times.size() / 2];
    std::printf("%-28s %7d records  %8.1f ms  target %8.1f ms  %s\n", "search window filled, shown", count, ms,
                TargetMs, ms <= TargetMs ? "ok" : "over");
    std::printf("%-28s %7d records  %8.1f MB  target %8.1f MB  %s\n", "search window peak memory", count, peak,
                TargetMb, peak >= 0 && peak <= TargetMb ? "ok" : "over");
}

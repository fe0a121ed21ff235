// Times the report engine: a summary of 100,000 lines and the card form with a
// 24-megapixel photo, each prepared and painted to PDF.
#include "bench_report.h"

#include "output/ReportTemplates.h"
#include "report/PreparedReport.h"
#include "report/ReportPainter.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QPdfWriter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 3;
const QDate Today(2026, 12, 10);

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void line(const char* name, double value, double target, const char* unit)
{
    std::printf("%-36s %10.1f %s  target %8.1f %s  %s\n", name, value, unit, target, unit,
                value <= target ? "ok" : "over");
}

// The peak resident memory of the process so far, in MB.
double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& row : status.readAll().split('\n')) {
        if (row.startsWith("VmHWM:"))
            return row.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

double printToPdf(const Report::ReportTemplate& report)
{
    QElapsedTimer timer;
    timer.start();
    const Report::PreparedReport prepared = Report::prepare(report, Today);
    QBuffer pdf;
    QPdfWriter writer(&pdf);
    writer.setResolution(300);
    Report::paint(prepared, writer);
    return static_cast<double>(timer.elapsed());
}

} // namespace

void benchReports()
{
    Report::ReportTemplate summary = ReportTemplates::riepilogoDati();
    QStringList lines;
    for (int i = 0; i < 100000; ++i)
        lines.append(
            QStringLiteral("AB%1CD      Fiat        Panda 1.2          15/01/2027").arg(i, 6, 10, QLatin1Char('0')));
    ReportTemplates::fillRiepilogo(summary, QStringLiteral("Riepilogo schede veicoli in archivio"), lines);
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run)
        times.push_back(printToPdf(summary));
    line("summary of 100,000 lines to PDF", medianOf(times), 10000, "ms");
    line("summary peak memory", peakMemoryMb(), 300, "MB");

    Report::ReportTemplate card = ReportTemplates::schedaVeicolo();
    QImage photo(6000, 4000, QImage::Format_RGB32);
    photo.fill(QColor(0x20, 0x60, 0xA0));
    card.picture(QStringLiteral("imgLogo")).setPicture(photo);
    times.clear();
    for (int run = 0; run < Runs; ++run)
        times.push_back(printToPdf(card));
    line("card form, 24-megapixel photo", medianOf(times), 1000, "ms");
}

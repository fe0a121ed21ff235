// Times the report engine: a summary of 100,000 lines and the card form with a
// 24-megapixel photo, each prepared and painted to PDF.
#include "bench_report.h"

#include "BenchFigures.h"

#include "printing/ReportTemplates.h"
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

// The peak resident memory of the process so far, in MB.
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
    BenchFigures::print("summary of 100,000 lines to PDF", BenchFigures::median(times), 10000, "ms");
    BenchFigures::print("summary peak memory", BenchFigures::peakMemoryMb(), 300, "MB");

    Report::ReportTemplate card = ReportTemplates::schedaVeicolo();
    QImage photo(6000, 4000, QImage::Format_RGB32);
    photo.fill(QColor(0x20, 0x60, 0xA0));
    card.picture(QStringLiteral("imgLogo")).setPicture(photo);
    times.clear();
    for (int run = 0; run < Runs; ++run)
        times.push_back(printToPdf(card));
    BenchFigures::print("card form, 24-megapixel photo", BenchFigures::median(times), 1000, "ms");
}

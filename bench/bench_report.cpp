// Times the report engine: a summary of 100,000 lines and the card form with a
// 24-megapixel photo, each prepared, painted and written to a PDF file.
#include "bench_report.h"

#include "BenchFigures.h"

#include "printing/ReportTemplates.h"
#include "report/PreparedReport.h"
#include "report/ReportErrors.h"
#include "report/ReportPainter.h"

#include <QElapsedTimer>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 3;
const QDate Today(2026, 12, 10);

// Prepares the report and prints it to a temporary PDF file. Returns the milliseconds
// from the preparation to the last byte written, or a negative number when the file
// could not be written or came out empty.
double printToPdf(const Report::ReportTemplate& report)
{
    QTemporaryFile pdf;
    if (!pdf.open())
        return -1;
    QElapsedTimer timer;
    timer.start();
    try {
        const Report::PreparedReport prepared = Report::prepare(report, Today);
        QPdfWriter writer(&pdf);
        writer.setResolution(300);
        Report::paint(prepared, writer);
    } catch (const Report::Error& error) {
        std::fprintf(stderr, "report not printed: %s\n", error.what());
        return -1;
    }
    if (!pdf.flush())
        return -1;
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (pdf.size() == 0) {
        std::fprintf(stderr, "the PDF came out empty\n");
        return -1;
    }
    return elapsed;
}

// Times Runs prints of report and prints the median as the figure name; false when
// any print failed.
bool printFigure(const Report::ReportTemplate& report, const char* name, double targetMs)
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        const double time = printToPdf(report);
        if (time < 0)
            return false;
        times.push_back(time);
    }
    BenchFigures::print(name, BenchFigures::median(times), targetMs, "ms");
    return true;
}

} // namespace

int benchReports()
{
    Report::ReportTemplate summary = ReportTemplates::riepilogoDati();
    QStringList lines;
    for (int i = 0; i < 100000; ++i)
        lines.append(
            QStringLiteral("AB%1CD      Fiat        Panda 1.2          15/01/2027").arg(i, 6, 10, QLatin1Char('0')));
    ReportTemplates::fillRiepilogo(summary, QStringLiteral("Riepilogo schede veicoli in archivio"), lines);
    if (!printFigure(summary, "summary of 100,000 lines to PDF", 10000))
        return 1;
    BenchFigures::print("summary peak memory", BenchFigures::peakMemoryMb(), 300, "MB");

    Report::ReportTemplate card = ReportTemplates::schedaVeicolo();
    QImage photo(6000, 4000, QImage::Format_RGB32);
    photo.fill(QColor(0x20, 0x60, 0xA0));
    card.picture(QStringLiteral("imgLogo")).setPicture(photo);
    return printFigure(card, "card form, 24-megapixel photo", 1000) ? 0 : 1;
}

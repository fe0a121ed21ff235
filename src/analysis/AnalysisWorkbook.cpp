#include "analysis/AnalysisWorkbook.h"

#include "files/Workbook.h"

namespace AnalysisWorkbook {

namespace {

double money(const CentsSum& sum)
{
    return static_cast<double>(sum.cents) / 100.0;
}

void writeVehicles(Workbook& book, const FleetCosts& fleet, const FleetAnalysis& analysis)
{
    const int sheet = book.addSheet(QStringLiteral("Per veicolo"));
    book.writeHeader(sheet,
                     {QStringLiteral("N."), QStringLiteral("Targa"), QStringLiteral("Veicolo"),
                      QStringLiteral("Totale"), QStringLiteral("N. voci"), QStringLiteral("Ultima spesa")},
                     {8, 14, 40, 16, 10, 14});
    int row = 0;
    for (const FleetAnalysis::Ranked& ranked : analysis.ranking) {
        const FleetCosts::Vehicle& vehicle = fleet.vehicles[static_cast<std::size_t>(ranked.vehicle)];
        ++row;
        book.writeNumber(sheet, row, 0, vehicle.position, Workbook::Style::Integer);
        book.writeText(sheet, row, 1, vehicle.targa);
        book.writeText(sheet, row, 2, vehicle.veicolo);
        book.writeNumber(sheet, row, 3, money(ranked.sum), Workbook::Style::Euro);
        book.writeNumber(sheet, row, 4, ranked.count(), Workbook::Style::Integer);
        if (ranked.latestJulianDay != 0)
            book.writeDate(sheet, row, 5, QDate::fromJulianDay(ranked.latestJulianDay));
    }
    book.setAutofilter(sheet, row, 5);
}

void writeYearsAndCauses(Workbook& book, const CostAnalysis& analysis)
{
    const int years = book.addSheet(QStringLiteral("Per anno"));
    book.writeHeader(years, {QStringLiteral("Anno"), QStringLiteral("Totale"), QStringLiteral("N. voci")},
                     {14, 16, 10});
    int row = 0;
    for (const CostAnalysis::Year& year : analysis.years) {
        ++row;
        bool isYear = false;
        const int number = year.year.toInt(&isYear);
        if (isYear)
            book.writeNumber(years, row, 0, number, Workbook::Style::Integer);
        else
            book.writeText(years, row, 0, year.year);
        book.writeNumber(years, row, 1, money(year.sum), Workbook::Style::Euro);
        book.writeNumber(years, row, 2, year.count(), Workbook::Style::Integer);
    }
    book.setAutofilter(years, row, 2);

    const int causes = book.addSheet(QStringLiteral("Per causale"));
    book.writeHeader(causes, {QStringLiteral("Causale"), QStringLiteral("Totale"), QStringLiteral("%")}, {40, 16, 10});
    row = 0;
    for (const CostAnalysis::Cause& cause : analysis.causes) {
        ++row;
        book.writeText(causes, row, 0, cause.cause);
        book.writeNumber(causes, row, 1, money(cause.sum), Workbook::Style::Euro);
        book.writeNumber(causes, row, 2, cause.percent / 100.0, Workbook::Style::Percent);
    }
    book.setAutofilter(causes, row, 2);
}

bool committed(Workbook& book, QString* error)
{
    const bool written = book.commit();
    if (!written && error)
        *error = book.errorString();
    return written;
}

} // namespace

QString presetName()
{
    return QStringLiteral("Analisi_costi.xlsx");
}

bool write(const QString& path, const CostAnalysis& analysis, QString* error)
{
    Workbook book(path);
    writeYearsAndCauses(book, analysis);
    return committed(book, error);
}

bool writeFleet(const QString& path, const FleetCosts& fleet, const FleetAnalysis& analysis, QString* error)
{
    Workbook book(path);
    writeVehicles(book, fleet, analysis);
    writeYearsAndCauses(book, analysis.analysis);
    return committed(book, error);
}

} // namespace AnalysisWorkbook

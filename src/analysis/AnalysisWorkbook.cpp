#include "analysis/AnalysisWorkbook.h"

#include "files/Workbook.h"

namespace AnalysisWorkbook {

QString presetName()
{
    return QStringLiteral("Analisi_costi.xlsx");
}

bool write(const QString& path, const CostAnalysis& analysis, QString* error)
{
    Workbook book(path);
    const auto money = [](const CentsSum& sum) { return static_cast<double>(sum.cents) / 100.0; };

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

    const bool written = book.commit();
    if (!written && error)
        *error = book.errorString();
    return written;
}

} // namespace AnalysisWorkbook

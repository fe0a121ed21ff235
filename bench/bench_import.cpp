#include "bench_import.h"

#include "BenchFigures.h"

#include "archive/RecordCodec.h"
#include "archive/VehicleArchive.h"
#include "import/CsvReader.h"
#include "import/ImportFields.h"
#include "import/ImportPlan.h"
#include "import/ImportRun.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Rows = 100000;
constexpr int Runs = 3;

// ";" separated, Windows-1252 accents, CR LF, decimal commas, d/m/yyyy dates and a quoted note.
QByteArray italianExcelCsv()
{
    QByteArray csv("Tipo;Marca;Modello;Targa;Km;Immatricolazione;Compatibilit\xE0 ambientale;Scad. revisione;"
                   "Scad. bollo;Assicurazione;Note\r\n");
    for (int i = 0; i < Rows; ++i) {
        csv += "Autovettura;Fiat;Panda;";
        csv += "AB" + QByteArray::number(i).rightJustified(6, '0') + ";";
        csv += QByteArray::number(i % 200) + "." + QByteArray::number(100 + i % 900) + ",5;";
        csv += QByteArray::number(2000 + i % 25) + ";Euro 6;";
        csv += QByteArray::number(1 + i % 28) + "/" + QByteArray::number(1 + i % 12) + "/2026;";
        csv += QByteArray::number(1 + i % 28) + "-" + QByteArray::number(1 + i % 12).rightJustified(2, '0') + "-2027;";
        csv += "Societ\xE0 Assicuratrice;\"Tagliando fatto; gomme \xE0 posto\"\r\n";
    }
    return csv;
}

void removeArchive(const QString& folder)
{
    QFile::remove(folder + VehicleArchive::fileName());
    QFile::remove(folder + QStringLiteral("Corvanta.ini"));
}

} // namespace

int benchImport()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString csvPath = folder + QStringLiteral("parco.csv");
    {
        QFile csv(csvPath);
        if (!dir.isValid() || !csv.open(QIODevice::WriteOnly) || csv.write(italianExcelCsv()) < 0) {
            std::fprintf(stderr, "import: cannot write the CSV\n");
            return 1;
        }
    }
    try {
        // The memory of one whole pass, before the timed runs keep two tables at a time.
        BenchFigures::resetPeak();
        double peak = 0;
        {
            const CsvTable table = CsvReader::readFile(csvPath);
            const ImportFields::Matching matching = ImportFields::matchAll(table.header);
            const ImportPlan::Plan plan = ImportPlan::plan(table, matching, ImportPlan::platesOf(folder));
            ImportRun::append(folder, table, matching.fields, plan.importable, QDateTime::currentDateTime());
            peak = BenchFigures::peakSinceResetMb();
        }
        removeArchive(folder);

        CsvTable table;
        ImportFields::Matching matching;
        ImportPlan::Plan plan;
        const double dryRun = BenchFigures::medianMs(Runs, [&] {
            table = CsvReader::readFile(csvPath);
            matching = ImportFields::matchAll(table.header);
            plan = ImportPlan::plan(table, matching, ImportPlan::platesOf(folder));
        });
        if (plan.importable.size() != Rows) {
            std::fprintf(stderr, "import: %lld rows importable, not %d\n", qlonglong(plan.importable.size()), Rows);
            return 1;
        }
        const double import = BenchFigures::medianMs(
            Runs,
            [&] { ImportRun::append(folder, table, matching.fields, plan.importable, QDateTime::currentDateTime()); },
            [&] { removeArchive(folder); });

        // The floor: the same records, encoded beforehand, through the archive's own bulk append.
        QByteArray encoded;
        encoded.reserve(qsizetype(Rows) * TSchedaVeicolo::RecordSize);
        for (int row = 0; row < table.records.size(); ++row)
            encoded += encodeRecord(ImportPlan::recordOf(table, matching.fields, row));
        const double floor = BenchFigures::medianMs(
            Runs,
            [&] {
                VehicleArchive archive(folder);
                qsizetype offset = 0;
                archive.records().appendAll([&](QByteArray& chunk) {
                    if (offset == encoded.size())
                        return false;
                    chunk = encoded.mid(offset, 512 * TSchedaVeicolo::RecordSize);
                    offset += chunk.size();
                    return true;
                });
                archive.close();
            },
            [&] { removeArchive(folder); });

        BenchFigures::print("import floor: bulk append 100k records", floor, floor, "ms");
        BenchFigures::print("import 100k rows: read, match, dry run", dryRun, 2000, "ms");
        BenchFigures::print("import 100k rows: append", import, 2 * floor, "ms");
        BenchFigures::print("import 100k rows, peak memory", peak, 300, "MB");
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "import: %s\n", failure.what());
        return 1;
    }
    return 0;
}

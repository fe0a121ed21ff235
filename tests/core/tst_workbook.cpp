// The .xlsx workbook read back by a real consumer, openpyxl: sheet names, frozen headers
// and filters, date cells, numbers and amounts with their formats, accented text and the
// euro sign, and what stays text because it does not read.
#include "analysis/AnalysisWorkbook.h"
#include "analysis/FleetCosts.h"
#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"
#include "files/Workbook.h"
#include "output/FleetWorkbook.h"

#include "FileTest.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Debian's python3 with python3-openpyxl, never another python on the PATH.
const QString Python = QStringLiteral("/usr/bin/python3");

QJsonArray readBack(const QString& path)
{
    QProcess python;
    python.start(Python, {QStringLiteral(CORVANTA_READ_WORKBOOK), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning("%s", python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

QString cell(const QJsonObject& sheet, int row, int column)
{
    const QJsonValue value = sheet.value(QLatin1String("rows")).toArray().at(row).toArray().at(column);
    return value.isNull() ? QStringLiteral("(blank)") : value.toString();
}

int rowCount(const QJsonObject& sheet)
{
    return static_cast<int>(sheet.value(QLatin1String("rows")).toArray().size());
}

void appendCost(const QString& folder, int position, const char* date, const char* cause, const char* amount)
{
    CostFile file(folder, position);
    TCostoVeicolo entry;
    entry.Data = QString::fromUtf8(date);
    entry.Causale = QString::fromUtf8(cause);
    entry.Pagatore = QStringLiteral("Ufficio");
    entry.Beneficiario = QStringLiteral("Officina Società");
    entry.Importo = QString::fromUtf8(amount);
    file.append(entry);
    file.close();
}

const QString Euro = QStringLiteral("#,##0.00\\ \"\u20AC\"");

} // namespace

class tst_Workbook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void fleetSheets();
    void vehicleCells_data();
    void vehicleCells();
    void costRows();
    void dueDates();
    void analysisSheets();
    void fleetAnalysisSheets();
    void cellLimits();
    void failureKeepsOldFile();

private:
    QString folder() const { return m_dir->path() + QLatin1Char('/'); }
    QString workbookPath() const { return folder() + FleetWorkbook::fileName(); }
    QJsonObject sheet(int index) const { return m_sheets.at(index).toObject(); }
    void writeFleet();

    std::unique_ptr<QTemporaryDir> m_dir;
    QJsonArray m_sheets;
};

void tst_Workbook::initTestCase()
{
    if (!QFile::exists(Python) || QProcess::execute(Python, {QStringLiteral("-c"), QStringLiteral("import openpyxl")}))
        QFAIL("python3-openpyxl is needed: apt-get install python3-openpyxl");
}

void tst_Workbook::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// Three vehicles: the first with every kind of cell and a cost file with bad entries and a
// fragment tail, the second without a cost file, the third with one that cannot be read.
void tst_Workbook::writeFleet()
{
    TSchedaVeicolo car;
    car.Tipo = QStringLiteral("Autovettura");
    car.Marca = QStringLiteral("Fiat");
    car.Modello = QStringLiteral("Panda");
    car.Targa = QStringLiteral("AB123CD");
    car.Chilometri = QStringLiteral("48.200");
    car.Lettura = QStringLiteral("05/03/2026");
    car.Ambiente = QStringLiteral("Euro 6 è");
    car.ScadRevisione = QStringLiteral("31/02/2026");
    car.ScadBollo = QStringLiteral("31/01/2027");
    car.Note = QStringLiteral("Gomme \u20AC200\x01 città");
    TSchedaVeicolo van;
    van.Marca = QStringLiteral("Iveco");
    van.Targa = QStringLiteral("CD456EF");
    van.Chilometri = QStringLiteral("circa 1000");
    van.Lettura = QStringLiteral("ieri");
    van.ScadTagliando = QStringLiteral("1/2/27");
    TSchedaVeicolo bike;
    bike.Targa = QStringLiteral("ZZ999ZZ");
    bike.Chilometri = QStringLiteral("1.2.3");
    VehicleArchive archive(folder());
    for (const TSchedaVeicolo& vehicle : {car, van, bike})
        archive.append(vehicle);
    archive.close();

    appendCost(folder(), 1, "05/03/2026", "Tagliando città", "120,50");
    appendCost(folder(), 1, "2026", "Bollo \u20AC", "0,10");
    appendCost(folder(), 1, "31/02/2026", "Multa", "");
    appendCost(folder(), 1, "ieri", "Lavaggio", "dieci");
    QFile tail(folder() + CostFile::fileName(1));
    QVERIFY(tail.open(QIODevice::Append));
    tail.write(QByteArray(50, 'x'));
    tail.close();
    QVERIFY(QDir(folder()).mkdir(CostFile::fileName(3))); // a folder where the file should be

    const FleetWorkbook::Result result = FleetWorkbook::write(folder(), workbookPath());
    QVERIFY2(result.written, qPrintable(result.error));
    QCOMPARE(result.unreadableCostFiles, 1);
    QVERIFY2(!QFile::exists(folder() + CostFile::fileName(2)), "the export creates no cost file");
    m_sheets = readBack(workbookPath());
    QCOMPARE(m_sheets.size(), 3);
}

void tst_Workbook::fleetSheets()
{
    writeFleet();
    QStringList names;
    for (const QJsonValue& value : m_sheets)
        names << value.toObject().value(QLatin1String("name")).toString();
    QCOMPARE(names,
             (QStringList{QStringLiteral("Parco Automezzi"), QStringLiteral("Costi"), QStringLiteral("Scadenze")}));

    const QJsonObject vehicles = sheet(0);
    QCOMPARE(vehicles.value(QLatin1String("freeze")).toString(), QStringLiteral("A2"));
    QCOMPARE(vehicles.value(QLatin1String("filter")).toString(), QStringLiteral("A1:AG4"));
    QCOMPARE(rowCount(vehicles), 4);
    QCOMPARE(cell(vehicles, 0, 0), QStringLiteral("s:N."));
    QCOMPARE(cell(vehicles, 0, 16), QStringLiteral("s:Compatibilità ambientale"));
    QCOMPARE(cell(vehicles, 0, 32), QStringLiteral("s:Note"));
    QCOMPARE(sheet(1).value(QLatin1String("freeze")).toString(), QStringLiteral("A2"));
    QCOMPARE(sheet(2).value(QLatin1String("filter")).toString(), QStringLiteral("A1:E4"));
}

void tst_Workbook::vehicleCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");

    // Columns: 0 N., 5 Targa, 11 Chilometri, 12 Lettura, 16 Ambiente, 28 Revisione, 31 Bollo, 32 Note.
    QTest::newRow("row number") << 1 << 0 << QStringLiteral("n:1|0");
    QTest::newRow("plate") << 1 << 5 << QStringLiteral("s:AB123CD");
    QTest::newRow("kilometres with points") << 1 << 11 << QStringLiteral("n:48200|0");
    QTest::newRow("kilometres in words") << 2 << 11 << QStringLiteral("s:circa 1000");
    QTest::newRow("kilometres with stray points") << 3 << 11 << QStringLiteral("s:1.2.3");
    QTest::newRow("reading date") << 1 << 12 << QStringLiteral("d:2026-03-05|dd/mm/yyyy");
    QTest::newRow("reading in words") << 2 << 12 << QStringLiteral("s:ieri");
    QTest::newRow("accented text") << 1 << 16 << QStringLiteral("s:Euro 6 è");
    QTest::newRow("no such day") << 1 << 28 << QStringLiteral("s:31/02/2026");
    QTest::newRow("due date") << 1 << 31 << QStringLiteral("d:2027-01-31|dd/mm/yyyy");
    QTest::newRow("two-digit year") << 2 << 29 << QStringLiteral("d:2027-02-01|dd/mm/yyyy");
    QTest::newRow("euro, control character left out") << 1 << 32 << QStringLiteral("s:Gomme \u20AC200 città");
    QTest::newRow("empty field") << 3 << 1 << QStringLiteral("(blank)");
}

void tst_Workbook::vehicleCells()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, expected);
    if (m_sheets.isEmpty())
        writeFleet();
    QCOMPARE(cell(sheet(0), row, column), expected);
}

void tst_Workbook::costRows()
{
    writeFleet();
    const QJsonObject costs = sheet(1);
    // The empty amount is not listed, the fragment is no entry, vehicle 3 is skipped.
    QCOMPARE(rowCount(costs), 4);
    QCOMPARE(cell(costs, 0, 6), QStringLiteral("s:Importo"));
    const QStringList first{QStringLiteral("n:1|0"),
                            QStringLiteral("s:AB123CD"),
                            QStringLiteral("d:2026-03-05|dd/mm/yyyy"),
                            QStringLiteral("s:Tagliando città"),
                            QStringLiteral("s:Ufficio"),
                            QStringLiteral("s:Officina Società"),
                            QStringLiteral("n:120.5|") + Euro};
    for (int c = 0; c < first.size(); ++c)
        QCOMPARE(cell(costs, 1, c), first[c]);
    QCOMPARE(cell(costs, 2, 2), QStringLiteral("s:2026"));
    QCOMPARE(cell(costs, 2, 3), QStringLiteral("s:Bollo \u20AC"));
    QCOMPARE(cell(costs, 2, 6), QStringLiteral("n:0.1|") + Euro);
    QCOMPARE(cell(costs, 3, 2), QStringLiteral("s:ieri"));
    QCOMPARE(cell(costs, 3, 6), QStringLiteral("s:dieci"));
}

void tst_Workbook::dueDates()
{
    writeFleet();
    const QJsonObject dues = sheet(2);
    QCOMPARE(rowCount(dues), 4);
    const QStringList rows[] = {
        {QStringLiteral("s:N."), QStringLiteral("s:Targa"), QStringLiteral("s:Veicolo"), QStringLiteral("s:Scadenza"),
         QStringLiteral("s:Data")},
        {QStringLiteral("n:1|0"), QStringLiteral("s:AB123CD"), QStringLiteral("s:Fiat Panda"),
         QStringLiteral("s:Revisione"), QStringLiteral("s:31/02/2026")},
        {QStringLiteral("n:1|0"), QStringLiteral("s:AB123CD"), QStringLiteral("s:Fiat Panda"),
         QStringLiteral("s:Bollo"), QStringLiteral("d:2027-01-31|dd/mm/yyyy")},
        {QStringLiteral("n:2|0"), QStringLiteral("s:CD456EF"), QStringLiteral("s:Iveco"), QStringLiteral("s:Tagliando"),
         QStringLiteral("d:2027-02-01|dd/mm/yyyy")},
    };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            QCOMPARE(cell(dues, r, c), rows[r][c]);
}

void tst_Workbook::analysisSheets()
{
    CostAnalyser analyser;
    analyser.add({QStringLiteral("12/01/2026"), QStringLiteral("Riparazione città"), {}, {}, QStringLiteral("150,00")});
    analyser.add({QStringLiteral("ieri"), QStringLiteral("Bollo \u20AC"), {}, {}, QStringLiteral("50,00")});
    const QString path = folder() + AnalysisWorkbook::presetName();
    QVERIFY(AnalysisWorkbook::write(path, analyser.result()));

    const QJsonArray sheets = readBack(path);
    QCOMPARE(sheets.size(), 2);
    const QJsonObject years = sheets.at(0).toObject();
    const QJsonObject causes = sheets.at(1).toObject();
    QCOMPARE(years.value(QLatin1String("name")).toString(), QStringLiteral("Per anno"));
    QCOMPARE(causes.value(QLatin1String("name")).toString(), QStringLiteral("Per causale"));
    QCOMPARE(cell(years, 1, 0), QStringLiteral("n:2026|0"));
    QCOMPARE(cell(years, 1, 1), QStringLiteral("n:150|") + Euro);
    QCOMPARE(cell(years, 2, 0), QStringLiteral("s:Senza data"));
    QCOMPARE(cell(causes, 1, 0), QStringLiteral("s:Riparazione città"));
    QCOMPARE(cell(causes, 1, 2), QStringLiteral("n:0.75|0.0%"));
    QCOMPARE(cell(causes, 2, 0), QStringLiteral("s:Bollo \u20AC"));
}

// The fleet's analysis of the fixture: vehicle 2 has no cost file and counts zero, vehicle 3's
// cannot be read and is left out.
void tst_Workbook::fleetAnalysisSheets()
{
    writeFleet();
    const FleetCosts fleet = readFleetCosts(folder());
    const QString path = folder() + AnalysisWorkbook::presetName();
    QVERIFY(AnalysisWorkbook::writeFleet(path, fleet, analyseFleet(fleet)));

    const QJsonArray sheets = readBack(path);
    QCOMPARE(sheets.size(), 3);
    const QJsonObject vehicles = sheets.at(0).toObject();
    QCOMPARE(vehicles.value(QLatin1String("name")).toString(), QStringLiteral("Per veicolo"));
    QCOMPARE(sheets.at(1).toObject().value(QLatin1String("name")).toString(), QStringLiteral("Per anno"));
    QCOMPARE(sheets.at(2).toObject().value(QLatin1String("name")).toString(), QStringLiteral("Per causale"));
    QCOMPARE(rowCount(vehicles), 3);
    const QStringList first{QStringLiteral("n:1|0"),        QStringLiteral("s:AB123CD"),
                            QStringLiteral("s:Fiat Panda"), QStringLiteral("n:120.6|") + Euro,
                            QStringLiteral("n:3|0"),        QStringLiteral("d:2026-03-05|dd/mm/yyyy")};
    for (int c = 0; c < first.size(); ++c)
        QCOMPARE(cell(vehicles, 1, c), first[c]);
    QCOMPARE(cell(vehicles, 2, 1), QStringLiteral("s:CD456EF"));
    QCOMPARE(cell(vehicles, 2, 3), QStringLiteral("n:0|") + Euro);
    QCOMPARE(cell(vehicles, 2, 5), QStringLiteral("(blank)"));
}

// Text a cell cannot hold: longer than 32,767 characters, or with control characters.
void tst_Workbook::cellLimits()
{
    const QString path = folder() + QStringLiteral("limiti.xlsx");
    Workbook book(path);
    const int sheet = book.addSheet(QStringLiteral("Prova"));
    book.writeText(sheet, 0, 0, QString(40000, QLatin1Char('a')));
    book.writeText(sheet, 0, 1, QStringLiteral("a\x01\x1F\u0007b\tc\nd"));
    book.writeText(sheet, 0, 2, QString(Workbook::MaxCellCharacters - 1, QLatin1Char('x')) + QStringLiteral("😀"));
    QVERIFY2(book.commit(), qPrintable(book.errorString()));

    const QJsonObject read = readBack(path).at(0).toObject();
    QCOMPARE(cell(read, 0, 0).size(), 2 + Workbook::MaxCellCharacters);
    QCOMPARE(cell(read, 0, 1), QStringLiteral("s:ab\tc\nd"));
    QCOMPARE(cell(read, 0, 2), QStringLiteral("s:") + QString(Workbook::MaxCellCharacters - 1, QLatin1Char('x')));
}

// A workbook that cannot be finished leaves the old file and no temporary file behind.
void tst_Workbook::failureKeepsOldFile()
{
    FileTest::writeFile(workbookPath(), "old workbook");
    QVERIFY(QDir(folder()).mkdir(VehicleArchive::fileName())); // an archive that cannot be read
    const FleetWorkbook::Result result = FleetWorkbook::write(folder(), workbookPath());
    QVERIFY(!result.written);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(FileTest::readFile(workbookPath()), QByteArray("old workbook"));
    QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList{FleetWorkbook::fileName()});

    const QString missingFolder = folder() + QStringLiteral("manca/") + FleetWorkbook::fileName();
    Workbook book(missingFolder);
    QCOMPARE(book.addSheet(QStringLiteral("Prova")), -1);
    QVERIFY(!book.commit());
    QVERIFY(!book.errorString().isEmpty());
}

QTEST_GUILESS_MAIN(tst_Workbook)
#include "tst_workbook.moc"

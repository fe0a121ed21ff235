#include "archive/FieldIndex.h"
#include "archive/RecordCodec.h"
#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"
#include "history/HistoryEvents.h"
#include "history/HistoryFile.h"
#include "import/CsvReader.h"
#include "import/ImportFields.h"
#include "import/ImportPlan.h"
#include "import/ImportRun.h"
#include "import/ImportTables.h"
#include "jobs/JobControl.h"
#include "photo/PhotoFile.h"

#include "FileTest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using FileTest::readFile;
using FileTest::runningAsRoot;
using FileTest::writeFile;
using V = TSchedaVeicolo;

QString fixture(const char* name)
{
    return QStringLiteral(CORVANTA_FIXTURES "/import/") + QLatin1String(name);
}

int field(QString TSchedaVeicolo::*member)
{
    return fieldIndex<TSchedaVeicolo>(member);
}

QStringList texts(std::initializer_list<const char*> utf8)
{
    QStringList made;
    for (const char* text : utf8)
        made.append(QString::fromUtf8(text));
    return made;
}

TSchedaVeicolo vehicle(const QString& plate)
{
    TSchedaVeicolo record;
    record.Tipo = QStringLiteral("Autovettura");
    record.Marca = QStringLiteral("Fiat");
    record.Modello = QStringLiteral("Uno");
    record.Targa = plate;
    return record;
}

// count cards of plates IM0, IM1, ..., more than one chunk of the append when many.
CsvTable cars(int count)
{
    CsvTable table;
    table.header = texts({"Tipo", "Marca", "Modello", "Targa"});
    for (int i = 0; i < count; ++i) {
        table.records.append(texts({"Autovettura", "Fiat", "Panda"}) << QStringLiteral("IM%1").arg(i));
        table.lines.append(i + 2);
    }
    return table;
}

ImportPlan::Plan planOf(const QByteArray& csv, const ImportPlan::ArchivePlates& archive = {})
{
    const CsvTable table = CsvReader::read(csv);
    return ImportPlan::plan(table, ImportFields::matchAll(table.header), archive);
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private slots:
    void init();

    void readsSpreadsheets_data();
    void readsSpreadsheets();
    void refusesFiles_data();
    void refusesFiles();
    void refusesLargeFiles();

    void matchesHeaders_data();
    void matchesHeaders();
    void oneColumnPerField();

    void convertsDates_data();
    void convertsDates();
    void plansRows_data();
    void plansRows();
    void plansTheExcelFile();
    void encodesRowsAsRecords_data();
    void encodesRowsAsRecords();
    void tablesFollowTheChoice();

    void appendsRecords();
    void appendsNothingWithoutRows();
    void leavesReadOnlyArchive();
    void anotherProgramAppendsMeanwhile();
    void failureMidwayLeavesArchive_data();
    void failureMidwayLeavesArchive();
    void undoRestoresArchive();
    void undoRefused_data();
    void undoRefused();
    void undoRefusedForHistory();

private:
    QString folder() const { return m_dir->path() + QLatin1Char('/'); }
    QString archivePath() const { return folder() + VehicleArchive::fileName(); }
    void writeArchive(const QList<TSchedaVeicolo>& records);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestImport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestImport::writeArchive(const QList<TSchedaVeicolo>& records)
{
    QByteArray bytes;
    for (const TSchedaVeicolo& record : records)
        bytes += encodeRecord(record);
    writeFile(archivePath(), bytes);
}

void TestImport::readsSpreadsheets_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QStringList>("lastRecord");

    QTest::newRow("Italian Excel") << readFile(fixture("excel_it.csv")) << QStringLiteral(";") << false
                                   << QList<int>{2, 3, 5, 6, 7}
                                   << texts({"Autovettura", "Lancia", "Ypsilon", "IJ789KL", "5.500", "2021", "Euro 6d",
                                             "", "32/01/2026", "Dice \"ok\" il meccanico"});
    QTest::newRow("LibreOffice UTF-8") << readFile(fixture("libreoffice_utf8.csv")) << QStringLiteral(",") << true
                                       << QList<int>{2, 3}
                                       << texts({"Furgone", "Ford", "Transit", "QR345ST", "110000,0", "2016",
                                                 "Generali, agenzia Roma", "1/6/26", "Prima riga\nseconda riga"});
    QTest::newRow("tab, CR line ends") << QByteArray("Targa\tNote\rAB1\t\"a;b,c\"\rCD2\tx\r") << QStringLiteral("\t")
                                       << true << QList<int>{2, 3} << texts({"CD2", "x"});
    QTest::newRow("BOM then Windows-1252") << QByteArray("\xEF\xBB\xBFTarga;Note\r\nAB1;citt\xE0\r\n")
                                           << QStringLiteral(";") << false << QList<int>{2} << texts({"AB1", "città"});
    QTest::newRow("commas in a ; file") << QByteArray("a;b\n1,5;2,5\n3,5;4\n") << QStringLiteral(";") << true
                                        << QList<int>{2, 3} << texts({"3,5", "4"});
    QTest::newRow("blank rows and no final line end")
        << QByteArray("a,b\n\n,\n1,2\n ,\n3,4") << QStringLiteral(",") << true << QList<int>{4, 6} << texts({"3", "4"});
}

void TestImport::readsSpreadsheets()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, separator);
    QFETCH(bool, utf8);
    QFETCH(QList<int>, lines);
    QFETCH(QStringList, lastRecord);

    const CsvTable table = CsvReader::read(bytes);
    QCOMPARE(QString(table.separator), separator);
    QCOMPARE(table.utf8, utf8);
    QCOMPARE(table.lines, lines);
    QCOMPARE(table.records.size(), lines.size());
    QCOMPARE(table.records.last(), lastRecord);
}

void TestImport::refusesFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QString noRows = QStringLiteral("Attenzione: il file non contiene nessuna riga dopo l'intestazione.");
    QTest::newRow("empty") << QByteArray() << noRows;
    QTest::newRow("header only") << QByteArray("Tipo;Marca;Targa\r\n") << noRows;
    QTest::newRow("binary")
        << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
        << QStringLiteral("Attenzione: il file non è un testo (contiene byte nulli) e non può essere importato.");
    QTest::newRow("unterminated quote")
        << QByteArray("Tipo;Note\r\nA;ok\r\nB;\"aperta\r\nC;x\r\n")
        << QStringLiteral("Attenzione: le virgolette aperte alla riga 3 non vengono mai chiuse, il file non può essere "
                          "importato.");
}

void TestImport::refusesFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    try {
        CsvReader::read(bytes);
        QFAIL("the file was read");
    } catch (const CsvRefused& refused) {
        QCOMPARE(refused.message(), message);
    }
}

void TestImport::refusesLargeFiles()
{
    const QString path = folder() + QStringLiteral("grande.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(CsvReader::MaxBytes + 1)); // sparse: no 50 MB written
    file.close();
    QVERIFY_THROWS_EXCEPTION(CsvRefused, CsvReader::readFile(path));
}

void TestImport::matchesHeaders_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("field");

    QTest::newRow("label") << QStringLiteral("Scad. revisione") << field(&V::ScadRevisione);
    QTest::newRow("label with colon") << QStringLiteral("Tipo veicolo:") << field(&V::Tipo);
    QTest::newRow("record name") << QStringLiteral("ScadRevisione") << field(&V::ScadRevisione);
    QTest::newRow("no accent, upper case") << QStringLiteral("COMPATIBILITA AMBIENTALE") << field(&V::Ambiente);
    QTest::newRow("blanks and punctuation") << QStringLiteral(" scad_bollo ") << field(&V::ScadBollo);
    QTest::newRow("Km") << QStringLiteral("Km") << field(&V::Chilometri);
    QTest::newRow("Chilometri") << QStringLiteral("Chilometri") << field(&V::Chilometri);
    QTest::newRow("Anno") << QStringLiteral("Anno") << field(&V::Anno);
    QTest::newRow("Immatricolazione") << QStringLiteral("Immatricolazione") << field(&V::Anno);
    QTest::newRow("Assicurazione") << QStringLiteral("Assicurazione") << field(&V::Compagnia);
    QTest::newRow("hidden field") << QStringLiteral("File01") << -1;
    QTest::newRow("unknown") << QStringLiteral("Codice interno") << -1;
}

void TestImport::matchesHeaders()
{
    QFETCH(QString, header);
    QFETCH(int, field);
    QCOMPARE(ImportFields::match(header), field);
}

void TestImport::oneColumnPerField()
{
    const QStringList header = texts({"Km", "Targa", "Chilometri"});
    ImportFields::Matching matching = ImportFields::matchAll(header);
    QCOMPARE(matching.fields, (QList<int>{field(&V::Chilometri), field(&V::Targa), -1}));
    QCOMPARE(matching.notes.size(), 1);
    QVERIFY(matching.notes.first().contains(QStringLiteral("«Chilometri»")));

    ImportFields::choose(matching, header, 2, field(&V::Chilometri));
    QCOMPARE(matching.fields, (QList<int>{-1, field(&V::Targa), field(&V::Chilometri)}));
    QCOMPARE(matching.notes.size(), 2);
}

void TestImport::convertsDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");

    QTest::newRow("d/m/yyyy") << QStringLiteral("1/2/2026") << QStringLiteral("01/02/2026");
    QTest::newRow("dd-mm-yyyy") << QStringLiteral("05-03-2026") << QStringLiteral("05/03/2026");
    QTest::newRow("dd.mm.yyyy") << QStringLiteral("05.03.2026") << QStringLiteral("05/03/2026");
    QTest::newRow("yyyy-mm-dd") << QStringLiteral("2026-03-05") << QStringLiteral("05/03/2026");
    QTest::newRow("two digits, 2049") << QStringLiteral("1/2/49") << QStringLiteral("01/02/2049");
    QTest::newRow("two digits, 1950") << QStringLiteral("1.2.50") << QStringLiteral("01/02/1950");
    QTest::newRow("no such day") << QStringLiteral("32/01/2026") << QStringLiteral("");
    QTest::newRow("mixed separators") << QStringLiteral("05/03-2026") << QStringLiteral("");
    QTest::newRow("29 February of no leap year") << QStringLiteral("2025-02-29") << QStringLiteral("");
    QTest::newRow("words") << QStringLiteral("marzo 2026") << QStringLiteral("");
    QTest::newRow("year below 1000") << QStringLiteral("0099-03-05") << QStringLiteral("05/03/0099");
    // Digits without end must not overflow on their way to a refusal.
    QTest::newRow("ten-digit day") << QStringLiteral("9999999999/1/2030") << QStringLiteral("");
    QTest::newRow("twenty-digit year") << QStringLiteral("1/1/99999999999999999999") << QStringLiteral("");
}

void TestImport::convertsDates()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(ImportPlan::convertedDate(text), stored);
}

void TestImport::plansRows_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<QString>("summary");

    const QByteArray header("Tipo;Marca;Modello;Targa;Scad. bollo;Note\r\n");
    QTest::newRow("each required field")
        << header + ";Fiat;Uno;A1;;\r\nAuto;;Uno;A2;;\r\nAuto;Fiat;;A3;;\r\nAuto;Fiat;Uno; ;;\r\n"
        << texts({"Riga 2: manca il tipo, riga saltata.", "Riga 3: manca la marca, riga saltata.",
                  "Riga 4: manca il modello, riga saltata.", "Riga 5: manca la targa, riga saltata."})
        << QStringLiteral("Da importare: 0 · Da saltare: 4 · Avvisi: 0");
    QTest::newRow("plate in the archive")
        << header + "Auto;Fiat;Uno;ab 123 cd;;\r\n"
        << texts({"Riga 2: la targa AB123CD è già in archivio (posizione 4), riga saltata."})
        << QStringLiteral("Da importare: 0 · Da saltare: 1 · Avvisi: 0");
    QTest::newRow("plate earlier in the file") << header + "Auto;Fiat;Uno;XY1;;\r\nAuto;Fiat;Uno;X Y 1;;\r\n"
                                               << texts({"Riga 3: la targa XY1 compare già alla riga 2, riga saltata."})
                                               << QStringLiteral("Da importare: 1 · Da saltare: 1 · Avvisi: 0");
    QTest::newRow("not a date") << header + "Auto;Fiat;Uno;XY1;32/01/2026;\r\n"
                                << texts({"Riga 2: Scad. bollo «32/01/2026» non è una data, importata come "
                                          "scritta."})
                                << QStringLiteral("Da importare: 1 · Da saltare: 0 · Avvisi: 1");
    QTest::newRow("text over capacity") << header + "Auto;Fiat;Uno;XY1;;" + QByteArray(312, 'n') + "\r\n"
                                        << texts({"Riga 2: Note di 312 caratteri, ne verranno salvati 250."})
                                        << QStringLiteral("Da importare: 1 · Da saltare: 0 · Avvisi: 1");
    QTest::newRow("no Windows-1252 code")
        << header + QByteArray("Auto;Fiat;Uno;XY1;;\xCE\xB1\xCE\xB2\r\n")
        << texts({"Riga 2: Note contiene caratteri che l'archivio non può salvare, salvati come \"?\"."})
        << QStringLiteral("Da importare: 1 · Da saltare: 0 · Avvisi: 1");
    QTest::newRow("extra and missing fields")
        << header + "Auto;Fiat;Uno;XY1;;;in più\r\nAuto;Fiat;Uno;XY2\r\nAuto;Fiat;Uno;XY3;;;;\r\n"
        << texts({"Riga 2: 7 campi invece di 6, quelli in più sono ignorati."})
        << QStringLiteral("Da importare: 3 · Da saltare: 0 · Avvisi: 1");
    QTest::newRow("a skipped row's warnings do not count")
        << header + "Auto;Fiat;;XY1;32/01/2026;\r\n"
        << texts({"Riga 2: manca il modello, riga saltata."})
        << QStringLiteral("Da importare: 0 · Da saltare: 1 · Avvisi: 0");
}

void TestImport::plansRows()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, problems);
    QFETCH(QString, summary);

    const ImportPlan::Plan plan = planOf(csv, {{QStringLiteral("AB123CD"), 4}});
    QCOMPARE(plan.problems, problems);
    QCOMPARE(plan.summary(), summary);
}

void TestImport::plansTheExcelFile()
{
    const CsvTable table = CsvReader::readFile(fixture("excel_it.csv"));
    const ImportPlan::Plan plan = ImportPlan::plan(table, ImportFields::matchAll(table.header), {});
    QCOMPARE(plan.problems, (texts({"Riga 5: manca la targa, riga saltata.",
                                    "Riga 6: la targa AB123CD compare già alla riga 2, riga saltata.",
                                    "Riga 7: Scad. bollo «32/01/2026» non è una data, importata come scritta."})));
    QCOMPARE(plan.summary(), QStringLiteral("Da importare: 3 · Da saltare: 2 · Avvisi: 1"));
    QCOMPARE(plan.importable, (QList<int>{0, 1, 4}));
    QCOMPARE(plan.preview.size(), 5);
    QVERIFY(plan.preview.at(2).skipped);

    const TSchedaVeicolo& panda = plan.preview.at(0).record;
    QCOMPARE(panda.Targa, QStringLiteral("AB123CD"));
    QCOMPARE(panda.Chilometri, QStringLiteral("12.345,5"));
    QCOMPARE(panda.Ambiente, QStringLiteral("Euro 6"));
    QCOMPARE(panda.ScadRevisione, QStringLiteral("01/02/2026"));
    QCOMPARE(panda.ScadBollo, QStringLiteral("15/03/2026"));
    QCOMPARE(panda.Note, QStringLiteral("Ruota di scorta; cric"));
    const TSchedaVeicolo& daily = plan.preview.at(1).record;
    QCOMPARE(daily.ScadRevisione, QStringLiteral("05/03/2026"));
    QCOMPARE(daily.ScadBollo, QStringLiteral("30/04/2026"));
    QCOMPARE(daily.Note, QStringLiteral("Cambio olio fatto. Freni da controllare"));
}

// The append writes rows straight to record bytes; they must be the bytes of the record
// the dry run shows, whatever the row holds.
void TestImport::encodesRowsAsRecords_data()
{
    QTest::addColumn<QByteArray>("line");     // under Tipo;Marca;Modello;Targa;Scad. bollo;Data lettura;Note
    QTest::addColumn<QList<int>>("matching"); // empty: as the headers match
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("stored");

    const int note = field(&V::Note);
    const QByteArray car("Auto;Fiat;Uno;AB1;;;");
    QTest::newRow("accents") << car + "citt\xC3\xA0 \xC5\xA0koda" << QList<int>{} << note
                             << QString::fromUtf8("città Škoda");
    QTest::newRow("no Windows-1252 code")
        << car + "\xCE\xB1\xCE\xB2 \xF0\x9F\x9A\x97" << QList<int>{} << note << QStringLiteral("?? ?");
    QTest::newRow("overlong") << car + QByteArray(312, 'n') << QList<int>{} << note << QString(250, u'n');
    QTest::newRow("overlong, blanks at the cut")
        << car + QByteArray(245, 'n') + QByteArray(10, ' ') + "x" << QList<int>{} << note << QString(245, u'n');
    QTest::newRow("overlong, a pair cut in two")
        << car + QByteArray(249, 'n') + "\xF0\x9F\x9A\x97" << QList<int>{} << note << QString(249, u'n') + u'?';
    QTest::newRow("line breaks") << car + "\"a\r\nb\nc\"" << QList<int>{} << note << QStringLiteral("a b c");
    QTest::newRow("blanks around") << car + "  \t x  " << QList<int>{} << note << QStringLiteral("x");
    QTest::newRow("only blanks") << car + "   " << QList<int>{} << note << QString();
    QTest::newRow("date d/m/yyyy") << QByteArray("Auto;Fiat;Uno;AB1; 1/2/2026 ;;") << QList<int>{}
                                   << field(&V::ScadBollo) << QStringLiteral("01/02/2026");
    QTest::newRow("date yyyy-mm-dd") << QByteArray("Auto;Fiat;Uno;AB1;;2026-03-05;") << QList<int>{}
                                     << field(&V::Lettura) << QStringLiteral("05/03/2026");
    QTest::newRow("not a date") << QByteArray("Auto;Fiat;Uno;AB1;32/01/2026;;") << QList<int>{} << field(&V::ScadBollo)
                                << QStringLiteral("32/01/2026");
    QTest::newRow("plate") << QByteArray("Auto;Fiat;Uno; ab 12\tcd ;;;") << QList<int>{} << field(&V::Targa)
                           << QStringLiteral("AB12CD");
    QTest::newRow("short row") << QByteArray("Auto;Fiat") << QList<int>{} << field(&V::Modello) << QString();
    QTest::newRow("extra fields") << car + "n;x;y" << QList<int>{} << note << QStringLiteral("n");
    QTest::newRow("two columns, one field")
        << car + "n" << QList<int>{note, -1, -1, -1, -1, -1, note} << note << QStringLiteral("n");
}

void TestImport::encodesRowsAsRecords()
{
    QFETCH(QByteArray, line);
    QFETCH(QList<int>, matching);
    QFETCH(int, field);
    QFETCH(QString, stored);

    const CsvTable table =
        CsvReader::read("Tipo;Marca;Modello;Targa;Scad. bollo;Data lettura;Note\r\n" + line + "\r\n");
    const QList<int> fields = matching.isEmpty() ? ImportFields::matchAll(table.header).fields : matching;
    // Over bytes left from an earlier record, as in the append's reused buffer.
    QByteArray bytes(TSchedaVeicolo::RecordSize, '\xAA');
    ImportPlan::encodeRowInto(table, fields, 0, bytes.data());
    QCOMPARE(bytes, encodeRecord(ImportPlan::recordOf(table, fields, 0)));
    QCOMPARE(decodeRecord<TSchedaVeicolo>(bytes).*(TSchedaVeicolo::fields()[static_cast<size_t>(field)].member),
             stored);
}

void TestImport::appendsRecords()
{
    writeArchive({vehicle(QStringLiteral("OLD1")), vehicle(QStringLiteral("OLD2"))});
    const QByteArray before = readFile(archivePath());
    const CsvTable table = CsvReader::readFile(fixture("libreoffice_utf8.csv"));
    const ImportFields::Matching matching = ImportFields::matchAll(table.header);
    const ImportPlan::Plan plan = ImportPlan::plan(table, matching, ImportPlan::platesOf(folder()));
    QCOMPARE(plan.summary(), QStringLiteral("Da importare: 2 · Da saltare: 0 · Avvisi: 0"));

    const QDateTime when(QDate(2026, 12, 10), QTime(9, 30));
    QList<double> progress;
    const LastImport done = ImportRun::append(folder(), table, matching.fields, plan.importable, when,
                                              [&](double share) { progress.append(share); });
    QCOMPARE(ImportRun::completed(done),
             QStringLiteral("Importazione completata: 2 schede aggiunte (posizioni da 3 a 4)."));
    QCOMPARE(progress.last(), 1.0);

    TSchedaVeicolo skoda;
    skoda.Tipo = QStringLiteral("Autovettura");
    skoda.Marca = QStringLiteral("Škoda");
    skoda.Modello = QStringLiteral("Octavia");
    skoda.Targa = QStringLiteral("MN012OP");
    skoda.Chilometri = QStringLiteral("23456,7");
    skoda.Anno = QStringLiteral("2022");
    skoda.Compagnia = QStringLiteral("Unipol");
    skoda.ScadAssicurazione = QStringLiteral("31/12/2026");
    skoda.Note = QStringLiteral("Città: Milano");
    const QByteArray after = readFile(archivePath());
    QCOMPARE(after.size(), 4 * TSchedaVeicolo::RecordSize);
    QVERIFY(after.startsWith(before));
    QCOMPARE(after.mid(2 * TSchedaVeicolo::RecordSize, TSchedaVeicolo::RecordSize), encodeRecord(skoda));
    QVERIFY(after.contains(QByteArray("\x8Akoda"))); // Š as its single Windows-1252 byte
    QCOMPARE(VehicleArchive(folder()).readAt(3).Note, QStringLiteral("Prima riga seconda riga"));

    const LastImport recorded = LastImport::read(folder());
    QCOMPARE(recorded.first, 3);
    QCOMPARE(recorded.last, 4);
    QCOMPARE(recorded.when, when);
    QCOMPARE(recorded.checksum, done.checksum);
    QCOMPARE(ImportRun::undoQuestion(recorded),
             QStringLiteral("Annullare l'importazione del 10/12/2026 09:30 (2 schede)?"));
}

// The window's two tables: a field chosen for one column is taken from the column that fed
// it, with a note, and the preview shows each field fed once, after the file's line.
void TestImport::tablesFollowTheChoice()
{
    constexpr int Km = 4;
    constexpr int Note = 9;
    const CsvTable table = CsvReader::readFile(fixture("excel_it.csv"));
    ImportColumnsModel columns;
    columns.load(table);
    const QModelIndex kmField = columns.index(Km, ImportColumnsModel::FieldColumn);
    const QString kilometres = kmField.data().toString();
    QCOMPARE(kilometres, QStringLiteral("Chilometri percorsi"));
    QCOMPARE(columns.index(Km, ImportColumnsModel::SampleColumn).data().toString(), QStringLiteral("12.345,5"));
    QVERIFY(columns.flags(kmField).testFlag(Qt::ItemIsEditable));
    QVERIFY(!columns.flags(columns.index(Km, ImportColumnsModel::FileColumn)).testFlag(Qt::ItemIsEditable));

    QSignalSpy changed(&columns, &ImportColumnsModel::matchingChanged);
    QVERIFY(columns.setData(columns.index(Note, ImportColumnsModel::FieldColumn), kmField.data(Qt::EditRole)));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(columns.index(Note, ImportColumnsModel::FieldColumn).data().toString(), kilometres);
    QCOMPARE(kmField.data().toString(), ImportFields::notImported());
    QCOMPARE(columns.matching().notes.size(), 1);

    ImportPreviewModel preview;
    QCOMPARE(preview.columnCount(), 0);
    const ImportPlan::Plan plan = ImportPlan::plan(table, columns.matching(), {});
    preview.setPlan(plan, columns.matching().fields);
    QStringList headers;
    for (int c = 0; c < preview.columnCount(); ++c)
        headers.append(preview.headerData(c, Qt::Horizontal).toString());
    QCOMPARE(headers.constFirst(), QStringLiteral("Riga"));
    QCOMPARE(headers.count(kilometres), 1);
    QCOMPARE(preview.rowCount(), plan.preview.size());
    for (int row = 0; row < preview.rowCount(); ++row) {
        QCOMPARE(preview.index(row, 0).data().toString(), QString::number(plan.preview.at(row).line));
        QCOMPARE(preview.index(row, 1).data(Qt::ForegroundRole).isValid(), plan.preview.at(row).skipped);
    }
}

void TestImport::appendsNothingWithoutRows()
{
    writeArchive({vehicle(QStringLiteral("OLD1"))});
    const CsvTable table = CsvReader::read("Targa\r\nOLD1\r\n");
    QVERIFY(!ImportRun::append(folder(), table, {4}, {}, QDateTime::currentDateTime()).isValid());
    QCOMPARE(readFile(archivePath()), encodeRecord(vehicle(QStringLiteral("OLD1"))));
    QVERIFY(!QFile::exists(folder() + QStringLiteral("Corvanta.ini")));
}

void TestImport::leavesReadOnlyArchive()
{
    if (runningAsRoot())
        QSKIP("running as root, which writes to read-only files anyway");
    writeArchive({vehicle(QStringLiteral("OLD1"))});
    QVERIFY(QFile::setPermissions(archivePath(), QFileDevice::ReadOwner));
    const CsvTable table = CsvReader::readFile(fixture("excel_it.csv"));
    const ImportFields::Matching matching = ImportFields::matchAll(table.header);
    QVERIFY_THROWS_EXCEPTION(FileAccessError,
                             ImportRun::append(folder(), table, matching.fields, {0, 1}, QDateTime::currentDateTime()));
    QCOMPARE(readFile(archivePath()), encodeRecord(vehicle(QStringLiteral("OLD1"))));
}

// Another program's cards land before or after the imported ones, never among them.
void TestImport::anotherProgramAppendsMeanwhile()
{
    constexpr int Imported = 4000;
    constexpr int Others = 200;
    const CsvTable table = cars(Imported);
    const ImportFields::Matching matching = ImportFields::matchAll(table.header);
    const ImportPlan::Plan plan = ImportPlan::plan(table, matching, {});

    QProcess other;
    other.start(QStringLiteral(CORVANTA_ARCHIVE_APPENDER),
                {folder(), QStringLiteral("OTHER"), QString::number(Others), QStringLiteral("--wait")});
    while (!other.canReadLine())
        QVERIFY2(other.waitForReadyRead(30000), qPrintable(other.errorString()));
    QCOMPARE(other.readLine().trimmed(), QByteArray("ready"));
    other.write("go\n");
    QVERIFY(other.waitForBytesWritten(30000));
    const LastImport done =
        ImportRun::append(folder(), table, matching.fields, plan.importable, QDateTime::currentDateTime());
    QVERIFY(other.waitForFinished(60000));
    QCOMPARE(other.exitCode(), 0);

    VehicleArchive archive(folder());
    QCOMPARE(archive.count(), Imported + Others);
    int others = 0;
    for (int position = 1; position <= Imported + Others; ++position) {
        const TSchedaVeicolo record = archive.readAt(position - 1);
        if (position >= done.first && position <= done.last)
            QCOMPARE(record.Targa, QStringLiteral("IM%1").arg(position - done.first));
        else
            QCOMPARE(record.Tipo, QStringLiteral("OTHER-%1").arg(others++));
    }
    QCOMPARE(others, Others);
    // Summed as the chunks were made, the records are summed as they were stored.
    QCOMPARE(ImportRun::checksumOf(archive.records(), done.first, done.last), done.checksum);
}

void TestImport::failureMidwayLeavesArchive_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("a failure") << false;
    QTest::newRow("a cancel") << true;
}

// A failure or a cancel after some chunks were written, while the next one is being made,
// leaves the archive as it was and no import to undo.
void TestImport::failureMidwayLeavesArchive()
{
    QFETCH(bool, cancel);
    writeArchive({vehicle(QStringLiteral("OLD1"))});
    const CsvTable table = cars(3000);
    const ImportFields::Matching matching = ImportFields::matchAll(table.header);
    const ImportPlan::Plan plan = ImportPlan::plan(table, matching, {});
    int told = 0;
    const auto progress = [&](double) {
        if (++told == 3 && !cancel)
            throw std::runtime_error("stopped");
    };
    const auto cancelled = [&] { return told == 3; };
    QString stopped;
    try {
        ImportRun::append(folder(), table, matching.fields, plan.importable, QDateTime::currentDateTime(), progress,
                          cancelled);
    } catch (const Job::CancelledError&) {
        stopped = QStringLiteral("cancel");
    } catch (const std::runtime_error&) {
        stopped = QStringLiteral("failure");
    }
    QCOMPARE(stopped, cancel ? QStringLiteral("cancel") : QStringLiteral("failure"));
    QCOMPARE(told, 3);
    QCOMPARE(readFile(archivePath()), encodeRecord(vehicle(QStringLiteral("OLD1"))));
    QVERIFY(!LastImport::read(folder()).isValid());
}

void TestImport::undoRestoresArchive()
{
    writeArchive({vehicle(QStringLiteral("OLD1"))});
    const QByteArray before = readFile(archivePath());
    const CsvTable table = CsvReader::readFile(fixture("excel_it.csv"));
    const ImportFields::Matching matching = ImportFields::matchAll(table.header);
    const ImportPlan::Plan plan = ImportPlan::plan(table, matching, ImportPlan::platesOf(folder()));
    ImportRun::append(folder(), table, matching.fields, plan.importable, QDateTime::currentDateTime());
    QCOMPARE(readFile(archivePath()).size(), 4 * TSchedaVeicolo::RecordSize);

    QCOMPARE(ImportRun::wouldUndo(folder(), LastImport::read(folder())), ImportRun::Undo::Done);
    QCOMPARE(readFile(archivePath()).size(), 4 * TSchedaVeicolo::RecordSize);
    QCOMPARE(ImportRun::undo(folder(), LastImport::read(folder())), ImportRun::Undo::Done);
    QCOMPARE(readFile(archivePath()), before);
    QVERIFY(!LastImport::read(folder()).isValid());
}

void TestImport::undoRefused_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("a card edited") << 0;
    QTest::newRow("another card appended") << 1;
    QTest::newRow("a cost file") << 2;
    QTest::newRow("a photo") << 3;
    QTest::newRow("the archive gone") << 4;
}

void TestImport::undoRefused()
{
    QFETCH(int, change);
    writeArchive({vehicle(QStringLiteral("OLD1"))});
    const CsvTable table = CsvReader::readFile(fixture("excel_it.csv"));
    const ImportFields::Matching matching = ImportFields::matchAll(table.header);
    const LastImport done = ImportRun::append(folder(), table, matching.fields, {0, 1}, QDateTime::currentDateTime());
    {
        VehicleArchive archive(folder());
        TSchedaVeicolo card = archive.readAt(2);
        switch (change) {
        case 0:
            card.Colore = QStringLiteral("Rosso");
            archive.overwriteAt(2, card);
            break;
        case 1:
            archive.append(vehicle(QStringLiteral("NEW1")));
            break;
        case 2:
            CostFile(folder(), 3).append(TCostoVeicolo{});
            break;
        case 3:
            QVERIFY(QDir(folder()).mkpath(QStringLiteral("Autoparco")));
            writeFile(PhotoFile::pathFor(folder(), QStringLiteral("2")), "jpeg");
            break;
        default:
            archive.close();
            QVERIFY(QFile::remove(archivePath()));
            break;
        }
    }
    const QByteArray changed = readFile(archivePath());
    // The check before the question answers as the undo will, and changes nothing.
    QCOMPARE(ImportRun::wouldUndo(folder(), done), ImportRun::Undo::Refused);
    QCOMPARE(QFile::exists(archivePath()), change != 4);
    QCOMPARE(ImportRun::undo(folder(), done), ImportRun::Undo::Refused);
    QCOMPARE(readFile(archivePath()), changed);
    QCOMPARE(QFile::exists(archivePath()), change != 4);
    QCOMPARE(ImportRun::undoRefused(),
             QStringLiteral("Attenzione: l'importazione non può essere annullata perché le schede importate sono "
                            "state modificate o l'archivio è cambiato."));
}

// The history is append-only: an imported vehicle with events there stays.
void TestImport::undoRefusedForHistory()
{
    writeArchive({vehicle(QStringLiteral("OLD1"))});
    const CsvTable table = CsvReader::readFile(fixture("excel_it.csv"));
    const ImportFields::Matching matching = ImportFields::matchAll(table.header);
    const LastImport done = ImportRun::append(folder(), table, matching.fields, {0, 1}, QDateTime::currentDateTime());
    {
        HistoryFile history(folder());
        history.appendEvents({History::creation(1, QStringLiteral("OLD1"), 0, {}),
                              History::creation(3, QStringLiteral("AB123CD"), 0, {})});
    }
    const QByteArray imported = readFile(archivePath());
    QCOMPARE(ImportRun::wouldUndo(folder(), done), ImportRun::Undo::RefusedForHistory);
    QCOMPARE(ImportRun::undo(folder(), done), ImportRun::Undo::RefusedForHistory);
    QCOMPARE(readFile(archivePath()), imported);
    QVERIFY(ImportRun::undoRefusedForHistory().contains(QStringLiteral("storico")));
}

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"

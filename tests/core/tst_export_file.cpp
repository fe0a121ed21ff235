// The spreadsheet export: the grid's rows read from the archive, what typing changes, and
// the file's exact bytes, written so that a failure keeps the previous file.
#include "archive/VehicleArchive.h"
#include "output/ExportFile.h"
#include "output/ExportTableModel.h"

#include "FileTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

using FileTest::readFile;
using FileTest::runningAsRoot;

// The three vehicles of the fixtures export_one.xls (the first) and export_three.xls.
// Their texts hold the markup characters, accents and the euro sign (0x80).
QList<TSchedaVeicolo> fixtureVehicles()
{
    TSchedaVeicolo car;
    car.Tipo = QStringLiteral("Autovettura");
    car.Marca = QStringLiteral("Fiat");
    car.Modello = QStringLiteral("Panda 1.2");
    car.Targa = QStringLiteral("AB123CD");
    car.Anno = QStringLiteral("2021");
    car.Ambiente = QStringLiteral("Euro 6 è");
    car.ScadBollo = QStringLiteral("31/01/2027");
    car.Note = QStringLiteral("Olio & filtri <ok> > 5 \"A\"");
    // Not exported.
    car.Posti = QStringLiteral("5");
    car.Compagnia = QStringLiteral("Assicurazioni <X>");
    car.Desc01 = QStringLiteral("Libretto");

    TSchedaVeicolo van;
    van.Tipo = QStringLiteral("Furgone");
    van.Destinazione = QStringLiteral("Consegne città");
    van.Proprietario = QStringLiteral("Società Alfa");
    van.Note = QStringLiteral("Gomme €200");

    TSchedaVeicolo bike;
    bike.Tipo = QStringLiteral("Moto");
    bike.Targa = QStringLiteral("ZZ999ZZ");
    return {car, van, bike};
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int column(QString TSchedaVeicolo::*member)
{
    const auto& columns = ExportColumns::all();
    for (int c = 0; c < ExportColumns::Count; ++c) {
        if (columns[c].member == member)
            return c + 1;
    }
    return -1;
}

} // namespace

class tst_ExportFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void fileBytes_data();
    void fileBytes();
    void gridRows();
    void fieldsWrittenElsewhere();
    void typingChangesOnlyTheGrid_data();
    void typingChangesOnlyTheGrid();
    void replacesTheOldFileWhole();
    void failureKeepsTheOldFile_data();
    void failureKeepsTheOldFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void tst_ExportFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
}

void tst_ExportFile::fileBytes_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("fixture");

    // No archive at all: the design rows, ten rows of empty cells.
    QTest::newRow("no record") << 0 << "export_empty.xls";
    QTest::newRow("one record") << 1 << "export_one.xls";
    // The third row also carries what was typed into its Targa and Note cells: a
    // character without a Windows-1252 code, markup, and blanks and control characters
    // at both ends.
    QTest::newRow("three records, typed cells") << 3 << "export_three.xls";
}

void tst_ExportFile::fileBytes()
{
    QFETCH(int, records);
    QFETCH(QString, fixture);

    if (records > 0) {
        VehicleArchive archive(m_folder);
        for (const TSchedaVeicolo& vehicle : fixtureVehicles().mid(0, records))
            archive.append(vehicle);
        archive.close();
    }
    ExportTableModel grid;
    grid.load(m_folder);
    if (records == 3) {
        QVERIFY(grid.setData(grid.index(2, column(&TSchedaVeicolo::Targa)), QString::fromUtf8("Ł-1 <a>")));
        QVERIFY(grid.setData(grid.index(2, column(&TSchedaVeicolo::Note)), QStringLiteral("\t riga \x01")));
    }

    QVERIFY(ExportFile::write(m_folder, grid.rows()));

    const QByteArray expected = readFile(QStringLiteral(CORVANTA_FIXTURES "/") + fixture);
    QVERIFY(!expected.isEmpty());
    const QByteArray written = readFile(ExportFile::path(m_folder));
    QCOMPARE(written, expected);
    QCOMPARE(ExportFile::contents(grid.rows()), expected);
    QVERIFY(!written.contains('\n') && !written.contains('\r'));
    // Nothing but the file itself is left in the program folder.
    QStringList expectedFiles{ExportFile::fileName(), VehicleArchive::fileName()};
    expectedFiles.sort();
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), expectedFiles);
}

void tst_ExportFile::gridRows()
{
    ExportTableModel grid;
    QCOMPARE(grid.columnCount(), 26);
    QCOMPARE(grid.headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
    QCOMPARE(grid.headerData(15, Qt::Horizontal).toString(), QStringLiteral("Compatibilità ambientale"));
    QCOMPARE(grid.headerData(25, Qt::Horizontal).toString(), QStringLiteral("Note"));

    // A missing archive is created empty, and the grid keeps its ten unnumbered rows.
    grid.load(m_folder);
    QVERIFY(QFileInfo::exists(m_folder + VehicleArchive::fileName()));
    QCOMPARE(grid.rowCount(), ExportTableModel::DesignRows);
    QCOMPARE(grid.data(grid.index(0, 0)).toString(), QString());

    {
        VehicleArchive archive(m_folder);
        for (const TSchedaVeicolo& vehicle : fixtureVehicles())
            archive.append(vehicle);
        archive.close();
    }
    grid.load(m_folder);
    QCOMPARE(grid.rowCount(), 3);
    QCOMPARE(grid.data(grid.index(2, 0)).toString(), QStringLiteral("3"));
    QCOMPARE(grid.data(grid.index(1, column(&TSchedaVeicolo::Destinazione))).toString(),
             QStringLiteral("Consegne città"));
    QCOMPARE(grid.data(grid.index(0, column(&TSchedaVeicolo::Anno))).toString(), QStringLiteral("2021"));
}

// A file written by another program may hold untrimmed fields and length bytes beyond
// the capacity: the grid reads them as the archive's own decoder does.
void tst_ExportFile::fieldsWrittenElsewhere()
{
    QByteArray record = encodeRecord(fixtureVehicles().first());
    int offset = 0;
    for (const auto& field : TSchedaVeicolo::fields()) {
        if (field.member == &TSchedaVeicolo::Tipo) {
            const QByteArray padded("\t  Autocarro \x01 ");
            record[offset] = static_cast<char>(padded.size());
            record.replace(offset + 1, padded.size(), padded);
        } else if (field.member == &TSchedaVeicolo::Targa) {
            record[offset] = static_cast<char>(200); // beyond the capacity of 12
            record.replace(offset + 1, 12, QByteArray("ZZ 999 ZZ  X"));
        }
        offset += field.capacity + 1;
    }
    QVERIFY(writeFile(m_folder + VehicleArchive::fileName(), record));
    const TSchedaVeicolo decoded = decodeRecord<TSchedaVeicolo>(record);

    ExportTableModel grid;
    grid.load(m_folder);

    QCOMPARE(grid.data(grid.index(0, column(&TSchedaVeicolo::Tipo))).toString(), QStringLiteral("Autocarro"));
    for (int c = 1; c < grid.columnCount(); ++c)
        QCOMPARE(grid.data(grid.index(0, c)).toString(), decoded.*(ExportColumns::all()[c - 1].member));
}

void tst_ExportFile::typingChangesOnlyTheGrid_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("editable");

    QTest::newRow("N.") << 0 << false;
    QTest::newRow("Tipo veicolo") << column(&TSchedaVeicolo::Tipo) << false;
    QTest::newRow("Modello") << column(&TSchedaVeicolo::Modello) << true;
    QTest::newRow("Targa") << column(&TSchedaVeicolo::Targa) << true;
    QTest::newRow("Telaio") << column(&TSchedaVeicolo::Telaio) << false;
    QTest::newRow("kW") << column(&TSchedaVeicolo::KW) << true;
    QTest::newRow("Compatibilità ambientale") << column(&TSchedaVeicolo::Ambiente) << false;
    QTest::newRow("Autista") << column(&TSchedaVeicolo::Autista) << false;
    QTest::newRow("Note") << column(&TSchedaVeicolo::Note) << true;
}

void tst_ExportFile::typingChangesOnlyTheGrid()
{
    QFETCH(int, column);
    QFETCH(bool, editable);

    {
        VehicleArchive archive(m_folder);
        archive.append(fixtureVehicles().first());
        archive.close();
    }
    const QByteArray archiveBefore = readFile(m_folder + VehicleArchive::fileName());
    ExportTableModel grid;
    grid.load(m_folder);
    const QModelIndex cell = grid.index(0, column);
    const QString before = grid.data(cell).toString();

    QCOMPARE(bool(grid.flags(cell) & Qt::ItemIsEditable), editable);
    QCOMPARE(grid.setData(cell, QStringLiteral("XY987ZW")), editable);

    QCOMPARE(grid.data(cell).toString(), editable ? QStringLiteral("XY987ZW") : before);
    QVERIFY(ExportFile::write(m_folder, grid.rows()));
    QCOMPARE(readFile(ExportFile::path(m_folder)).contains(">XY987ZW<"), editable);
    QCOMPARE(readFile(m_folder + VehicleArchive::fileName()), archiveBefore);
}

void tst_ExportFile::replacesTheOldFileWhole()
{
    QVERIFY(writeFile(ExportFile::path(m_folder), QByteArray(100000, 'x')));
    const std::vector<ExportTableModel::Row> rows(1);

    QVERIFY(ExportFile::write(m_folder, rows));

    QCOMPARE(readFile(ExportFile::path(m_folder)), ExportFile::contents(rows));
}

void tst_ExportFile::failureKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("readOnlyFolder");

    QTest::newRow("export file is a folder") << false;
    QTest::newRow("read-only program folder") << true;
}

void tst_ExportFile::failureKeepsTheOldFile()
{
    QFETCH(bool, readOnlyFolder);

    const QString path = ExportFile::path(m_folder);
    const QByteArray old("<html>the previous export</html>");
    if (readOnlyFolder) {
        if (runningAsRoot())
            QSKIP("root writes into read-only folders");
        QVERIFY(writeFile(path, old));
        QVERIFY(QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QVERIFY(QDir().mkpath(path));
        QVERIFY(writeFile(path + QStringLiteral("/inside.txt"), old));
    }
    const auto restore = qScopeGuard(
        [this] { QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    const QStringList before = QDir(m_folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    QVERIFY(!ExportFile::write(m_folder, std::vector<ExportTableModel::Row>(3)));

    if (readOnlyFolder)
        QCOMPARE(readFile(path), old);
    else
        QCOMPARE(readFile(path + QStringLiteral("/inside.txt")), old);
    // No temporary file is left behind.
    QCOMPARE(QDir(m_folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
}

QTEST_GUILESS_MAIN(tst_ExportFile)
#include "tst_export_file.moc"

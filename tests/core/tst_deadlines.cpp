#include "archive/VehicleArchive.h"
#include "deadlines/DeadlineDate.h"
#include "deadlines/DeadlineLine.h"
#include "deadlines/DeadlineRule.h"
#include "deadlines/DeadlineScan.h"

#include "FileTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

using FileTest::writeFile;
TSchedaVeicolo vehicle(const QString& tipo, const QString& bollo)
{
    TSchedaVeicolo record;
    record.Tipo = tipo;
    record.Marca = QStringLiteral("Fiat");
    record.Modello = QStringLiteral("Ducato");
    record.Targa = QStringLiteral("AB123CD");
    record.Chilometri = QStringLiteral("80000");
    record.Proprietario = QStringLiteral("Comune");
    record.ScadBollo = bollo;
    record.ScadRevisione = QStringLiteral("01/01/2000");
    return record;
}

} // namespace

class tst_Deadlines : public QObject {
    Q_OBJECT

private slots:
    void init();
    void readDate_data();
    void readDate();
    void dueWithinSevenDays_data();
    void dueWithinSevenDays();
    void scanListsDueVehiclesSorted();
    void malformedDateSkipsOnlyItsVehicle();
    void missingArchiveIsCreatedEmpty();
    void archiveThatIsAFolder();
    void lengthByteBeyondCapacity();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QString m_archive;
};

void tst_Deadlines::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
    m_archive = m_folder + VehicleArchive::fileName();
}

void tst_Deadlines::readDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // invalid: no date

    QTest::newRow("as the card writes it") << QStringLiteral("05/03/2024") << QDate(2024, 3, 5);
    QTest::newRow("one-digit day and month") << QStringLiteral("5/3/2024") << QDate(2024, 3, 5);
    QTest::newRow("blanks around") << QStringLiteral("  05/03/2024 ") << QDate(2024, 3, 5);
    QTest::newRow("blanks around the parts") << QStringLiteral("05 / 03 /2024") << QDate(2024, 3, 5);
    QTest::newRow("two-digit year, 2000s") << QStringLiteral("1/2/24") << QDate(2024, 2, 1);
    QTest::newRow("two-digit year 49") << QStringLiteral("1/2/49") << QDate(2049, 2, 1);
    QTest::newRow("two-digit year 50") << QStringLiteral("1/2/50") << QDate(1950, 2, 1);
    QTest::newRow("leap day") << QStringLiteral("29/02/2024") << QDate(2024, 2, 29);
    QTest::newRow("31 February") << QStringLiteral("31/02/2024") << QDate();
    QTest::newRow("29 February, no leap year") << QStringLiteral("29/02/2023") << QDate();
    QTest::newRow("day 0") << QStringLiteral("00/03/2024") << QDate();
    QTest::newRow("month 13") << QStringLiteral("01/13/2024") << QDate();
    QTest::newRow("a letter in the year") << QStringLiteral("05/03/202x") << QDate();
    QTest::newRow("a letter in the day") << QStringLiteral("0x/03/2024") << QDate();
    QTest::newRow("letters") << QStringLiteral("abc") << QDate();
    QTest::newRow("wrong separator") << QStringLiteral("05-03-2024") << QDate();
    QTest::newRow("no year") << QStringLiteral("05/03") << QDate();
    QTest::newRow("four parts") << QStringLiteral("05/03/2024/1") << QDate();
    QTest::newRow("three-digit year") << QStringLiteral("05/03/202") << QDate();
    QTest::newRow("three-digit day") << QStringLiteral("005/03/2024") << QDate();
    QTest::newRow("sign") << QStringLiteral("+5/03/2024") << QDate();
    QTest::newRow("blank inside a part") << QStringLiteral("0 5/03/2024") << QDate();
    QTest::newRow("empty") << QString() << QDate();
}

void tst_Deadlines::readDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);

    const std::optional<QDate> date = DeadlineDate::read(text);
    QCOMPARE(date.has_value(), expected.isValid());
    if (date)
        QCOMPARE(*date, expected);
}

void tst_Deadlines::dueWithinSevenDays_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("deadline");
    QTest::addColumn<bool>("due");

    const QDate march10(2024, 3, 10);
    QTest::newRow("years ago") << march10 << QDate(2019, 6, 1) << true;
    QTest::newRow("yesterday") << march10 << QDate(2024, 3, 9) << true;
    QTest::newRow("today") << march10 << march10 << true;
    QTest::newRow("T+7") << march10 << QDate(2024, 3, 17) << true;
    QTest::newRow("T+8") << march10 << QDate(2024, 3, 18) << false;
    QTest::newRow("T+7 across February's end") << QDate(2024, 2, 26) << QDate(2024, 3, 4) << true;
    QTest::newRow("T+8 across February's end") << QDate(2024, 2, 26) << QDate(2024, 3, 5) << false;
    QTest::newRow("T+7 across the year's end") << QDate(2024, 12, 28) << QDate(2025, 1, 4) << true;
    QTest::newRow("T+8 across the year's end") << QDate(2024, 12, 28) << QDate(2025, 1, 5) << false;
}

void tst_Deadlines::dueWithinSevenDays()
{
    QFETCH(QDate, today);
    QFETCH(QDate, deadline);
    QFETCH(bool, due);

    QCOMPARE(DeadlineRule::isDue(DeadlineRule::urgencyOf(deadline, today)), due);
}

void tst_Deadlines::scanListsDueVehiclesSorted()
{
    const QList<TSchedaVeicolo> vehicles = {
        vehicle(QStringLiteral("furgone"), QStringLiteral("17/03/2024")),   // T+7
        vehicle(QStringLiteral("Autocarro"), QStringLiteral("18/03/2024")), // T+8
        vehicle(QStringLiteral("Auto"), QString()),                         // no deadline
        vehicle(QStringLiteral("Auto"), QStringLiteral("01/01/2010")),      // long overdue
        vehicle(QStringLiteral("AUTO"), QStringLiteral(" 9/3/24")),         // typed by hand
    };
    QByteArray bytes;
    for (const TSchedaVeicolo& record : vehicles)
        bytes += encodeRecord(record);
    writeFile(m_archive, bytes + QByteArray(100, 'x')); // a trailing fragment is no vehicle

    const DeadlineScan scan = scanDeadlines(m_folder, &TSchedaVeicolo::ScadBollo, QDate(2024, 3, 10));
    QVERIFY(scan.complete);
    QCOMPARE(scan.unreadableDates, 0);
    // "Auto" and "AUTO" compare equal up to the deadline text, which orders them.
    const QStringList expected = {
        DeadlineLine::build(vehicles[3], &TSchedaVeicolo::ScadBollo),
        DeadlineLine::build(decodeRecord<TSchedaVeicolo>(encodeRecord(vehicles[4])), &TSchedaVeicolo::ScadBollo),
        DeadlineLine::build(vehicles[0], &TSchedaVeicolo::ScadBollo),
    };
    QCOMPARE(scan.lines, expected);

    // Each list reads its own field.
    QCOMPARE(scanDeadlines(m_folder, &TSchedaVeicolo::ScadRevisione, QDate(2024, 3, 10)).lines.size(), 5);
    QCOMPARE(scanDeadlines(m_folder, &TSchedaVeicolo::ScadTagliando, QDate(2024, 3, 10)).lines.size(), 0);
}

void tst_Deadlines::malformedDateSkipsOnlyItsVehicle()
{
    const QStringList dates = {QStringLiteral("01/03/2024"), QStringLiteral("02/03/2024"), QStringLiteral("31/02/2024"),
                               QStringLiteral("abc"), QStringLiteral("04/03/2024")};
    QByteArray bytes;
    for (int i = 0; i < dates.size(); ++i)
        bytes += encodeRecord(vehicle(QStringLiteral("V%1").arg(i + 1), dates[i]));
    writeFile(m_archive, bytes);

    const DeadlineScan scan = scanDeadlines(m_folder, &TSchedaVeicolo::ScadBollo, QDate(2024, 3, 10));
    QVERIFY(scan.complete);
    QCOMPARE(scan.unreadableDates, 2);
    QCOMPARE(scan.lines.size(), 3);
    QVERIFY(scan.lines[2].startsWith(QStringLiteral("V5 ")));
}

void tst_Deadlines::missingArchiveIsCreatedEmpty()
{
    const DeadlineScan scan = scanDeadlines(m_folder, &TSchedaVeicolo::ScadBollo, QDate(2024, 3, 10));
    QVERIFY(scan.complete);
    QVERIFY(scan.lines.isEmpty());
    QVERIFY(QFileInfo(m_archive).isFile());
    QCOMPARE(QFileInfo(m_archive).size(), 0);
}

void tst_Deadlines::archiveThatIsAFolder()
{
    QVERIFY(QDir().mkdir(m_archive));
    const DeadlineScan scan = scanDeadlines(m_folder, &TSchedaVeicolo::ScadBollo, QDate(2024, 3, 10));
    QVERIFY(!scan.complete);
    QVERIFY(scan.lines.isEmpty());
}

void tst_Deadlines::lengthByteBeyondCapacity()
{
    QByteArray bytes = encodeRecord(vehicle(QString(), QStringLiteral("01/03/2024")));
    bytes[0] = char(255); // Tipo holds 50 bytes at most
    bytes.replace(1, 50, QByteArray(50, 'T'));
    bytes[1602] = char(11); // ScadBollo holds 10
    writeFile(m_archive, bytes);

    const DeadlineScan scan = scanDeadlines(m_folder, &TSchedaVeicolo::ScadBollo, QDate(2024, 3, 10));
    QCOMPARE(scan.lines.size(), 1);
    QVERIFY(scan.lines[0].startsWith(QString(20, QLatin1Char('T')) + QStringLiteral("  Fiat")));
    QCOMPARE(scan.lines[0].mid(81, 10), QStringLiteral("01/03/2024"));
}

QTEST_GUILESS_MAIN(tst_Deadlines)
#include "tst_deadlines.moc"

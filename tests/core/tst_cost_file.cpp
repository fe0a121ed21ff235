#include "costs/CostFile.h"
#include "costs/CostLine.h"
#include "costs/CostList.h"

#include "FileTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

using FileTest::readFile;
using FileTest::writeFile;
constexpr int Size = TCostoVeicolo::RecordSize;

TCostoVeicolo entry(const QString& causale, const QString& importo)
{
    return {QStringLiteral("05/03/2024"), causale, QStringLiteral("Ufficio"), QStringLiteral("Officina"), importo};
}

} // namespace

class tst_CostFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void recordLayout();
    void missingFileIsCreatedEmpty();
    void appendOverTrailingFragment();
    void overwriteAtPosition();
    void lengthByteBeyondCapacity();
    void costFileThatIsAFolder();
    void listShowsEveryAmountAndTotalsTheReadable();
    void entryFoundByItsLine();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void tst_CostFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
}

void tst_CostFile::recordLayout()
{
    const QByteArray bytes =
        encodeRecord(TCostoVeicolo{QStringLiteral("05/03/2024"), QStringLiteral("Bollo"), QStringLiteral("Ufficio"),
                                   QStringLiteral("ACI"), QStringLiteral("125,50")});
    QCOMPARE(bytes.size(), 122);
    QCOMPARE(bytes.mid(0, 11), QByteArray("\x0a"
                                          "05/03/2024"));
    QCOMPARE(bytes.mid(11, 6), QByteArray("\x05"
                                          "Bollo"));
    QCOMPARE(bytes.mid(52, 8), QByteArray("\x07"
                                          "Ufficio"));
    QCOMPARE(bytes.mid(79, 4), QByteArray("\x03"
                                          "ACI"));
    QCOMPARE(bytes.mid(106, 7), QByteArray("\x06"
                                           "125,50"));
    QCOMPARE(bytes.mid(113), QByteArray(9, '\0'));
}

void tst_CostFile::missingFileIsCreatedEmpty()
{
    const CostList list = loadCostList(m_folder, 12);
    QVERIFY(list.complete);
    QVERIFY(list.lines.isEmpty());
    QCOMPARE(list.totalText(), QStringLiteral("\u20AC 0,00"));
    QCOMPARE(QFileInfo(m_folder + QStringLiteral("Costi_Veicolo_12.pro")).size(), 0);
}

void tst_CostFile::appendOverTrailingFragment()
{
    const QByteArray before = encodeRecord(entry(QStringLiteral("uno"), QStringLiteral("1,00"))) +
                              encodeRecord(entry(QStringLiteral("due"), QStringLiteral("2,00"))) +
                              QByteArray(50, '\x5a');
    writeFile(m_folder + CostFile::fileName(3), before);

    CostFile file(m_folder, 3);
    QCOMPARE(file.count(), 2);
    QCOMPARE(file.append(entry(QStringLiteral("tre"), QStringLiteral("3,00"))), 3);
    QCOMPARE(file.currentIndex(), 3);
    file.close();

    const QByteArray after = readFile(m_folder + QStringLiteral("Costi_Veicolo_3.pro"));
    QCOMPARE(after.size(), 3 * Size);
    QCOMPARE(after.left(244), before.left(244));
    QCOMPARE(after.mid(244), encodeRecord(entry(QStringLiteral("tre"), QStringLiteral("3,00"))));
}

void tst_CostFile::overwriteAtPosition()
{
    {
        CostFile file(m_folder, 1);
        for (int i = 1; i <= 3; ++i)
            file.append(entry(QString::number(i), QStringLiteral("1,00")));
        file.overwriteAtPosition(2, entry(QStringLiteral("cambiato"), QStringLiteral("9,00")));
        QCOMPARE(file.currentIndex(), 2);
        QVERIFY_THROWS_EXCEPTION(FileAccessError, file.overwriteAtPosition(4, entry(QString(), QString())));
        QVERIFY_THROWS_EXCEPTION(FileAccessError, file.overwriteAtPosition(0, entry(QString(), QString())));
        file.close();
    }
    CostFile file(m_folder, 1);
    QCOMPARE(file.readNext().Causale, QStringLiteral("1"));
    QCOMPARE(file.readNext(), entry(QStringLiteral("cambiato"), QStringLiteral("9,00")));
    QCOMPARE(file.readNext().Causale, QStringLiteral("3"));
}

void tst_CostFile::lengthByteBeyondCapacity()
{
    QByteArray bytes = encodeRecord(entry(QStringLiteral("x"), QString()));
    bytes[106] = char(200); // Importo holds 15 bytes at most
    bytes.replace(107, 15, "1234567890,1234");
    writeFile(m_folder + CostFile::fileName(1), bytes);

    CostFile file(m_folder, 1);
    QCOMPARE(file.readNext().Importo, QStringLiteral("1234567890,1234"));
}

void tst_CostFile::costFileThatIsAFolder()
{
    QVERIFY(QDir().mkdir(m_folder + CostFile::fileName(4)));
    QVERIFY_THROWS_EXCEPTION(FileAccessError, CostFile(m_folder, 4));
    const CostList list = loadCostList(m_folder, 4);
    QVERIFY(!list.complete);
    QVERIFY(list.lines.isEmpty());
}

void tst_CostFile::listShowsEveryAmountAndTotalsTheReadable()
{
    // Amounts written by other means: none stops the list, and the readable ones are totalled.
    const QStringList amounts = {QStringLiteral("10,00"), QStringLiteral("abc"),  QString(),
                                 QStringLiteral("1e400"), QStringLiteral("5,50"), QStringLiteral("-3,2")};
    QByteArray bytes;
    for (const QString& amount : amounts)
        bytes += encodeRecord(entry(QStringLiteral("voce"), amount));
    writeFile(m_folder + CostFile::fileName(2), bytes + QByteArray(30, '\x01'));

    const CostList list = loadCostList(m_folder, 2);
    QVERIFY(list.complete);
    QStringList expected;
    for (const QString& amount : amounts) {
        if (!amount.isEmpty())
            expected << CostLine::build(entry(QStringLiteral("voce"), amount));
    }
    QCOMPARE(list.lines, expected);
    QCOMPARE(list.unreadableAmounts, 2);
    QCOMPARE(list.totalText(), QStringLiteral("\u20AC 12,30"));
}

void tst_CostFile::entryFoundByItsLine()
{
    // Two entries with identical fields give identical lines: the later one is found.
    const TCostoVeicolo twin = entry(QStringLiteral("Tagliando"), QStringLiteral("90,00"));
    const TCostoVeicolo other = entry(QStringLiteral("Bollo"), QStringLiteral("120,00"));
    QByteArray bytes = encodeRecord(twin) + encodeRecord(other) + encodeRecord(twin);
    QByteArray blanked = encodeRecord(twin);
    blanked.replace(106, 16, QByteArray(16, '\0')); // no amount: not listed, still in place
    writeFile(m_folder + CostFile::fileName(5), bytes + blanked);

    CostEntryFound found = findCostEntryByLine(m_folder, 5, CostLine::build(twin) + QStringLiteral("  "));
    QCOMPARE(found.position, 3);
    QCOMPARE(found.entry, twin);
    QCOMPARE(findCostEntryByLine(m_folder, 5, CostLine::build(other)).position, 2);
    QCOMPARE(findCostEntryByLine(m_folder, 5, QStringLiteral("nessuna")).position, 0);

    QVERIFY(QDir().mkdir(m_folder + CostFile::fileName(6)));
    QVERIFY_THROWS_EXCEPTION(FileAccessError, findCostEntryByLine(m_folder, 6, CostLine::build(twin)));
}

QTEST_GUILESS_MAIN(tst_CostFile)
#include "tst_cost_file.moc"

#include "archive/VehicleArchive.h"
#include "search/SearchLine.h"
#include "search/VehicleSearch.h"

#include "FileTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using VehicleSearch::Criteria;

namespace {

using FileTest::writeFile;
// Criteria boxes, in table order: Tipo, Destinazione, Marca, Modello, Targa, Stato,
// Autista, Meccanico, Proprietario, Note.
enum Box { Tipo, Destinazione, Marca, Modello, Targa, Stato, Autista, Meccanico, Proprietario, Note };

Criteria criteria(std::initializer_list<std::pair<Box, const char*>> given)
{
    Criteria result;
    for (const auto& [box, text] : given)
        result[box] = QString::fromUtf8(text);
    return result;
}

TSchedaVeicolo vehicle(const char* tipo, const char* marca, const char* modello, const char* targa,
                       const char* stato = "")
{
    TSchedaVeicolo record;
    record.Tipo = QString::fromUtf8(tipo);
    record.Marca = QString::fromUtf8(marca);
    record.Modello = QString::fromUtf8(modello);
    record.Targa = QString::fromUtf8(targa);
    record.Stato = QString::fromUtf8(stato);
    record.Proprietario = QStringLiteral("Comune");
    record.Chilometri = QStringLiteral("1000");
    return record;
}

} // namespace

Q_DECLARE_METATYPE(Criteria)

class tst_Search : public QObject {
    Q_OBJECT

private slots:
    void init();
    void score_data();
    void score();
    void searchListsSorted_data();
    void searchListsSorted();
    void archiveFailure();
    void recallTakesTheLastMatch();

private:
    void writeArchive(const QList<TSchedaVeicolo>& vehicles);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void tst_Search::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
}

void tst_Search::writeArchive(const QList<TSchedaVeicolo>& vehicles)
{
    QByteArray bytes;
    for (const TSchedaVeicolo& record : vehicles)
        bytes += encodeRecord(record);
    writeFile(m_folder + VehicleArchive::fileName(), bytes);
}

void tst_Search::score_data()
{
    QTest::addColumn<Criteria>("given");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("score");

    QTest::newRow("none") << Criteria() << 0 << 0;
    QTest::newRow("folded A to Z") << criteria({{Marca, "FIAT"}, {Targa, "ab"}}) << 2 << 2;
    QTest::newRow("part of a word") << criteria({{Modello, "rande p"}}) << 1 << 1;
    QTest::newRow("untrimmed, blank not found") << criteria({{Marca, "fiat "}}) << 1 << 0;
    QTest::newRow("untrimmed, blank found") << criteria({{Modello, "grande "}}) << 1 << 1;
    QTest::newRow("blank alone scores, not counted") << criteria({{Modello, " "}}) << 0 << 1;
    QTest::newRow("blanks alone not found") << criteria({{Marca, "  "}}) << 0 << 0;
    QTest::newRow("tab alone not counted") << criteria({{Note, "\t"}}) << 0 << 0;
    QTest::newRow("accent exact") << criteria({{Stato, "è"}}) << 1 << 1;
    QTest::newRow("accent not folded") << criteria({{Stato, "È"}}) << 1 << 0;
    QTest::newRow("wrong field") << criteria({{Tipo, "fiat"}}) << 1 << 0;
}

void tst_Search::score()
{
    QFETCH(Criteria, given);
    QFETCH(int, n);
    QFETCH(int, score);

    const TSchedaVeicolo record = vehicle("Autovettura", "Fiat", "Grande Punto", "AB123CD", "Usato è buono");
    const VehicleSearch::Matcher matcher(given);
    QCOMPARE(VehicleSearch::givenCount(given), n);
    QCOMPARE(matcher.given(), n);
    QCOMPARE(matcher.score(record), score);
    QCOMPARE(matcher.matches(encodeRecord(record)), score >= n);
}

void tst_Search::searchListsSorted_data()
{
    QTest::addColumn<Criteria>("given");
    QTest::addColumn<QList<int>>("expected"); // indexes of the vehicles below, in list order

    QTest::newRow("no criteria: all, sorted") << Criteria() << QList<int>{3, 1, 0, 2};
    QTest::newRow("make and plate") << criteria({{Marca, "fiat"}, {Targa, "ab"}}) << QList<int>{1, 0};
    QTest::newRow("blank alone lists all") << criteria({{Tipo, " "}}) << QList<int>{3, 1, 0, 2};
    QTest::newRow("one criterion missing") << criteria({{Marca, "fiat"}, {Targa, "zz"}}) << QList<int>{};
}

void tst_Search::searchListsSorted()
{
    QFETCH(Criteria, given);
    QFETCH(QList<int>, expected);

    const QList<TSchedaVeicolo> vehicles = {
        vehicle("furgone", "Fiat", "Ducato", "AB111AA"),
        vehicle("Auto", "Fiat", "Panda", "CD222AB"),
        vehicle("furgone", "Iveco", "Daily", "EF333CC"),
        vehicle("Auto", "Alfa Romeo", "Giulia", "GH444DD"),
    };
    writeArchive(vehicles);

    const VehicleSearch::Result result = VehicleSearch::search(m_folder, given);
    QVERIFY(!result.failed);
    QStringList lines;
    for (int index : expected)
        lines << SearchLine::build(vehicles[index]);
    QCOMPARE(result.lines, lines);
}

void tst_Search::archiveFailure()
{
    // A missing archive is created empty and gives no lines.
    VehicleSearch::Result result = VehicleSearch::search(m_folder, Criteria());
    QVERIFY(!result.failed);
    QVERIFY(result.lines.isEmpty());
    QCOMPARE(QFileInfo(m_folder + VehicleArchive::fileName()).size(), 0);

    // An archive that is a folder fails with a reason.
    const QString other = m_folder + QStringLiteral("altro/");
    QVERIFY(QDir().mkpath(other + VehicleArchive::fileName()));
    result = VehicleSearch::search(other, Criteria());
    QVERIFY(result.failed);
    QVERIFY(!result.error.isEmpty());
    QVERIFY_THROWS_EXCEPTION(FileAccessError, VehicleSearch::recall(other, QStringLiteral("x")));
}

void tst_Search::recallTakesTheLastMatch()
{
    TSchedaVeicolo first = vehicle("Auto", "Fiat", "Panda", "CD222AB");
    first.Note = QStringLiteral("prima");
    TSchedaVeicolo second = first;
    second.Note = QStringLiteral("seconda");
    // A Tipo of 25 shows only its first 20 characters but is found all the same.
    const TSchedaVeicolo longType = vehicle("Autoveicolo per uso spe", "Fiat", "Doblo", "XY999ZZ");
    writeArchive({first, longType, second, vehicle("furgone", "Iveco", "Daily", "EF333CC")});

    VehicleSearch::Recalled recalled = VehicleSearch::recall(m_folder, SearchLine::build(first));
    QCOMPARE(recalled.position, 3);
    QCOMPARE(recalled.vehicle, second);

    recalled = VehicleSearch::recall(m_folder, SearchLine::build(longType) + QStringLiteral("  "));
    QCOMPARE(recalled.position, 2);
    QCOMPARE(recalled.vehicle, longType);

    QCOMPARE(VehicleSearch::recall(m_folder, QStringLiteral("nessuna")).position, 0);
}

QTEST_GUILESS_MAIN(tst_Search)
#include "tst_search.moc"

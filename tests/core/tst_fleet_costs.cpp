// The fleet's cost analysis: every vehicle ranked by its total, a missing cost file as no
// costs, an unreadable one named and left out, a fragment tail ignored, the latest readable
// date, and one year at a time.
#include "analysis/AnalysisTables.h"
#include "analysis/FleetCosts.h"
#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Cost {
    const char *date, *cause, *amount;
};

class Fleet {
public:
    Fleet() { m_folder = m_dir.path() + QLatin1Char('/'); }
    const QString& folder() const { return m_folder; }

    // One vehicle per plate, in archive order.
    void vehicles(const QStringList& plates) const
    {
        VehicleArchive archive(m_folder);
        for (const QString& plate : plates) {
            TSchedaVeicolo v;
            v.Tipo = QStringLiteral("Autocarro");
            v.Marca = QStringLiteral("Iveco");
            v.Modello = QStringLiteral("Daily");
            v.Targa = plate;
            archive.append(v);
        }
        archive.close();
    }
    void costs(int position, const QList<Cost>& entries) const
    {
        CostFile file(m_folder, position);
        for (const Cost& cost : entries)
            file.append({QString::fromUtf8(cost.date), QString::fromUtf8(cost.cause), QStringLiteral("Ufficio"),
                         QStringLiteral("Officina"), QString::fromUtf8(cost.amount)});
        file.close();
    }
    // A folder in place of the cost file: it exists, and no read of it succeeds.
    void unreadableCosts(int position) const { QVERIFY(QDir().mkdir(m_folder + CostFile::fileName(position))); }

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

QStringList column(const AnalysisTable& table, int c)
{
    QStringList texts;
    for (const QStringList& row : table.rows)
        texts.append(row.value(c));
    return texts;
}

} // namespace

class tst_FleetCosts : public QObject {
    Q_OBJECT

private slots:
    void rankedByTotal();
    void unreadableFilesNamedAndLeftOut_data();
    void unreadableFilesNamedAndLeftOut();
    void oneYearAtATime();
    void unreadableArchive();
};

// Largest first, ties in archive order; a vehicle without a cost file is listed at zero.
void tst_FleetCosts::rankedByTotal()
{
    Fleet fleet;
    fleet.vehicles(
        {QStringLiteral("AA111AA"), QStringLiteral("BB222BB"), QStringLiteral("CC333CC"), QStringLiteral("DD444DD")});
    fleet.costs(1, {{"10/01/2026", "Tagliando", "100,00"}, {"ieri", "Multa", "50,00"}});
    fleet.costs(2, {{"01/02/2025", "Bollo", "189,00"}, {"03/03/2026", "Bollo", "dieci"}, {"31/02/2026", "x", "1,00"}});
    fleet.costs(4, {{"05/05/2024", "Tagliando", "150,00"}});
    {
        // A fragment of an entry at the end of a cost file is no entry.
        QFile file(fleet.folder() + CostFile::fileName(4));
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(40, 'x'));
    }

    const FleetCosts costs = readFleetCosts(fleet.folder());
    QVERIFY(costs.archiveRead);
    const FleetAnalysis analysis = analyseFleet(costs);
    const AnalysisTable table = AnalysisTables::byVehicle(costs, analysis);
    QCOMPARE(table.headers,
             (QStringList{QStringLiteral("N."), QStringLiteral("Targa"), QStringLiteral("Veicolo"),
                          QStringLiteral("Totale"), QStringLiteral("N. voci"), QStringLiteral("Ultima spesa")}));
    QCOMPARE(column(table, 0), (QStringList{u"2"_s, u"1"_s, u"4"_s, u"3"_s}));
    QCOMPARE(column(table, 2).first(), QStringLiteral("Iveco Daily"));
    QCOMPARE(column(table, 3), (QStringList{QStringLiteral("€ 190,00"), QStringLiteral("€ 150,00"),
                                            QStringLiteral("€ 150,00"), QStringLiteral("€ 0,00")}));
    QCOMPARE(column(table, 4), (QStringList{u"3"_s, u"2"_s, u"1"_s, u"0"_s}));
    // The latest date that reads: 31/02/2026 does not, so 03/03/2026.
    QCOMPARE(column(table, 5), (QStringList{u"03/03/2026"_s, u"10/01/2026"_s, u"05/05/2024"_s, u""_s}));
    QCOMPARE(analysis.analysis.total.text(), QStringLiteral("490,00"));
    QCOMPARE(analysis.analysis.causes.front().cause, QStringLiteral("Tagliando"));
    QCOMPARE(AnalysisTables::fleetTotals(costs, analysis),
             QStringLiteral("Totale: € 490,00   N. voci: 6   Importi non leggibili: 1"));

    // Closing the window stops the reading: nothing half-read is kept.
    const FleetCosts stopped = readFleetCosts(fleet.folder(), {}, [] { return true; });
    QVERIFY(stopped.cancelled);
    QVERIFY(stopped.entries.empty());
}

void tst_FleetCosts::unreadableFilesNamedAndLeftOut_data()
{
    QTest::addColumn<QList<int>>("unreadable");
    QTest::addColumn<QString>("named");
    QTest::newRow("one") << QList<int>{2} << QStringLiteral("   File dei costi non leggibili: N. 2 (P2)");
    QTest::newRow("five, three named")
        << QList<int>{1, 2, 4, 5, 6}
        << QStringLiteral("   File dei costi non leggibili: N. 1 (P1), N. 2 (P2), N. 4 (P4) e altri 2");
}

void tst_FleetCosts::unreadableFilesNamedAndLeftOut()
{
    QFETCH(QList<int>, unreadable);
    QFETCH(QString, named);

    Fleet fleet;
    fleet.vehicles({u"P1"_s, u"P2"_s, u"P3"_s, u"P4"_s, u"P5"_s, u"P6"_s});
    fleet.costs(3, {{"01/01/2026", "Gomme", "300,00"}});
    for (const int position : unreadable)
        fleet.unreadableCosts(position);

    const FleetCosts costs = readFleetCosts(fleet.folder());
    const FleetAnalysis analysis = analyseFleet(costs);
    QCOMPARE(analysis.ranking.size(), std::size_t(6 - unreadable.size()));
    for (const FleetAnalysis::Ranked& ranked : analysis.ranking)
        QVERIFY(!unreadable.contains(costs.vehicles[static_cast<std::size_t>(ranked.vehicle)].position));
    QCOMPARE(AnalysisTables::fleetTotals(costs, analysis),
             QStringLiteral("Totale: € 300,00   N. voci: 1   Importi non leggibili: 0") + named);
}

// A year counts only its dated entries; every year together counts the undated ones too.
void tst_FleetCosts::oneYearAtATime()
{
    Fleet fleet;
    fleet.vehicles({u"P1"_s, u"P2"_s});
    fleet.costs(1,
                {{"10/01/2026", "Tagliando", "100,00"}, {"2026", "Bollo", "20,00"}, {"01/06/2024", "Bollo", "5,00"}});
    fleet.costs(2, {{"01/02/2025", "Bollo", "189,00"}, {"20/12/2026", "Gomme", "400,00"}});

    const FleetCosts costs = readFleetCosts(fleet.folder());
    QCOMPARE(costs.years(), (QList<int>{2026, 2025, 2024}));
    const FleetAnalysis in2026 = analyseFleet(costs, 2026);
    QCOMPARE(column(AnalysisTables::byVehicle(costs, in2026), 0), (QStringList{u"2"_s, u"1"_s}));
    QCOMPARE(column(AnalysisTables::byVehicle(costs, in2026), 3),
             (QStringList{QStringLiteral("€ 400,00"), QStringLiteral("€ 100,00")}));
    QCOMPARE(in2026.analysis.years.size(), std::size_t(1));
    QCOMPARE(in2026.analysis.total.text(), QStringLiteral("500,00"));
    const FleetAnalysis all = analyseFleet(costs);
    QCOMPARE(all.analysis.total.text(), QStringLiteral("714,00"));
    QCOMPARE(all.analysis.years.back().year, QStringLiteral("Senza data"));
}

void tst_FleetCosts::unreadableArchive()
{
    Fleet fleet;
    QVERIFY(QDir().mkdir(fleet.folder() + VehicleArchive::fileName()));
    const FleetCosts costs = readFleetCosts(fleet.folder());
    QVERIFY(!costs.archiveRead);
    QVERIFY(analyseFleet(costs).ranking.empty());
}

QTEST_GUILESS_MAIN(tst_FleetCosts)
#include "tst_fleet_costs.moc"

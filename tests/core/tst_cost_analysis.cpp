// The cost analysis: exact totals, years read leniently with "Senza data", causes grouped
// by their blanks and case under the most frequent spelling, and the chart's stacks.
#include "analysis/CostAnalysis.h"

#include <QTest>

namespace {

TCostoVeicolo entry(const char* date, const char* cause, const char* amount)
{
    TCostoVeicolo cost;
    cost.Data = QString::fromUtf8(date);
    cost.Causale = QString::fromUtf8(cause);
    cost.Importo = QString::fromUtf8(amount);
    return cost;
}

CostAnalysis analyse(const QList<TCostoVeicolo>& entries)
{
    CostAnalyser analyser;
    for (const TCostoVeicolo& cost : entries)
        analyser.add(cost);
    return analyser.result();
}

} // namespace

class tst_CostAnalysis : public QObject {
    Q_OBJECT

private slots:
    void years_data();
    void years();
    void yearOrder();
    void causeKeys_data();
    void causeKeys();
    void causesGrouped();
    void chartStacks();
    void exactTotal();
};

void tst_CostAnalysis::years_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("year");

    QTest::newRow("card's format") << QStringLiteral("12/03/2026") << QStringLiteral("2026");
    QTest::newRow("short, two-digit year") << QStringLiteral("1/2/24") << QStringLiteral("2024");
    QTest::newRow("year alone") << QStringLiteral("2026") << CostAnalysis::undated();
    QTest::newRow("words") << QStringLiteral("ieri") << CostAnalysis::undated();
    QTest::newRow("no such day") << QStringLiteral("31/02/2026") << CostAnalysis::undated();
    QTest::newRow("empty") << QString() << CostAnalysis::undated();
}

void tst_CostAnalysis::years()
{
    QFETCH(QString, date);
    QFETCH(QString, year);

    const CostAnalysis analysis = analyse({entry(date.toUtf8().constData(), "Bollo", "1,50")});
    QCOMPARE(analysis.years.size(), size_t(1));
    QCOMPARE(analysis.years[0].year, year);
    QCOMPARE(analysis.years[0].sum.text(), QStringLiteral("1,50"));
}

void tst_CostAnalysis::yearOrder()
{
    const CostAnalysis analysis = analyse({entry("ieri", "Bollo", "1,00"), entry("05/05/2026", "Bollo", "2,00"),
                                           entry("05/05/2024", "Bollo", "3,00"), entry("06/06/2026", "Bollo", "4,00")});
    QStringList order;
    for (const CostAnalysis::Year& row : analysis.years)
        order << row.year + QLatin1Char('=') + row.sum.text();
    QCOMPARE(order, (QStringList{QStringLiteral("2024=3,00"), QStringLiteral("2026=6,00"),
                                 CostAnalysis::undated() + QStringLiteral("=1,00")}));
}

void tst_CostAnalysis::causeKeys_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");

    QTest::newRow("case") << QStringLiteral("Cambio Olio") << QStringLiteral("cambio olio") << true;
    QTest::newRow("outer blanks") << QStringLiteral("  Bollo\t") << QStringLiteral("Bollo") << true;
    QTest::newRow("inner runs") << QStringLiteral("Cambio   olio") << QStringLiteral("Cambio olio") << true;
    QTest::newRow("accented case") << QStringLiteral("RIPARAZIONE CARROZZERIA È")
                                   << QStringLiteral("riparazione carrozzeria è") << true;
    QTest::newRow("different words") << QStringLiteral("Cambio olio") << QStringLiteral("Cambio gomme") << false;
    QTest::newRow("blank inside a word") << QStringLiteral("Bol lo") << QStringLiteral("Bollo") << false;
}

void tst_CostAnalysis::causeKeys()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(CostAnalyser::causeKey(a) == CostAnalyser::causeKey(b), same);
}

void tst_CostAnalysis::causesGrouped()
{
    const CostAnalysis analysis = analyse({
        entry("01/01/2026", "cambio olio", "50,00"), entry("01/02/2026", "Cambio  Olio", "50,00"),
        entry("01/03/2026", " Cambio Olio ", "50,00"), entry("01/04/2026", "Cambio Olio", "50,00"),
        entry("01/05/2026", "Bollo", "250,00"),
        entry("01/06/2026", "                                        ", "25,00"), entry("01/07/2026", "", "25,00"),
        entry("01/08/2026", "Lavaggio", "dieci"), entry("01/09/2026", "Multa", ""), // no amount: no entry
    });
    QCOMPARE(analysis.causes.size(), size_t(4));
    QCOMPARE(analysis.causes[0].cause, QStringLiteral("Bollo"));
    QCOMPARE(analysis.causes[0].sum.text(), QStringLiteral("250,00"));
    QCOMPARE(analysis.causes[0].percent, 50.0);
    // The spelling of two entries beats those of one each.
    QCOMPARE(analysis.causes[1].cause, QStringLiteral("Cambio Olio"));
    QCOMPARE(analysis.causes[1].sum.text(), QStringLiteral("200,00"));
    QCOMPARE(analysis.causes[2].cause, CostAnalysis::noCause());
    QCOMPARE(analysis.causes[2].sum.entries, 2);
    QCOMPARE(analysis.causes[3].cause, QStringLiteral("Lavaggio"));
    QCOMPARE(analysis.causes[3].sum.unreadable, 1);

    QCOMPARE(analysis.total.text(), QStringLiteral("500,00"));
    QCOMPARE(analysis.total.entries, 7);
    QCOMPARE(analysis.total.unreadable, 1);
    QCOMPARE(analysis.years.size(), size_t(1));
    QCOMPARE(analysis.years[0].count(), 8);
}

void tst_CostAnalysis::chartStacks()
{
    QList<TCostoVeicolo> entries;
    const char* causes[] = {"A", "B", "C", "D", "E", "F", "G"};
    for (int i = 0; i < 7; ++i) {
        const QByteArray amount = QByteArray::number(70 - i * 10) + ",00";
        entries << entry("01/01/2025", causes[i], amount.constData()) << entry("01/01/2026", causes[i], "1,00");
    }
    const CostAnalysis analysis = analyse(entries);
    QCOMPARE(analysis.stackNames, (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                               QStringLiteral("D"), QStringLiteral("E"), CostAnalysis::otherCauses()}));
    QCOMPARE(analysis.stacks.size(), size_t(2));
    // F and G go together under "Altre".
    QCOMPARE(analysis.stacks[0], (std::vector<qint64>{7000, 6000, 5000, 4000, 3000, 3000}));
    QCOMPARE(analysis.stacks[1], (std::vector<qint64>{100, 100, 100, 100, 100, 200}));
}

void tst_CostAnalysis::exactTotal()
{
    CostAnalyser analyser;
    for (int i = 0; i < 10000; ++i)
        analyser.add(entry("01/01/2026", "Pedaggio", "0,10"));
    const CostAnalysis analysis = analyser.result();
    QCOMPARE(analysis.total.text(), QStringLiteral("1000,00"));
    QCOMPARE(analysis.years[0].sum.text(), QStringLiteral("1000,00"));
    QCOMPARE(analysis.causes[0].sum.text(), QStringLiteral("1000,00"));
}

QTEST_GUILESS_MAIN(tst_CostAnalysis)
#include "tst_cost_analysis.moc"

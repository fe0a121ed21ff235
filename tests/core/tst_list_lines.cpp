#include "costs/CostLine.h"
#include "deadlines/DeadlineLine.h"
#include "lists/LineOrder.h"
#include "lists/ListFinder.h"
#include "lists/StoredLine.h"
#include "search/SearchLine.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

namespace {
QString repeated(char c, int count)
{
    return QString(count, QLatin1Char(c));
}

TSchedaVeicolo vehicle(const QString& tipo, const QString& marca, const QString& modello, const QString& targa,
                       const QString& proprietario)
{
    TSchedaVeicolo record;
    record.Tipo = tipo;
    record.Marca = marca;
    record.Modello = modello;
    record.Targa = targa;
    record.Proprietario = proprietario;
    record.Anno = QStringLiteral("2019");
    record.Chilometri = QStringLiteral("120000");
    record.ScadBollo = QStringLiteral("17/03/2024");
    return record;
}
} // namespace

class tst_ListLines : public QObject {
    Q_OBJECT

private slots:
    void searchLine_data();
    void searchLine();
    void deadlineLine_data();
    void deadlineLine();
    void costLine_data();
    void costLine();
    void linesFromStoredBytes_data();
    void linesFromStoredBytes();
    void ordering_data();
    void ordering();
    void sortingPutsEveryLineInOrder();
    void sortingAgreesWithTheOrder();
    void finder_data();
    void finder();
    void finderRemembersTheLastText();
};

void tst_ListLines::searchLine_data()
{
    QTest::addColumn<TSchedaVeicolo>("record");
    QTest::addColumn<QString>("expected");

    const QString typical = QStringLiteral("Autovettura         ") + QStringLiteral("  ") +
                            QStringLiteral("Fiat Panda                    ") + QStringLiteral("  Targa: ") +
                            QStringLiteral("AB123CD     ") + QStringLiteral("  Titolare: ") +
                            QStringLiteral("Comune di Prato               ") + QStringLiteral("  Anno: ") +
                            QStringLiteral("2019      ") + QStringLiteral("  Km: 120000");
    QTest::newRow("typical") << vehicle(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"),
                                        QStringLiteral("AB123CD"), QStringLiteral("Comune di Prato"))
                             << typical;

    // Tipo of 25 cut to 20; make and model of 36 cut to 30; owner of 40 cut to 30.
    const QString cut = repeated('T', 20) + QStringLiteral("  ") + repeated('M', 20) + QLatin1Char(' ') +
                        repeated('m', 9) + QStringLiteral("  Targa: ") + repeated('X', 12) +
                        QStringLiteral("  Titolare: ") + repeated('P', 30) + QStringLiteral("  Anno: 2019      ") +
                        QStringLiteral("  Km: 120000");
    QTest::newRow("cut at every width") << vehicle(repeated('T', 25), repeated('M', 20), repeated('m', 15),
                                                   repeated('X', 12), repeated('P', 40))
                                        << cut;

    // Both empty: a blank and 29 more.
    const QString empty = repeated(' ', 20) + QStringLiteral("  ") + repeated(' ', 30) + QStringLiteral("  Targa: ") +
                          repeated(' ', 12) + QStringLiteral("  Titolare: ") + repeated(' ', 30) +
                          QStringLiteral("  Anno: 2019      ") + QStringLiteral("  Km: 120000");
    QTest::newRow("empty make and model") << vehicle(QString(), QString(), QString(), QString(), QString()) << empty;

    // A make of exactly 30 leaves no room for the blank or the model.
    const QString fullMake = repeated(' ', 20) + QStringLiteral("  ") + repeated('M', 30) +
                             QStringLiteral("  Targa: ") + repeated(' ', 12) + QStringLiteral("  Titolare: ") +
                             repeated(' ', 30) + QStringLiteral("  Anno: 2019      ") + QStringLiteral("  Km: 120000");
    QTest::newRow("make fills the column")
        << vehicle(QString(), repeated('M', 30), QStringLiteral("Panda"), QString(), QString()) << fullMake;
}

void tst_ListLines::searchLine()
{
    QFETCH(TSchedaVeicolo, record);
    QFETCH(QString, expected);

    const QString line = SearchLine::build(record);
    QCOMPARE(line, expected);
    QCOMPARE(line.indexOf(QStringLiteral("120000")), 139);
}

void tst_ListLines::deadlineLine_data()
{
    QTest::addColumn<TSchedaVeicolo>("record");
    QTest::addColumn<QString>("expected");

    TSchedaVeicolo typical = vehicle(QStringLiteral("Autocarro"), QStringLiteral("Iveco"), QStringLiteral("Daily"),
                                     QStringLiteral("ZA987BC"), QStringLiteral("Rossi Trasporti"));
    QTest::newRow("typical") << typical
                             << QStringLiteral("Autocarro           ") + QStringLiteral("  ") +
                                    QStringLiteral("Iveco Daily                   ") + QStringLiteral("  Targa: ") +
                                    QStringLiteral("ZA987BC     ") + QStringLiteral("  Scad. 17/03/2024") +
                                    QStringLiteral("  Km: 120000    ") + QStringLiteral("  Titolare: Rossi Trasporti");

    // A plate of 12 gets no blank; kilometres of 14 are cut to 10; an owner of 60 stays whole.
    TSchedaVeicolo full = vehicle(repeated('T', 21), QString(), QString(), repeated('X', 12), repeated('P', 60));
    full.Chilometri = repeated('9', 14);
    QTest::newRow("full widths") << full
                                 << repeated('T', 20) + QStringLiteral("  ") + repeated(' ', 30) +
                                        QStringLiteral("  Targa: ") + repeated('X', 12) +
                                        QStringLiteral("  Scad. 17/03/2024") + QStringLiteral("  Km: ") +
                                        repeated('9', 10) + QStringLiteral("  Titolare: ") + repeated('P', 60);
}

void tst_ListLines::deadlineLine()
{
    QFETCH(TSchedaVeicolo, record);
    QFETCH(QString, expected);

    const QString line = DeadlineLine::build(record, &TSchedaVeicolo::ScadBollo);
    QCOMPARE(line, expected);
    QCOMPARE(line.indexOf(record.Proprietario) + 1, 120); // counting from 1
    // Another deadline field fills the same column.
    record.ScadRevisione = QStringLiteral("01/01/2020");
    QCOMPARE(DeadlineLine::build(record, &TSchedaVeicolo::ScadRevisione).mid(81, 10), QStringLiteral("01/01/2020"));
}

void tst_ListLines::costLine_data()
{
    QTest::addColumn<TCostoVeicolo>("entry");
    QTest::addColumn<QString>("expected");

    QTest::newRow("typical") << TCostoVeicolo{QStringLiteral("05/03/2024"), QStringLiteral("Cambio olio"),
                                              QStringLiteral("Ufficio"), QStringLiteral("Officina Neri"),
                                              QStringLiteral("125,50")}
                             << QStringLiteral("Data: 05/03/2024") + QStringLiteral("   Da: Ufficio") +
                                    repeated(' ', 19) + QStringLiteral("   A: Officina Neri") + repeated(' ', 13) +
                                    QStringLiteral("  Causale: Cambio olio") + repeated(' ', 29) +
                                    QStringLiteral("  Costo: \u20AC 125,50");
    QTest::newRow("full widths") << TCostoVeicolo{repeated('D', 10), repeated('C', 40), repeated('P', 26),
                                                  repeated('B', 26), repeated('9', 15)}
                                 << QStringLiteral("Data: ") + repeated('D', 10) + QStringLiteral("   Da: ") +
                                        repeated('P', 26) + QStringLiteral("   A: ") + repeated('B', 26) +
                                        QStringLiteral("  Causale: ") + repeated('C', 40) +
                                        QStringLiteral("  Costo: \u20AC ") + repeated('9', 15);
}

void tst_ListLines::costLine()
{
    QFETCH(TCostoVeicolo, entry);
    QFETCH(QString, expected);

    const QString line = CostLine::build(entry);
    QCOMPARE(line, expected);
    QCOMPARE(line.size(), 143 + entry.Importo.size());
}

void tst_ListLines::linesFromStoredBytes_data()
{
    QTest::addColumn<QByteArray>("record");

    const TSchedaVeicolo typical =
        vehicle(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"),
                QStringLiteral("AB123CD"), QStringLiteral("Comune di Prato"));
    QTest::newRow("typical") << encodeRecord(typical);
    QTest::newRow("long fields") << encodeRecord(
        vehicle(repeated('T', 50), repeated('M', 29), repeated('m', 50), repeated('X', 12), repeated('P', 50)));
    QTest::newRow("empty") << encodeRecord(TSchedaVeicolo());
    QTest::newRow("code page") << encodeRecord(vehicle(QStringLiteral("€ Œuvre è"), QStringLiteral("“Citroën”"),
                                                       QString(), QStringLiteral("Ž"), QStringLiteral("É ™")));
    // Written by another program: blanks and control bytes kept around the text, remains
    // after it, and a length byte beyond the capacity.
    QByteArray foreign = encodeRecord(typical);
    foreign.replace(0, 16, QByteArray("\x0f\t  Autocarro \r\n", 16));
    foreign.replace(102, 7,
                    QByteArray("\x02"
                               "FiatXX",
                               7));
    foreign[153] = char(0xff);
    foreign.replace(154, 50, QByteArray(49, 'Z').append(' '));
    QTest::newRow("foreign") << foreign;
}

void tst_ListLines::linesFromStoredBytes()
{
    QFETCH(QByteArray, record);

    const TSchedaVeicolo decoded = decodeRecord<TSchedaVeicolo>(record);
    QCOMPARE(StoredLineBuilder<TSchedaVeicolo>(SearchLine::Segments).build(record), SearchLine::build(decoded));
    const auto deadline = DeadlineLine::segmentsFor(&TSchedaVeicolo::ScadBollo);
    QCOMPARE(StoredLineBuilder<TSchedaVeicolo>(deadline).build(record),
             DeadlineLine::build(decoded, &TSchedaVeicolo::ScadBollo));
}

void tst_ListLines::ordering_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");

    QTest::newRow("auto and AUTO are equal") << QStringLiteral("auto") << QStringLiteral("AUTO") << 0;
    QTest::newRow("Auto before furgone") << QStringLiteral("Auto") << QStringLiteral("furgone") << -1;
    QTest::newRow("prefix first") << QStringLiteral("Auto") << QStringLiteral("Autocarro") << -1;
    QTest::newRow("folded prefix first") << QStringLiteral("AUTO") << QStringLiteral("autocarro") << -1;
    QTest::newRow("empty first") << QString() << QStringLiteral("A") << -1;
    // Folded to upper case, z comes after the underscore as Z does not.
    QTest::newRow("z after underscore") << QStringLiteral("z") << QStringLiteral("_") << -1;
    QTest::newRow("blank before letters") << QStringLiteral("Fiat Uno") << QStringLiteral("FiatUno") << -1;
    QTest::newRow("accents by code") << QStringLiteral("\u00e8") << QStringLiteral("\u00c8") << 1;
    QTest::newRow("accent after z") << QStringLiteral("z") << QStringLiteral("\u00e0") << -1;
    QTest::newRow("differ after four") << QStringLiteral("AutoB") << QStringLiteral("autoa") << 1;
}

void tst_ListLines::ordering()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);

    QCOMPARE(LineOrder::compare(a, b), expected);
    QCOMPARE(LineOrder::compare(b, a), -expected);
}

void tst_ListLines::sortingPutsEveryLineInOrder()
{
    QStringList lines = {QStringLiteral("furgone"),
                         QStringLiteral("Autocarro"),
                         QStringLiteral("AUTO b"),
                         QStringLiteral("_x"),
                         QStringLiteral("Auto"),
                         QStringLiteral("auto a"),
                         QString(),
                         QStringLiteral("Aut"),
                         QStringLiteral("\u00c8")};
    LineOrder::sort(lines);
    const QStringList expected = {QString(),
                                  QStringLiteral("Aut"),
                                  QStringLiteral("Auto"),
                                  QStringLiteral("auto a"),
                                  QStringLiteral("AUTO b"),
                                  QStringLiteral("Autocarro"),
                                  QStringLiteral("furgone"),
                                  QStringLiteral("_x"),
                                  QStringLiteral("\u00c8")};
    QCOMPARE(lines, expected);
}

void tst_ListLines::sortingAgreesWithTheOrder()
{
    // Many lines sharing long beginnings, of letters in both cases, characters around
    // U+00FF, U+0000 and blanks, so that ties run deep and lines end inside each other.
    const QStringList alphabet = {QStringLiteral("a"),      QStringLiteral("A"),      QStringLiteral("b"),
                                  QStringLiteral(" "),      QStringLiteral("\u00fe"), QStringLiteral("\u00ff"),
                                  QStringLiteral("\u20ac"), QString(QChar(0)),        QStringLiteral("_")};
    const QStringList stems = {QString(), QStringLiteral("Autovettura           Fiat Panda          Targa: "),
                               QStringLiteral("AUTOVETTURA           FIAT PANDA          TARGA: AB")};
    QRandomGenerator random(7);
    QStringList lines;
    for (int i = 0; i < 3000; ++i) {
        QString line = stems[random.bounded(int(stems.size()))];
        line.truncate(random.bounded(int(line.size()) + 1));
        const int tail = random.bounded(40);
        for (int c = 0; c < tail; ++c)
            line += alphabet[random.bounded(int(alphabet.size()))];
        lines << line;
    }
    QStringList sorted = lines;
    LineOrder::sort(sorted);
    for (qsizetype i = 0; i + 1 < sorted.size(); ++i)
        QVERIFY2(LineOrder::compare(sorted[i], sorted[i + 1]) <= 0, qPrintable(QString::number(i)));
    // The same lines, none lost or doubled.
    std::sort(lines.begin(), lines.end());
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(sorted, lines);
}

void tst_ListLines::finder_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("expected");

    const QStringList people = {QStringLiteral("Bianchi"), QStringLiteral("Rossi Mario"), QStringLiteral("Verdi"),
                                QStringLiteral("rossi anna"), QStringLiteral("Perd\u00e8")};
    const int found = int(ListFinder::Outcome::Found);
    const int notFound = int(ListFinder::Outcome::NotFound);
    const int emptyList = int(ListFinder::Outcome::EmptyList);

    QTest::newRow("empty list") << QStringList() << -1 << QStringLiteral("x") << emptyList << -1;
    QTest::newRow("new text from the top") << people << 3 << QStringLiteral("ROSSI") << found << 1;
    QTest::newRow("first line itself") << people << 4 << QStringLiteral("bian") << found << 0;
    QTest::newRow("nothing selected, nothing found") << people << -1 << QStringLiteral("neri") << notFound << 0;
    QTest::newRow("empty text finds nothing") << people << -1 << QString() << notFound << 0;
    QTest::newRow("selection kept") << people << 2 << QStringLiteral("neri") << notFound << 2;
    QTest::newRow("only A to Z folded") << people << 0 << QStringLiteral("PERD\u00c8") << notFound << 0;
    QTest::newRow("accent exact") << people << 0 << QStringLiteral("PERD\u00e8") << found << 4;
    QTest::newRow("untrimmed text") << people << 0 << QStringLiteral("rossi ") << found << 1;
}

void tst_ListLines::finder()
{
    QFETCH(QStringList, lines);
    QFETCH(int, selected);
    QFETCH(QString, text);
    QFETCH(int, outcome);
    QFETCH(int, expected);

    ListFinder finder;
    const ListFinder::Result result = finder.findNext(lines, selected, text);
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.selected, expected);
}

void tst_ListLines::finderRemembersTheLastText()
{
    const QStringList lines = {QStringLiteral("Rossi"), QStringLiteral("Bianchi"), QStringLiteral("rossi"),
                               QStringLiteral("Verdi")};
    ListFinder finder;
    // The same text again goes on after the selection and wraps around to the top.
    int selected = -1;
    QList<int> seen;
    for (int i = 0; i < 4; ++i) {
        const auto result = finder.findNext(lines, selected, QStringLiteral("ROSSI"));
        QCOMPARE(result.outcome, ListFinder::Outcome::Found);
        selected = result.selected;
        seen << selected;
    }
    QCOMPARE(seen, (QList<int>{0, 2, 0, 2}));

    // A text found once only finds its own line again.
    selected = finder.findNext(lines, selected, QStringLiteral("verdi")).selected;
    QCOMPARE(selected, 3);
    QCOMPARE(finder.findNext(lines, selected, QStringLiteral("verdi")).selected, 3);

    // A new text starts from the top although the same line is selected.
    QCOMPARE(finder.findNext(lines, 2, QStringLiteral("rossi")).selected, 0);
    finder.forget();
    QCOMPARE(finder.findNext(lines, 2, QStringLiteral("rossi")).selected, 0);
}

QTEST_GUILESS_MAIN(tst_ListLines)
#include "tst_list_lines.moc"

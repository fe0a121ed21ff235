#include "costs/Amount.h"
#include "costs/CentsSum.h"

#include <QTest>

class tst_Amount : public QObject {
    Q_OBJECT

private slots:
    void formatting_data();
    void formatting();
    void total_data();
    void total();
    void cents_data();
    void cents();
    void centsSum();
};

void tst_Amount::formatting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const char* text, const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(expected);
    };
    row("empty", "", "0,00");
    row("blanks only", " \t ", "0,00");
    row("whole", "12", "12,00");
    row("separator last", "12,", "12,00");
    row("separator first", ",5", "0,50");
    row("one decimal", "7,1", "7,10");
    row("leading zeros, half up", "0012,345", "12,35");
    row("two separators", "1,2,3", "0,00");
    row("letters", "abc", "0,00");
    row("trimmed", "  3,5\r\n", "3,50");
    row("plus sign", "+4", "4,00");
    row("exponent", "1,5e2", "150,00");
    row("negative exponent", "125E-2", "1,25");
    row("exponent without digits", "5e", "0,00");
    row("full stop is no separator", "12.5", "0,00");
    // Base-2 values just below a half cent go down, just above go up.
    row("1,005 down", "1,005", "1,00");
    row("2,675 down", "2,675", "2,67");
    row("12,345 up", "12,345", "12,35");
    row("below one", "0,05", "0,05");
    // A negative amount rounds its magnitude and keeps its sign.
    row("negative one decimal", "-3,2", "-3,20");
    row("negative half", "-0,125", "-0,13");
    row("negative to zero", "-0,001", "0,00");
    row("overflow", "1e400", "0,00");
    row("sign alone", "-", "0,00");
    row("separator alone", ",", "0,00");
    row("fifteen nines", "999999999999999", "999999999999999,00");
    row("beyond fifteen digits", "1234567890123456789", "1234567890123460000,00");
}

void tst_Amount::formatting()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QCOMPARE(subFormattaImporto(text), expected);
}

void tst_Amount::total_data()
{
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none") << QStringList() << QStringLiteral("\u20AC 0,00");
    QTest::newRow("two") << QStringList{QStringLiteral("10,10"), QStringLiteral("20,20")}
                         << QStringLiteral("\u20AC 30,30");
    QTest::newRow("three tenths") << QStringList{QStringLiteral("0,10"), QStringLiteral("0,20"), QStringLiteral("0,30")}
                                  << QStringLiteral("\u20AC 0,60");
    QTest::newRow("negative") << QStringList{QStringLiteral("5,00"), QStringLiteral("-3,2")}
                              << QStringLiteral("\u20AC 1,80");
    QTest::newRow("large") << QStringList{QStringLiteral("999999999999,99"), QStringLiteral("0,01")}
                           << QStringLiteral("\u20AC 1000000000000,00");
}

void tst_Amount::total()
{
    QFETCH(QStringList, amounts);
    QFETCH(QString, expected);

    double sum = 0;
    for (const QString& amount : amounts)
        sum += Amount::read(amount).value();
    QCOMPARE(costTotalText(sum), expected);
}

void tst_Amount::cents_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<qint64>("cents");

    const auto row = [](const char* name, const char* text, bool reads, qint64 cents) {
        QTest::newRow(name) << QString::fromUtf8(text) << reads << cents;
    };
    row("amount text", "1250,50", true, 125050);
    row("tenth", "0,10", true, 10);
    row("whole", "12", true, 1200);
    row("one decimal", "7,5", true, 750);
    row("leading zeros", "007,05", true, 705);
    row("fifteen digits", "123456789012345,99", true, 12345678901234599);
    row("sixteen digits", "1234567890123456,5", true, 123456789012345650);
    row("separator alone", ",", true, 0);
    row("separator first", ",5", true, 50);
    row("trimmed", "  3,5\r\n", true, 350);
    // Exact decimals: the third decimal 5 goes up, where the double of 1,005 went down.
    row("half cent up", "1,005", true, 101);
    row("2,675 up", "2,675", true, 268);
    row("below half", "12,344", true, 1234);
    row("negative half away from zero", "-3,205", true, -321);
    row("exponent", "1,5e2", true, 15000);
    row("negative exponent", "125E-2", true, 125);
    row("tiny", "4e-9", true, 0);
    row("beyond cents", "1e30", false, 0);
    row("thirty digits", "123456789012345678901234567890", false, 0);
    row("huge exponent", "1e999999999", false, 0);
    row("empty", "", false, 0);
    row("letters", "abc", false, 0);
    row("two separators", "1,2,3", false, 0);
    row("full stop", "12.5", false, 0);
    row("exponent without digits", "5e", false, 0);
}

void tst_Amount::cents()
{
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QFETCH(qint64, cents);

    const std::optional<qint64> read = Amount::readCents(text);
    QCOMPARE(read.has_value(), reads);
    if (reads)
        QCOMPARE(*read, cents);
}

void tst_Amount::centsSum()
{
    // A double sum of 10,000 tenths drifts off 1000; cents do not.
    CentsSum sum;
    for (int i = 0; i < 10000; ++i)
        sum.add(u"0,10");
    QCOMPARE(sum.text(), QStringLiteral("1000,00"));

    QVERIFY(!sum.add(u"dieci euro"));
    QVERIFY(!sum.add(u"1,2,3"));
    sum.add(u"-1000,05");
    QCOMPARE(sum.text(), QStringLiteral("-0,05"));
    QCOMPARE(sum.entries, 10001);
    QCOMPARE(sum.unreadableText(), QStringLiteral("Importi non leggibili: 2"));
}

QTEST_GUILESS_MAIN(tst_Amount)
#include "tst_amount.moc"

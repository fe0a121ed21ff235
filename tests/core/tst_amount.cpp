#include "costs/Amount.h"

#include <QTest>

class tst_Amount : public QObject {
    Q_OBJECT

private slots:
    void formatting_data();
    void formatting();
    void total_data();
    void total();
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

QTEST_GUILESS_MAIN(tst_Amount)
#include "tst_amount.moc"

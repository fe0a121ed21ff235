#include "access/Crypt.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using Crypt::CriptaPassword;
using Crypt::DecriptaPassword;

namespace {
// A text of length characters drawn from U+0000 to U+00FF.
QString latin1Text(QRandomGenerator& random, int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(static_cast<char16_t>(random.bounded(256)));
    return text;
}
} // namespace

class tst_Crypt : public QObject {
    Q_OBJECT

private slots:
    void knownScrambling_data();
    void knownScrambling();
    void roundTripForEveryLengthUpTo255();
    void everyByteValueComesBack();
    void sharedStartGivesSharedDigits();
    void onlyTheLow8BitsSurvive();
    void unscramblingReadsDigitsLeniently_data();
    void unscramblingReadsDigitsLeniently();
    void notHexadecimalRaises_data();
    void notHexadecimalRaises();
};

void tst_Crypt::knownScrambling_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("scrambled");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one letter") << QStringLiteral("A") << QStringLiteral("52");
    QTest::newRow("code 0, leading zero kept") << QString(QChar(0)) << QStringLiteral("13");
    QTest::newRow("code 255") << QStringLiteral("\u00FF") << QStringLiteral("EC");
    QTest::newRow("first-access password")
        << QStringLiteral("PAROLAINIZIALE") << QStringLiteral("4321189BC5233140640BC1822CE8");
    QTest::newRow("accented letters and a blank")
        << QStringLiteral("\u00C0BC PAROL\u00C0") << QStringLiteral("D3F62FBBCF8EA923E793");
    // Forty characters carry the key through many wraps past 65535.
    QTest::newRow("long") << QString(40, QLatin1Char('x'))
                          << QStringLiteral("6B7D3EAC860A906D3AEC2F02A0080A9176E03E77D3A7C8F69FA978A8CC447B48A33D7544AA"
                                            "7BCDEF");
}

void tst_Crypt::knownScrambling()
{
    QFETCH(QString, plain);
    QFETCH(QString, scrambled);

    QCOMPARE(CriptaPassword(plain), scrambled);
    QCOMPARE(CriptaPassword(plain), scrambled); // the same input, the same output
    QCOMPARE(DecriptaPassword(scrambled), plain);
}

void tst_Crypt::roundTripForEveryLengthUpTo255()
{
    QRandomGenerator random(7201);
    const QRegularExpression upperHex(QStringLiteral("^[0-9A-F]*$"));
    for (int length = 0; length <= 255; ++length) {
        const QString plain = latin1Text(random, length);
        const QString scrambled = CriptaPassword(plain);
        QCOMPARE(scrambled.size(), 2 * length);
        QVERIFY2(upperHex.match(scrambled).hasMatch(), qPrintable(scrambled));
        QCOMPARE(DecriptaPassword(scrambled), plain);
    }
}

void tst_Crypt::everyByteValueComesBack()
{
    QString low;  // codes 0 to 254
    QString high; // codes 1 to 255
    for (int code = 0; code < 255; ++code) {
        low += QChar(static_cast<char16_t>(code));
        high += QChar(static_cast<char16_t>(code + 1));
    }
    QCOMPARE(DecriptaPassword(CriptaPassword(low)), low);
    QCOMPARE(DecriptaPassword(CriptaPassword(high)), high);
}

void tst_Crypt::sharedStartGivesSharedDigits()
{
    QRandomGenerator random(911);
    for (int shared = 0; shared <= 20; ++shared) {
        const QString start = latin1Text(random, shared);
        const QString a = CriptaPassword(start + QStringLiteral("alfa"));
        const QString b = CriptaPassword(start + QStringLiteral("beta"));
        QCOMPARE(a.left(2 * shared), CriptaPassword(start));
        QCOMPARE(b.left(2 * shared), CriptaPassword(start));
        QVERIFY(a.mid(2 * shared, 2) != b.mid(2 * shared, 2));
    }
}

void tst_Crypt::onlyTheLow8BitsSurvive()
{
    // The euro sign U+20AC keeps its low byte AC, the sign U+00AC.
    QCOMPARE(CriptaPassword(QStringLiteral("\u20AC")), QStringLiteral("BF"));
    QCOMPARE(DecriptaPassword(CriptaPassword(QStringLiteral("x\u20ACy"))), QStringLiteral("x\u00ACy"));
}

void tst_Crypt::unscramblingReadsDigitsLeniently_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("plain");

    QTest::newRow("lower-case digits") << QStringLiteral("4321189bc5233140640bc1822ce8")
                                       << QStringLiteral("PAROLAINIZIALE");
    QTest::newRow("mixed case") << QStringLiteral("4321189Bc5233140640bC1822cE8") << QStringLiteral("PAROLAINIZIALE");
    QTest::newRow("odd last digit ignored")
        << QStringLiteral("4321189BC5233140640BC1822CE87") << QStringLiteral("PAROLAINIZIALE");
    QTest::newRow("odd last character ignored, even when not a digit")
        << QStringLiteral("4321189BC5233140640BC1822CE8Z") << QStringLiteral("PAROLAINIZIALE");
    QTest::newRow("one digit only") << QStringLiteral("5") << QString();
}

void tst_Crypt::unscramblingReadsDigitsLeniently()
{
    QFETCH(QString, hex);
    QFETCH(QString, plain);
    QCOMPARE(DecriptaPassword(hex), plain);
}

void tst_Crypt::notHexadecimalRaises_data()
{
    QTest::addColumn<QString>("hex");

    QTest::newRow("ZZ") << QStringLiteral("ZZ");
    QTest::newRow("letter G") << QStringLiteral("4G");
    QTest::newRow("blank first") << QStringLiteral(" 4");
    QTest::newRow("blank second") << QStringLiteral("4 ");
    QTest::newRow("bad pair after good ones") << QStringLiteral("4321189BC5233140640BC1822CEG");
    QTest::newRow("sign") << QStringLiteral("-1");
    QTest::newRow("full-width digits") << QStringLiteral("\uFF14\uFF13");
    QTest::newRow("letter beyond F in lower case") << QStringLiteral("4g");
}

void tst_Crypt::notHexadecimalRaises()
{
    QFETCH(QString, hex);
    QVERIFY_THROWS_EXCEPTION(Crypt::ConversionError, DecriptaPassword(hex));
}

QTEST_GUILESS_MAIN(tst_Crypt)
#include "tst_crypt.moc"

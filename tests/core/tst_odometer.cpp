// The kilometres Salva questions: how a reading is read, and which question it asks.
#include "card/OdometerCheck.h"

#include <QTest>

class tst_Odometer : public QObject {
    Q_OBJECT
private slots:
    void readsKilometres_data();
    void readsKilometres();
    void asks_data();
    void asks();
};

void tst_Odometer::readsKilometres_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("kilometres"); // -1: unreadable
    QTest::newRow("plain digits") << "48200" << 48200.0;
    QTest::newRow("thousands") << "48.200" << 48200.0;
    QTest::newRow("millions") << "1.048.200" << 1048200.0;
    QTest::newRow("fraction") << "48.200,5" << 48200.5;
    QTest::newRow("km and blanks") << "  48.200 km " << 48200.0;
    QTest::newRow("KM upper case") << "4820KM" << 4820.0;
    QTest::newRow("blanks inside") << "48 200" << 48200.0;
    QTest::newRow("empty") << "" << -1.0;
    QTest::newRow("words") << "circa 48 mila" << -1.0;
    QTest::newRow("stray separator") << "48.20" << -1.0;
    QTest::newRow("point as decimal") << "4820.5" << -1.0;
    QTest::newRow("negative") << "-5" << -1.0;
}

void tst_Odometer::readsKilometres()
{
    QFETCH(QString, text);
    QFETCH(double, kilometres);
    const std::optional<double> read = OdometerCheck::readKilometres(text);
    if (kilometres < 0)
        QVERIFY(!read);
    else
        QCOMPARE(read.value_or(-1), kilometres);
}

void tst_Odometer::asks_data()
{
    QTest::addColumn<QString>("storedKm");
    QTest::addColumn<QString>("storedDate");
    QTest::addColumn<QString>("newKm");
    QTest::addColumn<QString>("newDate");
    QTest::addColumn<QString>("question");
    const QString fewer = QStringLiteral("Attenzione: i chilometri inseriti (4.820) sono meno di quelli già registrati "
                                         "(48.200).\n\rSalvare comunque?");
    QTest::newRow("smaller") << "48.200"
                             << "01/03/2026"
                             << "4.820"
                             << "10/03/2026" << fewer;
    QTest::newRow("smaller without dates") << "48.200"
                                           << ""
                                           << "4.820"
                                           << "" << fewer;
    QTest::newRow("equal") << "48.200"
                           << "01/03/2026"
                           << "48200 km"
                           << "10/03/2026"
                           << "";
    QTest::newRow("larger, sane") << "48.200"
                                  << "01/03/2026"
                                  << "60.000"
                                  << "10/03/2026"
                                  << "";
    QTest::newRow("at the limit") << "48.200"
                                  << "01/03/2026"
                                  << "66.200"
                                  << "10/03/2026"
                                  << "";
    QTest::newRow("too fast") << "4.820"
                              << "01/03/2026"
                              << "48.200"
                              << "10/03/2026"
                              << "Attenzione: 43.380 km in 9 giorni sono molti.\n\rSalvare comunque?";
    QTest::newRow("same day counts as one") << "10.000"
                                            << "05/03/2026"
                                            << "12.500"
                                            << "05/03/2026"
                                            << "Attenzione: 2.500 km in 1 giorni sono molti.\n\rSalvare comunque?";
    QTest::newRow("no new date") << "4.820"
                                 << "01/03/2026"
                                 << "48.200"
                                 << ""
                                 << "";
    QTest::newRow("no stored date") << "4.820"
                                    << ""
                                    << "48.200"
                                    << "10/03/2026"
                                    << "";
    QTest::newRow("unreadable new") << "48.200"
                                    << "01/03/2026"
                                    << "quarantamila"
                                    << "10/03/2026"
                                    << "";
    QTest::newRow("unreadable stored") << "n.d."
                                       << "01/03/2026"
                                       << "4.820"
                                       << "10/03/2026"
                                       << "";
    QTest::newRow("nothing stored") << ""
                                    << ""
                                    << "4.820"
                                    << "10/03/2026"
                                    << "";
}

void tst_Odometer::asks()
{
    QFETCH(QString, storedKm);
    QFETCH(QString, storedDate);
    QFETCH(QString, newKm);
    QFETCH(QString, newDate);
    QFETCH(QString, question);
    QCOMPARE(OdometerCheck::question(storedKm, storedDate, newKm, newDate), question);
}

QTEST_GUILESS_MAIN(tst_Odometer)
#include "tst_odometer.moc"

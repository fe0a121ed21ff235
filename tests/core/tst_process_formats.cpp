// The fixed regional formats: Italian locale, "dd/mm/yyyy" with a "/" whatever the
// system says, and "," as the decimal separator.
#include "platform/ProcessFormats.h"

#include <QLocale>
#include <QTest>

class tst_ProcessFormats : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A system whose own formats differ from the program's.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ProcessFormats::apply();
    }

    void decimalSeparatorIsComma()
    {
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        QCOMPARE(ProcessFormats::decimalSeparator(), QLatin1Char(','));
        QCOMPARE(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1.234,50"));
    }

    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("day before month") << QStringLiteral("05/03/2024") << QDate(2024, 3, 5);
        QTest::newRow("end of year") << QStringLiteral("31/12/2026") << QDate(2026, 12, 31);
        QTest::newRow("leap day") << QStringLiteral("29/02/2028") << QDate(2028, 2, 29);
        QTest::newRow("blanks around") << QStringLiteral(" 01/01/2027 ") << QDate(2027, 1, 1);
        QTest::newRow("dashes are not the separator") << QStringLiteral("05-03-2024") << QDate();
        QTest::newRow("two-digit year") << QStringLiteral("05/03/24") << QDate();
        QTest::newRow("no such day") << QStringLiteral("31/02/2024") << QDate();
        QTest::newRow("empty") << QString() << QDate();
    }

    void dates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(ProcessFormats::parseDate(text), date);
        if (date.isValid())
            QCOMPARE(ProcessFormats::formatDate(date), text.trimmed());
    }
};

QTEST_GUILESS_MAIN(tst_ProcessFormats)
#include "tst_process_formats.moc"

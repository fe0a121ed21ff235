// The faces the layouts name resolve to the installed metric-compatible fonts, and the
// face of fixed-column lists is really fixed pitch, so that columns line up.
#include "widgets/Fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTest>

class tst_GuiFonts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::install(); }

    void substitutes_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("Verdana") << QStringLiteral("Verdana") << QStringLiteral("DejaVu Sans");
        QTest::newRow("Tahoma") << QStringLiteral("Tahoma") << QStringLiteral("DejaVu Sans");
        QTest::newRow("Arial") << QStringLiteral("Arial") << QStringLiteral("Liberation Sans");
        QTest::newRow("Courier New") << QStringLiteral("Courier New") << QStringLiteral("Liberation Mono");
    }

    void substitutes()
    {
        QFETCH(QString, family);
        QFETCH(QString, resolved);
        QCOMPARE(QFontInfo(Fonts::font(family, 12)).family(), resolved);
    }

    void fixedPitchColumnsLineUp()
    {
        const QFont font = Fonts::fixedPitch(12);
        QVERIFY(QFontInfo(font).fixedPitch());
        const QFontMetrics metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiiiiiiiii")),
                 metrics.horizontalAdvance(QStringLiteral("WWWWWWWWWW")));
    }
};

QTEST_MAIN(tst_GuiFonts)
#include "tst_gui_fonts.moc"

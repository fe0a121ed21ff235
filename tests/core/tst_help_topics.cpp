// The help topics: which paragraphs each button shows, in which order, word for word.
#include "help/HelpTopics.h"

#include <QTest>

namespace {
const QString Break = QStringLiteral("\r\n\r\n");
}

class tst_HelpTopics : public QObject {
    Q_OBJECT

private slots:
    void titlesAndParagraphs_data();
    void titlesAndParagraphs();
    void launcherTopicGathersTheOthers();
    void exportTopicWordForWord();
    void firstPasswordInQuotes();
};

void tst_HelpTopics::titlesAndParagraphs_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    const struct {
        const char* row;
        HelpTopic topic;
        const char *title, *first, *last;
        int paragraphs;
    } rows[] = {
        {"launcher", HelpTopics::launcher(), "Uno sguardo a Corvanta", "Corvanta è un software facile",
         "richieda tempi di apprendimento praticamente nulli.", 21},
        {"card", HelpTopics::card(), "App Parco Automezzi", "L'app Parco Automezzi permette di creare",
         "esportato in un file di Microsoft Excel.", 13},
        {"export", HelpTopics::exportWindow(), "Esportazione archivio veicoli in Microsoft Excel",
         "Il pulsante Esporta archivio consente", "assegnandogli un nome qualsiasi.", 3},
        {"deadline menu", HelpTopics::deadlineMenu(), "App Scadenze Imminenti",
         "L'app Scadenze Imminenti consente di monitorare", "presente nella stessa scheda.", 3},
    };
    for (const auto& row : rows)
        QTest::newRow(row.row) << QString::fromUtf8(row.title) << row.topic.text << row.paragraphs
                               << QString::fromUtf8(row.first) << QString::fromUtf8(row.last);
}

void tst_HelpTopics::titlesAndParagraphs()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, paragraphs);
    QFETCH(QString, first);
    QFETCH(QString, last);

    const HelpTopic topics[] = {HelpTopics::launcher(), HelpTopics::card(), HelpTopics::exportWindow(),
                                HelpTopics::deadlineMenu()};
    bool titled = false;
    for (const HelpTopic& topic : topics)
        titled = titled || (topic.title == title && topic.text == text);
    QVERIFY(titled);

    // Paragraphs are separated by exactly one empty line; none is empty, none starts or
    // ends with a line break, and there is no other line break.
    const QStringList split = text.split(Break);
    QCOMPARE(split.size(), paragraphs);
    for (const QString& paragraph : split) {
        QVERIFY(!paragraph.isEmpty());
        QVERIFY2(!paragraph.contains(QLatin1Char('\r')) && !paragraph.contains(QLatin1Char('\n')),
                 qPrintable(paragraph));
        QVERIFY2(paragraph.endsWith(QLatin1Char('.')), qPrintable(paragraph));
    }
    QVERIFY(text.startsWith(first));
    QVERIFY(text.endsWith(last));
}

void tst_HelpTopics::launcherTopicGathersTheOthers()
{
    const QString launcher = HelpTopics::launcher().text;
    const QStringList paragraphs = launcher.split(Break);
    const QString middle = HelpTopics::card().text + Break + HelpTopics::deadlineMenu().text;

    QCOMPARE(paragraphs.mid(1, 16).join(Break), middle);
    QVERIFY(paragraphs.at(0).startsWith(QStringLiteral("Corvanta è un software facile e intuitivo")));
    QVERIFY(paragraphs.at(17).startsWith(QStringLiteral("Il software può essere usato anche in una rete locale")));
    QVERIFY(paragraphs.at(19).startsWith(QStringLiteral("Corvanta può essere utilizzato anche su chiavetta USB.")));
}

void tst_HelpTopics::exportTopicWordForWord()
{
    const QString expected = QStringLiteral(
        "Il pulsante Esporta archivio consente di esportare tutti i veicoli registrati nel parco automezzi in un "
        "foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i "
        "file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).\r\n\r\n"
        "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di Excel. Questa "
        "operazione crea in tempo reale un file in formato XLS contenente tutte le schede in archivio, che potrà "
        "essere aperto immediatamente rispondendo affermativamente al messaggio di domanda che appare.\r\n\r\n"
        "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi.");
    QCOMPARE(HelpTopics::exportWindow().text, expected);
}

void tst_HelpTopics::firstPasswordInQuotes()
{
    const QString expected = QStringLiteral(
        "L'accesso al software è protetto da una password aggiornabile dall'utente che può essere cambiata tutte le "
        "volte che si desidera. Per il primo accesso al programma, bisogna utilizzare la parola chiave "
        "\"parolainiziale\" (scritta senza le virgolette).");
    QCOMPARE(HelpTopics::launcher().text.split(Break).at(18), expected);
}

QTEST_GUILESS_MAIN(tst_HelpTopics)
#include "tst_help_topics.moc"

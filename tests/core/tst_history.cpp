#include "archive/RecordCodec.h"
#include "history/HistoryEvents.h"
#include "history/HistoryFile.h"
#include "history/HistoryRows.h"

#include "FileTest.h"
#include "SmallDisk.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace FileTest;

namespace {
const History::Stamp Written{QDateTime(QDate(2026, 12, 10), QTime(10, 30, 15)), QStringLiteral("UFFICIO-1"),
                             QStringLiteral("impiegato")};

TEventoVeicolo change(int position, const QString& subject, const QString& before, const QString& after,
                      const QDateTime& when = Written.when)
{
    TEventoVeicolo made = History::event(History::Kind::Modifica, position, QStringLiteral("AB123CD"),
                                         {when, Written.computer, Written.user});
    made.Soggetto = subject;
    made.Prima = before;
    made.Dopo = after;
    return made;
}

QString captionOf(History::TrackedField field)
{
    if (field == &TSchedaVeicolo::ScadAssicurazione)
        return QStringLiteral("Scad. assicurazione");
    if (field == &TSchedaVeicolo::Chilometri)
        return QStringLiteral("Chilometri percorsi");
    return QStringLiteral("Altro");
}
} // namespace

// The vehicles' history: its 512-byte records, the events a save makes, the rows the
// window lists, and the file's appends and scans.
class tst_History : public QObject {
    Q_OBJECT

private slots:
    void init();
    void textsAreStoredAsTheArchiveStoresThem_data();
    void textsAreStoredAsTheArchiveStoresThem();
    void aSaveRecordsTheWatchedFieldsItChanged();
    void creationSaysWhereADuplicateCameFrom();
    void rowsAreNewestFirstWithVoidsApplied();
    void kindChoicesAndFilter();
    void eventsOfOneVehicleOnly();
    void tornTailIsIgnoredThenCutBack();
    void oddFilesReadWhatTheyHold_data();
    void oddFilesReadWhatTheyHold();
    void fullDiskLeavesTheFileAsItWas();

private:
    QString folder() const { return m_dir->path() + QLatin1Char('/'); }
    QString historyPath() const { return folder() + HistoryFile::fileName(); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_History::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_History::textsAreStoredAsTheArchiveStoresThem_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("readBack");
    QTest::addColumn<QString>("shown");
    QTest::newRow("accents") << QStringLiteral("Città più già") << QStringLiteral("Città più già")
                             << QStringLiteral("Città più già");
    QTest::newRow("arrow") << QStringLiteral("Milano → Roma") << QStringLiteral("Milano -> Roma")
                           << QStringLiteral("Milano → Roma");
    QTest::newRow("control characters") << QStringLiteral("a\tb\nc") << QStringLiteral("a b c")
                                        << QStringLiteral("a b c");
    QTest::newRow("blanks") << QStringLiteral("  nota  ") << QStringLiteral("nota") << QStringLiteral("nota");
    QTest::newRow("over-long") << QString(200, QLatin1Char('x')) << QString(120, QLatin1Char('x'))
                               << QString(120, QLatin1Char('x'));
}

void tst_History::textsAreStoredAsTheArchiveStoresThem()
{
    QFETCH(QString, written);
    QFETCH(QString, readBack);
    QFETCH(QString, shown);
    TEventoVeicolo event = History::event(History::Kind::Creazione, 7, QStringLiteral("AB123CD"), Written);
    event.Nota = written;
    {
        HistoryFile history(folder());
        QCOMPARE(history.appendEvents({event}), 0);
        history.close();
    }
    const QByteArray bytes = readFile(historyPath());
    QCOMPARE(bytes.size(), TEventoVeicolo::RecordSize);
    // The kind at offset 0, the position at 16, the note at 367: as the README documents them.
    QCOMPARE(bytes.mid(0, 10), QByteArray("\x09"
                                          "Creazione"));
    QCOMPARE(bytes.mid(16, 2), QByteArray("\x01"
                                          "7"));
    QCOMPARE(static_cast<int>(static_cast<unsigned char>(bytes.at(367))), readBack.size());
    const TEventoVeicolo read = decodeRecord<TEventoVeicolo>(bytes);
    QCOMPARE(read.Nota, readBack);
    QCOMPARE(History::shown(read.Nota), shown);
    QCOMPARE(read.RegistratoData, QStringLiteral("10/12/2026"));
    QCOMPARE(read.RegistratoOra, QStringLiteral("10:30:15"));
    QCOMPARE(read.Computer + QLatin1Char('/') + read.Utente, QStringLiteral("UFFICIO-1/impiegato"));
}

void tst_History::aSaveRecordsTheWatchedFieldsItChanged()
{
    TSchedaVeicolo before;
    before.Targa = QStringLiteral("AB123CD");
    before.ScadAssicurazione = QStringLiteral("02/12/2026");
    before.Chilometri = QStringLiteral("48.200");
    before.Colore = QStringLiteral("Rosso");
    TSchedaVeicolo after = before;
    after.ScadAssicurazione = QStringLiteral("02/12/2027");
    after.Chilometri = QString();
    after.Colore = QStringLiteral("Blu"); // not a watched field
    after.Autista = QStringLiteral("  "); // blanks only: no change

    const std::vector<TEventoVeicolo> made = History::changes(before, after, 4, Written, captionOf);
    QCOMPARE(made.size(), std::size_t(2));
    QCOMPARE(made[0].Soggetto, QStringLiteral("Chilometri percorsi"));
    QCOMPARE(made[0].Prima, QStringLiteral("48.200"));
    QCOMPARE(made[0].Dopo, QString());
    QCOMPARE(made[1].Soggetto, QStringLiteral("Scad. assicurazione"));
    QCOMPARE(made[1].Posizione, QStringLiteral("4"));
    QCOMPARE(made[1].Tipo, QStringLiteral("Modifica"));

    const std::vector<HistoryRow> rows = History::rowsOf({{0, made[0]}, {1, made[1]}});
    QCOMPARE(rows[0].descrizione, QStringLiteral("Scad. assicurazione: 02/12/2026 → 02/12/2027"));
    QCOMPARE(rows[1].descrizione, QStringLiteral("Chilometri percorsi: 48.200 → (vuoto)"));
    QCOMPARE(rows[0].data, QStringLiteral("10/12/2026 10:30"));
    QCOMPARE(rows[0].registrato, QStringLiteral("10/12/2026 10:30"));
    QCOMPARE(rows[0].da, QStringLiteral("UFFICIO-1 / impiegato"));
    QVERIFY(History::changes(before, before, 4, Written, captionOf).empty());
}

void tst_History::creationSaysWhereADuplicateCameFrom()
{
    QCOMPARE(History::creation(5, QStringLiteral("X"), 0, Written).Nota, QStringLiteral("Scheda creata"));
    QCOMPARE(History::creation(5, QStringLiteral("X"), 3, Written).Nota,
             QStringLiteral("Scheda duplicata dalla posizione 3"));
}

void tst_History::rowsAreNewestFirstWithVoidsApplied()
{
    const QDateTime earlier(QDate(2026, 1, 5), QTime(8, 0));
    TEventoVeicolo unknown = change(2, QString(), QString(), QString());
    unknown.Tipo = QStringLiteral("Sosta"); // a kind of a newer program
    unknown.Nota = QStringLiteral("in garage");
    const TEventoVeicolo old =
        change(2, QStringLiteral("Autista"), QStringLiteral("Rossi"), QStringLiteral("Bianchi"), earlier);
    const TEventoVeicolo voided = change(2, QStringLiteral("Scad. bollo"), QString(), QStringLiteral("31/01/2027"));
    const TEventoVeicolo voiding = History::voiding(2, voided, QStringLiteral("data sbagliata"), Written);

    const std::vector<HistoryRow> rows = History::rowsOf({{0, old}, {1, unknown}, {2, voided}, {3, voiding}});
    QCOMPARE(rows.size(), std::size_t(3)); // the void is not a row of its own
    QCOMPARE(rows[0].index, 2);
    QVERIFY(rows[0].voided);
    QCOMPARE(rows[0].descrizione, QStringLiteral("Scad. bollo: (vuoto) → 31/01/2027 (annullato: data sbagliata)"));
    QCOMPARE(rows[1].evento, QStringLiteral("Evento sconosciuto"));
    QCOMPARE(rows[1].descrizione, QStringLiteral("in garage"));
    QVERIFY(!rows[1].voided);
    QCOMPARE(rows[2].index, 0); // the oldest event last

    HistoryModel model;
    model.load(rows);
    QCOMPARE(model.data(model.index(0, HistoryModel::Descrizione), Qt::ForegroundRole).value<QColor>(),
             QColor(Qt::gray));
    QVERIFY(!model.data(model.index(1, HistoryModel::Descrizione), Qt::ForegroundRole).isValid());
}

void tst_History::kindChoicesAndFilter()
{
    const TEventoVeicolo created = History::creation(2, QStringLiteral("AB123CD"), 0, Written);
    const std::vector<HistoryRow> rows =
        History::rowsOf({{0, created}, {1, change(2, QStringLiteral("Autista"), QString(), QStringLiteral("Rossi"))}});
    QCOMPARE(History::kindChoices(rows), (QStringList{QStringLiteral("Tutti gli eventi"), QStringLiteral("Modifica"),
                                                      QStringLiteral("Creazione")}));
    HistoryModel model;
    model.load(rows);
    QCOMPARE(model.rowCount(), 2);
    model.setKind(QStringLiteral("Modifica"));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.text(0, HistoryModel::Evento), QStringLiteral("Modifica"));
    model.setKind(History::allKinds());
    QCOMPARE(model.rowCount(), 2);
}

void tst_History::eventsOfOneVehicleOnly()
{
    HistoryFile history(folder());
    history.appendEvents({change(1, QStringLiteral("a"), {}, {}), change(10, QStringLiteral("b"), {}, {}),
                          change(11, QStringLiteral("c"), {}, {}), change(1, QStringLiteral("d"), {}, {})});
    std::vector<HistoryFile::Indexed> found = history.eventsOf(1);
    QCOMPARE(found.size(), std::size_t(2));
    QCOMPARE(found[0].index, 0);
    QCOMPARE(found[1].index, 3);
    QCOMPARE(found[1].event.Soggetto, QStringLiteral("d"));
    QCOMPARE(history.eventsOf(10).size(), std::size_t(1));
    QVERIFY(history.eventsOf(2).empty());
    QVERIFY(history.holdsAnyOf(9, 10));
    QVERIFY(!history.holdsAnyOf(2, 9));
    history.close();
}

void tst_History::tornTailIsIgnoredThenCutBack()
{
    {
        HistoryFile history(folder());
        history.appendEvents({change(1, QStringLiteral("a"), {}, {})});
        history.close();
    }
    // A crash in the middle of the next append.
    QFile file(historyPath());
    QVERIFY(file.open(QIODevice::Append));
    file.write(QByteArray(100, 'z'));
    file.close();

    HistoryFile history(folder());
    QCOMPARE(history.eventsOf(1).size(), std::size_t(1));
    QCOMPARE(history.appendEvents({change(1, QStringLiteral("b"), {}, {})}), 1);
    history.close();
    QCOMPARE(QFileInfo(historyPath()).size(), qint64(2) * TEventoVeicolo::RecordSize);
    HistoryFile again(folder());
    QCOMPARE(again.eventsOf(1).at(1).event.Soggetto, QStringLiteral("b"));
}

void tst_History::oddFilesReadWhatTheyHold_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: a folder in its place
    QTest::addColumn<int>("events");
    QTest::newRow("a folder") << QByteArray() << -1;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("one byte") << QByteArray("x") << 0;
}

void tst_History::oddFilesReadWhatTheyHold()
{
    QFETCH(QByteArray, content);
    QFETCH(int, events);
    if (events < 0)
        QVERIFY(QDir(folder()).mkpath(HistoryFile::fileName()));
    else
        writeFile(historyPath(), content);
    try {
        HistoryFile history(folder());
        QCOMPARE(int(history.eventsOf(1).size()), events);
        history.close();
    } catch (const FileAccessError&) {
        QCOMPARE(events, -1);
        return;
    }
    QVERIFY(events >= 0);
}

void tst_History::fullDiskLeavesTheFileAsItWas()
{
    const QString diskFolder = folder() + QStringLiteral("disk/");
    QVERIFY(QDir().mkpath(diskFolder));
    SmallDisk disk(diskFolder);
    if (!disk.mounted())
        QSKIP("a small file system needs root");
    {
        HistoryFile history(diskFolder);
        history.appendEvents({change(1, QStringLiteral("a"), {}, {})});
        history.close();
    }
    const QByteArray before = readFile(diskFolder + HistoryFile::fileName());
    disk.fill();
    std::vector<TEventoVeicolo> many(200, change(1, QStringLiteral("b"), {}, {}));
    bool failed = false;
    try {
        HistoryFile history(diskFolder);
        history.appendEvents(many);
    } catch (const FileAccessError&) {
        failed = true;
    }
    QVERIFY(failed);
    QCOMPARE(readFile(diskFolder + HistoryFile::fileName()), before);
}

QTEST_GUILESS_MAIN(tst_History)
#include "tst_history.moc"

// The import as the clerk meets it: from the launcher's imgImporta, a file as Italian Excel
// writes it, a column left out, the import and its undo; the append in the background, while
// another PC holds the archive, finished or cancelled.
#include "FakePlatform.h"
#include "WindowTest.h"

#include "app/AppWindows.h"
#include "app/TfrmAvvio.h"
#include "archive/RecordCodec.h"
#include "archive/TSchedaVeicolo.h"
#include "history/HistoryEvents.h"
#include "history/HistoryFile.h"
#include "import/CsvReader.h"
#include "import/ImportFields.h"
#include "import/ImportRun.h"
#include "import/TfrmImportaVeicoli.h"
#include "widgets/ArtworkImage.h"
#include "widgets/SummaryBanner.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

QStringList headers(const QTableView* grid)
{
    QStringList made;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        made.append(grid->model()->headerData(c, Qt::Horizontal).toString());
    return made;
}

QString cell(const QTableView* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

QByteArray oneCard()
{
    TSchedaVeicolo existing;
    existing.Tipo = QStringLiteral("Autovettura");
    existing.Targa = QStringLiteral("ZZ999ZZ");
    return encodeRecord(existing);
}

// A sheet of count cars, one a row, each with its own plate.
QByteArray fleetCsv(int count)
{
    QByteArray csv = "Tipo;Marca;Modello;Targa\r\n";
    for (int i = 0; i < count; ++i)
        csv += "Autovettura;Fiat;Panda;IM" + QByteArray::number(i) + "\r\n";
    return csv;
}

// Another PC that holds the archive's write lock for ms milliseconds, from when it returns.
void holdArchive(QProcess& other, const QString& folder, int ms)
{
    other.start(QStringLiteral(CORVANTA_RECORD_WRITER), {folder, QStringLiteral("hold"), QString::number(ms)});
    while (!other.canReadLine())
        QVERIFY2(other.waitForReadyRead(30000), qPrintable(other.errorString()));
    QCOMPARE(other.readLine().trimmed(), QByteArray("locked"));
}

} // namespace

class tst_GuiImport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void importAndUndoFromTheLauncher();
    void launcherSummaryAfterImport();
    void appendRunsInTheBackground_data();
    void appendRunsInTheBackground();
    void undoThatCannotHappenAsksNothing_data();
    void undoThatCannotHappenAsksNothing();
};

void tst_GuiImport::importAndUndoFromTheLauncher()
{
    FakePlatform platform;
    const QByteArray before = oneCard();
    QVERIFY(Gui::writeFile(platform.archivePath(), before));

    AppWindows windows;
    windows.showLauncher();
    QCOMPARE(Gui::button(windows.frmAvvio(), "imgImporta")->cursor().shape(), Qt::PointingHandCursor);

    QString opened;
    QString helpOpened;
    Gui::whileModal([&](QWidget* window) {
        opened = window ? QLatin1String(window->metaObject()->className()) : QString();
        if (!window)
            return;
        QCOMPARE(window->windowTitle(), QStringLiteral(" Importa veicoli"));
        auto* grdColonne = window->findChild<QTableView*>(QStringLiteral("grdColonne"));
        auto* grdAnteprima = window->findChild<QTableView*>(QStringLiteral("grdAnteprima"));
        auto* lblEsito = window->findChild<QLabel*>(QStringLiteral("lblEsito"));
        auto* lstProblemi = window->findChild<QListWidget*>(QStringLiteral("lstProblemi"));
        QVERIFY(grdColonne && grdAnteprima && lblEsito && lstProblemi);
        QVERIFY(!Gui::pushButton(window, "btnImporta")->isEnabled());

        // The boxes that only inform carry OK alone.
        const QList<Platform::Answer> okAlone{Platform::Answer::Ok};
        Gui::pushButton(window, "btnAnnullaImportazione")->click();
        QCOMPARE(platform.messages.last().text, QStringLiteral("Non c'è nessuna importazione da annullare."));
        QCOMPARE(platform.messages.last().buttons, okAlone);

        platform.queueFileName(QStringLiteral(CORVANTA_FIXTURES "/import/excel_it.csv"));
        Gui::pushButton(window, "btnScegliFile")->click();
        QCOMPARE(platform.dialogs.last().options.filter, QStringLiteral("File CSV (*.csv *.txt)|*.csv;*.txt"));
        QCOMPARE(grdColonne->model()->rowCount(), 10);
        QCOMPARE(cell(grdColonne, 4, 0), QStringLiteral("Km"));
        QCOMPARE(cell(grdColonne, 4, 1), QStringLiteral("12.345,5"));
        QCOMPARE(cell(grdColonne, 4, 2), QStringLiteral("Chilometri percorsi"));
        QCOMPARE(lblEsito->text(), QStringLiteral("Da importare: 3 · Da saltare: 2 · Avvisi: 1"));
        QCOMPARE(lstProblemi->count(), 3);
        QCOMPARE(grdAnteprima->model()->rowCount(), 5);
        QVERIFY(headers(grdAnteprima).contains(QStringLiteral("Chilometri percorsi")));

        // The column's choice goes through the delegate, as a click in the cell makes it.
        grdColonne->edit(grdColonne->model()->index(4, 2));
        auto* choice = grdColonne->findChild<QComboBox*>(QStringLiteral("cboCampo"));
        QVERIFY(choice);
        QCOMPARE(choice->currentText(), QStringLiteral("Chilometri percorsi"));
        choice->setCurrentIndex(choice->findText(ImportFields::notImported()));
        QTest::keyClick(choice, Qt::Key_Return);
        QTRY_COMPARE(cell(grdColonne, 4, 2), ImportFields::notImported());
        QVERIFY(!headers(grdAnteprima).contains(QStringLiteral("Chilometri percorsi")));

        Gui::pushButton(window, "btnImporta")->click();
        QTRY_VERIFY(!qobject_cast<TfrmImportaVeicoli*>(window)->isWorking());
        QCOMPARE(platform.messages.last().text,
                 QStringLiteral("Importazione completata: 3 schede aggiunte (posizioni da 2 a 4)."));
        QCOMPARE(platform.messages.last().buttons, okAlone);
        QCOMPARE(Gui::readFile(platform.archivePath()).size(), 4 * TSchedaVeicolo::RecordSize);
        QCOMPARE(lblEsito->text(), QStringLiteral("Da importare: 0 · Da saltare: 5 · Avvisi: 0"));

        platform.queueAnswer(Platform::Answer::Yes);
        Gui::pushButton(window, "btnAnnullaImportazione")->click();
        QCOMPARE(platform.messages.at(platform.messages.size() - 2).kind, Platform::MessageKind::Question);
        QVERIFY(platform.messages.at(platform.messages.size() - 2).text.endsWith(QStringLiteral("(3 schede)?")));
        QCOMPARE(Gui::readFile(platform.archivePath()), before);
        QCOMPARE(platform.messages.last().buttons, okAlone);

        Gui::whileModal([&](QWidget* help) { helpOpened = help ? help->objectName() : QString(); });
        Gui::click(window, "imgGuida");
        Gui::pushButton(window, "btnChiudi")->click();
    });
    Gui::click(windows.frmAvvio(), "imgImporta");
    QCOMPARE(opened, QStringLiteral("TfrmImportaVeicoli"));
    QCOMPARE(helpOpened, QStringLiteral("frmGuida"));
}

// The launcher stays shown under the import: its summary is counted again when the window closes.
void tst_GuiImport::launcherSummaryAfterImport()
{
    FakePlatform platform;
    QVERIFY(Gui::writeFile(platform.archivePath(), oneCard()));
    const QString sheet = platform.folder() + QStringLiteral("scadenze.csv");
    QVERIFY(Gui::writeFile(sheet, "Tipo;Marca;Modello;Targa;Scadenza revisione\r\n"
                                  "Autovettura;Fiat;Panda;AB123CD;01/12/2026\r\n"));

    AppWindows windows;
    windows.showLauncher();
    auto* summary = windows.frmAvvio()->findChild<SummaryBanner*>(QStringLiteral("lblRiepilogoScadenze"));
    QVERIFY(summary);
    QCOMPARE(summary->text(), QStringLiteral("Nessuna scadenza nei prossimi 30 giorni."));

    Gui::whileModal([&](QWidget* window) {
        QVERIFY(window);
        platform.queueFileName(sheet);
        Gui::pushButton(window, "btnScegliFile")->click();
        Gui::pushButton(window, "btnImporta")->click();
        QTRY_VERIFY(!qobject_cast<TfrmImportaVeicoli*>(window)->isWorking());
        Gui::pushButton(window, "btnChiudi")->click();
    });
    Gui::click(windows.frmAvvio(), "imgImporta");
    QVERIFY(summary->text().startsWith(QStringLiteral("Scadute: 1 ")));
}

void tst_GuiImport::appendRunsInTheBackground_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("finished") << false;
    QTest::newRow("cancelled") << true;
}

// Another PC holds the archive while the append waits for it: the window keeps answering,
// the bar and "Annulla" show, and the end comes through the event loop. A cancel leaves the
// archive byte for byte and records no import.
void tst_GuiImport::appendRunsInTheBackground()
{
    QFETCH(bool, cancel);
    constexpr int Cars = 3000;
    FakePlatform platform;
    const QByteArray before = oneCard();
    QVERIFY(Gui::writeFile(platform.archivePath(), before));
    const QString sheet = platform.folder() + QStringLiteral("flotta.csv");
    QVERIFY(Gui::writeFile(sheet, fleetCsv(Cars)));

    TfrmImportaVeicoli window;
    window.show();
    platform.queueFileName(sheet);
    Gui::pushButton(&window, "btnScegliFile")->click();
    auto* bar = window.findChild<QProgressBar*>(QStringLiteral("prgImporta"));
    QList<int> shown;
    connect(bar, &QProgressBar::valueChanged, &window, [&shown](int value) { shown.append(value); });

    QProcess other;
    holdArchive(other, platform.folder(), 3000);
    Gui::pushButton(&window, "btnImporta")->click();
    QVERIFY(window.isWorking());
    QVERIFY(bar->isVisible());
    QVERIFY(Gui::pushButton(&window, "btnAnnulla")->isVisible());
    for (const char* command : {"btnScegliFile", "btnImporta", "btnAnnullaImportazione", "btnChiudi"})
        QVERIFY2(!Gui::pushButton(&window, command)->isEnabled(), command);
    bool answered = false;
    QTimer::singleShot(0, &window, [&answered] { answered = true; });
    QTRY_VERIFY(answered);
    QVERIFY(window.isWorking());
    QCOMPARE(Gui::readFile(platform.archivePath()), before);
    if (cancel)
        Gui::pushButton(&window, "btnAnnulla")->click();

    QTRY_VERIFY_WITH_TIMEOUT(!window.isWorking(), 20000);
    // The other PC had let go, or the append would have failed on its lock.
    other.waitForFinished(30000);
    QCOMPARE(other.state(), QProcess::NotRunning);
    QCOMPARE(other.exitCode(), 0);
    QVERIFY(!bar->isVisible());
    QVERIFY(!Gui::pushButton(&window, "btnAnnulla")->isVisible());
    QVERIFY(Gui::pushButton(&window, "btnChiudi")->isEnabled());
    if (cancel) {
        QCOMPARE(Gui::readFile(platform.archivePath()), before);
        QVERIFY(!QFile::exists(platform.folder() + QStringLiteral("Corvanta.ini")));
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(Gui::pushButton(&window, "btnImporta")->isEnabled());
    } else {
        QCOMPARE(Gui::readFile(platform.archivePath()).size(), (Cars + 1) * TSchedaVeicolo::RecordSize);
        QCOMPARE(platform.messages.constLast().text,
                 QStringLiteral("Importazione completata: 3000 schede aggiunte (posizioni da 2 a 3001)."));
        // Every step reached the bar before the end did.
        QVERIFY(shown.size() > 2);
        QVERIFY(std::is_sorted(shown.cbegin(), shown.cend()));
        QCOMPARE(shown.constLast(), 100);
    }
}

void tst_GuiImport::undoThatCannotHappenAsksNothing_data()
{
    QTest::addColumn<bool>("history");
    QTest::addColumn<QString>("said");
    QTest::newRow("a card edited since") << false << ImportRun::undoRefused();
    QTest::newRow("a card with history") << true << ImportRun::undoRefusedForHistory();
}

// The clerk is told at once why the import stays, without a question first.
void tst_GuiImport::undoThatCannotHappenAsksNothing()
{
    QFETCH(bool, history);
    QFETCH(QString, said);
    FakePlatform platform;
    QVERIFY(Gui::writeFile(platform.archivePath(), oneCard()));
    const CsvTable table = CsvReader::readFile(QStringLiteral(CORVANTA_FIXTURES "/import/excel_it.csv"));
    ImportRun::append(platform.folder(), table, ImportFields::matchAll(table.header).fields, {0, 1},
                      QDateTime::currentDateTime());
    if (history) {
        HistoryFile events(platform.folder());
        events.appendEvents({History::creation(2, QStringLiteral("AB123CD"), 0, {})});
    } else {
        QFile archive(platform.archivePath());
        QVERIFY(archive.open(QIODevice::ReadWrite));
        QVERIFY(archive.seek(TSchedaVeicolo::RecordSize + 10));
        QCOMPARE(archive.write("X"), qint64(1));
    }
    const QByteArray changed = Gui::readFile(platform.archivePath());

    TfrmImportaVeicoli window;
    window.show();
    Gui::pushButton(&window, "btnAnnullaImportazione")->click();
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.at(0).kind, Platform::MessageKind::Warning);
    QCOMPARE(platform.messages.at(0).text, said);
    QCOMPARE(Gui::readFile(platform.archivePath()), changed);
}

QTEST_MAIN(tst_GuiImport)
#include "tst_gui_import.moc"

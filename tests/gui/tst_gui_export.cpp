// The export window opened from the card: its grid, the two questions, the file it
// writes, what a failure shows, and its information line.
#include "CardFixture.h"
#include "SmallDisk.h"

#include "help/TfrmGuida.h"
#include "output/ExportFile.h"
#include "output/TfrmExpAutoparco.h"
#include "widgets/ArtworkImage.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>

#include <functional>

using Answer = Platform::Answer;
using Kind = Platform::MessageKind;
Q_DECLARE_METATYPE(Platform::Answer)

namespace {

// The first question answered Yes, then the export's failure box.
QStringList confirmedThenRefused()
{
    return {CardFixture::shown(Kind::Question, TfrmExpAutoparco::firstQuestion()),
            CardFixture::shown(Kind::Plain, QStringLiteral("Attenzione: il sistema non permette di esportare i "
                                                           "dati.\n\r\n\rAccertarsi che il file di Excel non sia "
                                                           "già aperto."))};
}

// Opens the export window from the card's cmdEsporta, runs act on it, then closes it.
// Returns the window's address while it was open.
QPointer<TfrmExpAutoparco> withExportWindow(CardFixture& f, const std::function<void(TfrmExpAutoparco*)>& act)
{
    QPointer<TfrmExpAutoparco> opened;
    Gui::whileModal([&](QWidget* modal) {
        opened = qobject_cast<TfrmExpAutoparco*>(modal);
        QVERIFY(opened);
        QVERIFY(QTest::qWaitForWindowExposed(opened));
        act(opened);
    });
    f.click("cmdEsporta");
    return opened;
}

QTableView* grid(const QWidget* window)
{
    return window->findChild<QTableView*>(QStringLiteral("grdRecords"));
}

int columnOf(const QTableView* view, const QString& header)
{
    for (int c = 0; c < view->model()->columnCount(); ++c) {
        if (view->model()->headerData(c, Qt::Horizontal).toString() == header)
            return c;
    }
    return -1;
}

} // namespace

class tst_GuiExport : public QObject {
    Q_OBJECT

private slots:
    void gridOfTheArchive_data();
    void gridOfTheArchive();
    void freshWindowEachOpening();
    void questions_data();
    void questions();
    void failureKeepsTheOldFile();
    void fullDiskKeepsTheOldFile();
    void typedCellIsExportedNotStored();
    void workbookThroughSaveDialog_data();
    void workbookThroughSaveDialog();
    void helpTopic();
    void informationLine_data();
    void informationLine();
};

void tst_GuiExport::gridOfTheArchive_data()
{
    QTest::addColumn<int>("vehicles");
    QTest::addColumn<int>("rows");

    QTest::newRow("no archive") << -1 << 10;
    QTest::newRow("empty archive") << 0 << 10;
    QTest::newRow("three vehicles") << 3 << 3;
}

void tst_GuiExport::gridOfTheArchive()
{
    QFETCH(int, vehicles);
    QFETCH(int, rows);

    CardFixture f;
    f.writeVehicles(vehicles);
    withExportWindow(f, [&](TfrmExpAutoparco* window) {
        QCOMPARE(window->windowTitle(), QStringLiteral(" Esportazione archivio veicoli in Microsoft Excel"));
        QCOMPARE(Gui::label(window, "panInfo")->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
        const QTableView* view = grid(window);
        QCOMPARE(view->model()->columnCount(), 26);
        QCOMPARE(view->model()->rowCount(), rows);
        QVERIFY(view->alternatingRowColors());
        QCOMPARE(view->rowHeight(0), 21);
        QCOMPARE(view->rowHeight(rows - 1), 21);
        const struct {
            const char* header;
            int width;
        } columns[] = {{"N.", 60},
                       {"Tipo veicolo", 200},
                       {"Pneumatici", 250},
                       {"Targa", 160},
                       {"Km percorsi", 180},
                       {"Compatibilità ambientale", 200},
                       {"Proprietario", 250},
                       {"Note", 350}};
        for (const auto& column : columns) {
            const int c = columnOf(view, QString::fromUtf8(column.header));
            QVERIFY2(c >= 0, column.header);
            QCOMPARE(view->columnWidth(c), column.width);
        }
        QCOMPARE(view->model()->index(0, 0).data().toString(), vehicles > 0 ? QStringLiteral("1") : QString());
        if (vehicles > 0)
            QCOMPARE(view->model()->index(2, 1).data().toString(), CardFixture::vehicle(3).Tipo);
        const QStringList clickable{QStringLiteral("cmdEsporta"), QStringLiteral("cmdGuida"),
                                    QStringLiteral("cmdEsci")};
        for (const QString& name : clickable) {
            const ArtworkImage* button = window->findChild<ArtworkImage*>(name);
            QVERIFY2(button && button->isClickable() && button->hasArtwork(), qPrintable(name));
        }
    });
    QCOMPARE(f.takeMessages(), QStringList());
}

void tst_GuiExport::freshWindowEachOpening()
{
    CardFixture f;
    f.writeVehicles(2);
    const QPointer<TfrmExpAutoparco> first = withExportWindow(f, [](TfrmExpAutoparco* window) {
        QAbstractItemModel* rows = grid(window)->model();
        QVERIFY(rows->setData(rows->index(0, columnOf(grid(window), QStringLiteral("Targa"))), QStringLiteral("X")));
        Gui::click(window, "cmdEsci");
    });
    QVERIFY(first.isNull());
    withExportWindow(f, [](TfrmExpAutoparco* window) {
        const QTableView* view = grid(window);
        QCOMPARE(view->model()->index(0, columnOf(view, QStringLiteral("Targa"))).data().toString(),
                 CardFixture::vehicle(1).Targa);
    });
}

void tst_GuiExport::questions_data()
{
    QTest::addColumn<Answer>("first");
    QTest::addColumn<Answer>("second");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("opened");

    QTest::newRow("yes, yes") << Answer::Yes << Answer::Yes << true << true;
    QTest::newRow("yes, no") << Answer::Yes << Answer::No << true << false;
    QTest::newRow("no") << Answer::No << Answer::Yes << false << false;
}

void tst_GuiExport::questions()
{
    QFETCH(Answer, first);
    QFETCH(Answer, second);
    QFETCH(bool, written);
    QFETCH(bool, opened);

    CardFixture f;
    f.writeVehicles(3);
    f.platform.queueAnswer(first);
    f.platform.queueAnswer(second);
    withExportWindow(f, [](TfrmExpAutoparco* window) {
        Gui::click(window, "cmdEsporta");
        // The window stays open after an export.
        QVERIFY(window->isVisible());
    });

    const QString path = ExportFile::path(f.platform.folder());
    QStringList expected{CardFixture::shown(
        Kind::Question, QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
                                       "numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati "
                                       "adesso?"))};
    if (written)
        expected << CardFixture::shown(Kind::Question,
                                       QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                                                      "Si vuole aprire il file di Excel?"));
    QCOMPARE(f.takeMessages(), expected);
    QCOMPARE(QFileInfo::exists(path), written);
    if (written)
        QVERIFY(Gui::readFile(path).contains(">Veicolo 3</td>"));
    QCOMPARE(f.platform.shellOpened, opened ? QStringList{QLatin1Char('"') + path + QLatin1Char('"')} : QStringList());
}

void tst_GuiExport::failureKeepsTheOldFile()
{
    CardFixture f;
    f.writeVehicles(1);
    const QString path = ExportFile::path(f.platform.folder());
    QVERIFY(QDir().mkpath(path));
    f.platform.queueAnswer(Answer::Yes);
    withExportWindow(f, [](TfrmExpAutoparco* window) { Gui::click(window, "cmdEsporta"); });

    QCOMPARE(f.takeMessages(), confirmedThenRefused());
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(f.platform.shellOpened, QStringList());
}

// On a full disk the export fails as any export failure does, and the last export stays
// byte for byte.
void tst_GuiExport::fullDiskKeepsTheOldFile()
{
    CardFixture f;
    SmallDisk disk(f.platform.folder());
    if (!disk.mounted())
        QSKIP("mounting a small file system needs root");
    f.writeVehicles(1);
    const QString path = ExportFile::path(f.platform.folder());
    const QByteArray before("<html>the last export</html>");
    Gui::writeFile(path, before);
    disk.fill();
    f.platform.queueAnswer(Answer::Yes);
    withExportWindow(f, [](TfrmExpAutoparco* window) { Gui::click(window, "cmdEsporta"); });

    QCOMPARE(f.takeMessages(), confirmedThenRefused());
    QCOMPARE(Gui::readFile(path), before);
    QCOMPARE(f.platform.shellOpened, QStringList());
}

void tst_GuiExport::typedCellIsExportedNotStored()
{
    CardFixture f;
    f.writeVehicles(2);
    const QByteArray archive = f.archiveBytes();
    f.platform.queueAnswer(Answer::Yes);
    f.platform.queueAnswer(Answer::No);
    withExportWindow(f, [](TfrmExpAutoparco* window) {
        QTableView* view = grid(window);
        const QModelIndex targa = view->model()->index(1, columnOf(view, QStringLiteral("Targa")));
        const QModelIndex tipo = view->model()->index(1, columnOf(view, QStringLiteral("Tipo veicolo")));
        // A read-only column takes no typing.
        view->setCurrentIndex(tipo);
        QTest::keyClicks(view, QStringLiteral("Q"));
        QCOMPARE(tipo.data().toString(), CardFixture::vehicle(2).Tipo);
        // The plate is typed and the export pressed while its cell is still being edited.
        view->setCurrentIndex(targa);
        QTest::keyClick(view, 'Z');
        QWidget* editor = view->indexWidget(targa);
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("Z000ZZ"));
        Gui::click(window, "cmdEsporta");
    });

    QVERIFY(Gui::readFile(ExportFile::path(f.platform.folder())).contains(">ZZ000ZZ</td>"));
    QCOMPARE(f.archiveBytes(), archive);
}

void tst_GuiExport::helpTopic()
{
    CardFixture f;
    QString title;
    withExportWindow(f, [&title](TfrmExpAutoparco* window) {
        Gui::whileModal([&title](QWidget* help) {
            QVERIFY(qobject_cast<TfrmGuida*>(help));
            title = Gui::label(help, "lblTitolo")->text();
        });
        Gui::click(window, "cmdGuida");
    });
    QCOMPARE(title, QStringLiteral("Esportazione archivio veicoli in Microsoft Excel"));
}

void tst_GuiExport::workbookThroughSaveDialog_data()
{
    QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
    QTest::addColumn<bool>("failing");

    QTest::newRow("saved") << QStringLiteral("Parco.xlsx") << false;
    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("folder in the way") << QStringLiteral("Parco.xlsx") << true;
}

// imgEsportaXlsx asks where through the save dialog, preset to Parco_Automezzi.xlsx, and
// leaves the .xls export alone.
void tst_GuiExport::workbookThroughSaveDialog()
{
    QFETCH(QString, chosen);
    QFETCH(bool, failing);

    CardFixture f;
    f.writeVehicles(2);
    const QString path = chosen.isEmpty() ? QString() : f.platform.folder() + chosen;
    if (failing)
        QVERIFY(QDir().mkpath(path));
    f.platform.queueFileName(path);
    f.platform.queueAnswer(Answer::Yes);
    withExportWindow(f, [](TfrmExpAutoparco* window) { Gui::click(window, "imgEsportaXlsx"); });

    QCOMPARE(f.platform.dialogs.size(), 1);
    const Platform::FileDialogOptions& options = f.platform.dialogs.front().options;
    QVERIFY(f.platform.dialogs.front().save);
    QCOMPARE(options.presetName, QStringLiteral("Parco_Automezzi.xlsx"));
    QCOMPARE(options.defaultExtension, QStringLiteral("xlsx"));
    QVERIFY(options.confirmOverwrite);
    QVERIFY(!QFileInfo::exists(ExportFile::path(f.platform.folder())));

    QStringList expected;
    if (failing)
        expected << CardFixture::shown(Kind::Plain, ExportFile::failureMessage());
    else if (!chosen.isEmpty())
        expected << CardFixture::shown(Kind::Question,
                                       QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                                                      "Si vuole aprire il file di Excel?"));
    QCOMPARE(f.takeMessages(), expected);
    const bool written = !chosen.isEmpty() && !failing;
    QCOMPARE(QFileInfo(path).isFile(), written);
    if (written) {
        QCOMPARE(Gui::readFile(path).left(2), QByteArray("PK")); // a ZIP container
        QCOMPARE(f.platform.shellOpened, QStringList{QLatin1Char('"') + path + QLatin1Char('"')});
    }
}

void tst_GuiExport::informationLine_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("then"); // empty: stays on first
    QTest::addColumn<QString>("text");

    const char* const esporta = "Esporta l'archivio in formato Microsoft Excel.";
    const struct {
        const char *name, *first, *then, *text;
    } rows[] = {
        {"export", "cmdEsporta", "", esporta},
        {"help", "cmdGuida", "", "Visualizza la pagina della guida sensibile al contesto."},
        {"exit", "cmdEsci", "", "Esci da questo ambiente di lavoro."},
        {"workbook", "imgEsportaXlsx", "",
         "Salva l'archivio, i costi e le scadenze in una cartella di lavoro Excel (.xlsx)."},
        {"to the grid", "cmdEsporta", "grdRecords", ""},
        {"to the white strip", "cmdEsporta", "shpSfondo", ""},
        {"to the information strip", "cmdEsporta", "shpInfo", ""},
        {"to the banner", "cmdEsporta", "imgLogo", esporta},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.first) << QString::fromLatin1(row.then)
                                << QString::fromUtf8(row.text);
}

void tst_GuiExport::informationLine()
{
    QFETCH(QString, first);
    QFETCH(QString, then);
    QFETCH(QString, text);

    CardFixture f;
    QString shown;
    withExportWindow(f, [&](TfrmExpAutoparco* window) {
        auto hover = [window](const QString& name) {
            QWidget* target = window->findChild<QWidget*>(name);
            QVERIFY2(target, qPrintable(name));
            if (auto* view = qobject_cast<QTableView*>(target))
                target = view->viewport();
            // Sent to the control itself: the offscreen cursor would find the card below first.
            const bool button = qobject_cast<ArtworkImage*>(target) != nullptr;
            const QPointF at = button ? QPointF(target->rect().center()) : QPointF(2, 2);
            QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(target, &move);
        };
        hover(first);
        if (!then.isEmpty())
            hover(then);
        shown = Gui::label(window, "panInfo")->text();
    });
    QCOMPARE(shown, text);
}

QTEST_MAIN(tst_GuiExport)
#include "tst_gui_export.moc"

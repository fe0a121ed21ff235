// The import as the clerk meets it: from the launcher's imgImporta, a file as Italian Excel
// writes it, a column left out, the import and its undo.
#include "FakePlatform.h"
#include "WindowTest.h"

#include "app/AppWindows.h"
#include "app/TfrmAvvio.h"
#include "archive/RecordCodec.h"
#include "archive/TSchedaVeicolo.h"
#include "import/FieldChoiceDelegate.h"
#include "widgets/ArtworkImage.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

QStringList headers(const QTableWidget* grid)
{
    QStringList made;
    for (int c = 0; c < grid->columnCount(); ++c)
        made.append(grid->horizontalHeaderItem(c)->text());
    return made;
}

} // namespace

class tst_GuiImport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void importAndUndoFromTheLauncher();
};

void tst_GuiImport::importAndUndoFromTheLauncher()
{
    FakePlatform platform;
    TSchedaVeicolo existing;
    existing.Tipo = QStringLiteral("Autovettura");
    existing.Targa = QStringLiteral("ZZ999ZZ");
    const QByteArray before = encodeRecord(existing);
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
        auto* grdColonne = window->findChild<QTableWidget*>(QStringLiteral("grdColonne"));
        auto* grdAnteprima = window->findChild<QTableWidget*>(QStringLiteral("grdAnteprima"));
        auto* lblEsito = window->findChild<QLabel*>(QStringLiteral("lblEsito"));
        auto* lstProblemi = window->findChild<QListWidget*>(QStringLiteral("lstProblemi"));
        QVERIFY(grdColonne && grdAnteprima && lblEsito && lstProblemi);
        QVERIFY(!Gui::pushButton(window, "btnImporta")->isEnabled());

        platform.queueFileName(QStringLiteral(CORVANTA_FIXTURES "/import/excel_it.csv"));
        Gui::pushButton(window, "btnScegliFile")->click();
        QCOMPARE(platform.dialogs.last().options.filter, QStringLiteral("File CSV (*.csv *.txt)|*.csv;*.txt"));
        QCOMPARE(grdColonne->rowCount(), 10);
        QCOMPARE(grdColonne->item(4, 0)->text(), QStringLiteral("Km"));
        QCOMPARE(grdColonne->item(4, 1)->text(), QStringLiteral("12.345,5"));
        QCOMPARE(grdColonne->item(4, 2)->text(), QStringLiteral("Chilometri percorsi"));
        QCOMPARE(lblEsito->text(), QStringLiteral("Da importare: 3 · Da saltare: 2 · Avvisi: 1"));
        QCOMPARE(lstProblemi->count(), 3);
        QCOMPARE(grdAnteprima->rowCount(), 5);
        QVERIFY(headers(grdAnteprima).contains(QStringLiteral("Chilometri percorsi")));

        // The column's choice goes through the delegate, as a click in the cell makes it.
        grdColonne->editItem(grdColonne->item(4, 2));
        auto* choice = grdColonne->findChild<QComboBox*>(QStringLiteral("cboCampo"));
        QVERIFY(choice);
        choice->setCurrentIndex(choice->findText(FieldChoiceDelegate::notImported()));
        QTest::keyClick(choice, Qt::Key_Return);
        QTRY_COMPARE(grdColonne->item(4, 2)->text(), FieldChoiceDelegate::notImported());
        QVERIFY(!headers(grdAnteprima).contains(QStringLiteral("Chilometri percorsi")));

        Gui::pushButton(window, "btnImporta")->click();
        QCOMPARE(platform.messages.last().text,
                 QStringLiteral("Importazione completata: 3 schede aggiunte (posizioni da 2 a 4)."));
        QCOMPARE(Gui::readFile(platform.archivePath()).size(), 4 * TSchedaVeicolo::RecordSize);
        QCOMPARE(lblEsito->text(), QStringLiteral("Da importare: 0 · Da saltare: 5 · Avvisi: 0"));

        platform.queueAnswer(Platform::Answer::Yes);
        Gui::pushButton(window, "btnAnnullaImportazione")->click();
        QCOMPARE(platform.messages.at(platform.messages.size() - 2).kind, Platform::MessageKind::Question);
        QVERIFY(platform.messages.at(platform.messages.size() - 2).text.endsWith(QStringLiteral("(3 schede)?")));
        QCOMPARE(Gui::readFile(platform.archivePath()), before);

        Gui::whileModal([&](QWidget* help) { helpOpened = help ? help->objectName() : QString(); });
        Gui::click(window, "imgGuida");
        Gui::pushButton(window, "btnChiudi")->click();
    });
    Gui::click(windows.frmAvvio(), "imgImporta");
    QCOMPARE(opened, QStringLiteral("TfrmImportaVeicoli"));
    QCOMPARE(helpOpened, QStringLiteral("frmGuida"));
}

QTEST_MAIN(tst_GuiImport)
#include "tst_gui_import.moc"

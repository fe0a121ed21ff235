// The search window: criteria, the result list with its count, find and print, and the
// recall of a found vehicle into the card.
#include "CardFixture.h"

#include "archive/VehicleArchive.h"
#include "search/TfrmTrovaAutomezzi.h"
#include "widgets/LineList.h"
#include "widgets/ShapeRect.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

using Fields = QList<QPair<QString TSchedaVeicolo::*, QString>>;

// The search window over the card, as cmdTrova opens it but without its modal loop.
struct SearchWindow {
    explicit SearchWindow(CardFixture& f) : window(&f.card)
    {
        window.setTag(QStringLiteral("autoparco"));
        window.setCard(&f.card);
        window.show();
    }
    QLineEdit* criterion(const char* name) const { return Gui::editBox(&window, name); }
    QPushButton* button(const char* name) const { return window.findChild<QPushButton*>(QLatin1String(name)); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    LineList* list() const { return window.findChild<LineList*>(QStringLiteral("lstRecords")); }
    QWidget* panel(const char* name) const { return window.findChild<QWidget*>(QLatin1String(name)); }
    QString labelText(const char* name) const { return Gui::label(&window, name)->text(); }
    ShapeRect* highlight(const char* name) const { return window.findChild<ShapeRect*>(QLatin1String(name)); }
    void search(const Fields& criteria)
    {
        for (const auto& [field, text] : criteria)
            Gui::typeInto(criterion(boxOf(field)), text);
        click("btnCerca");
    }
    static const char* boxOf(QString TSchedaVeicolo::*field)
    {
        for (const auto& row : TfrmTrovaAutomezzi::CriterionBoxes) {
            if (row.field == field)
                return row.name;
        }
        return nullptr;
    }

    TfrmTrovaAutomezzi window;
};

TSchedaVeicolo vehicle(const QString& tipo, const Fields& fields)
{
    TSchedaVeicolo record;
    record.Tipo = tipo;
    record.Marca = QStringLiteral("Marca");
    record.Modello = QStringLiteral("Modello");
    record.Targa = QStringLiteral("AA000AA");
    for (const auto& [field, text] : fields)
        record.*field = text;
    return record;
}

QString count(int lines)
{
    return QStringLiteral("Il presente riepilogo contiene %1 schede").arg(lines);
}

// The Tipo of every listed line, in list order.
QStringList listedTypes(const LineList* list)
{
    QStringList types;
    for (const QString& line : list->lines())
        types.append(line.left(20).trimmed());
    return types;
}

bool popplerPresent()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString pdfText(const QString& path)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput());
}

QString collapsed(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

} // namespace

Q_DECLARE_METATYPE(Fields)

class tst_GuiSearch : public QObject {
    Q_OBJECT

private slots:
    void criteria_data();
    void criteria();
    void resultPanelAndCount_data();
    void resultPanelAndCount();
    void waitingTextBeforeTheScan();
    void archiveFailureKeepsTheCriteria();
    void findInTheResults();
    void printsTheListedLines();
    void recall_data();
    void recall();
    void failedRecallOnlyCloses_data();
    void failedRecallOnlyCloses();
    void enterRingAndHighlight();
};

void tst_GuiSearch::criteria_data()
{
    QTest::addColumn<Fields>("criteria");
    QTest::addColumn<QString>("given"); // lblConta
    QTest::addColumn<QStringList>("listed");

    // Three vehicles: their Tipo names them in the list.
    using V = TSchedaVeicolo;
    QTest::newRow("none lists every vehicle, sorted")
        << Fields{} << QStringLiteral("0")
        << QStringList{QStringLiteral("Auto"), QStringLiteral("furgone"), QStringLiteral("Ètto")};
    QTest::newRow("A to Z folded, two criteria")
        << Fields{{&V::Marca, QStringLiteral("fiAT")}, {&V::Targa, QStringLiteral("ab")}} << QStringLiteral("2")
        << QStringList{QStringLiteral("Auto")};
    QTest::newRow("untrimmed: a trailing blank must be found")
        << Fields{{&V::Marca, QStringLiteral("fiat ")}} << QStringLiteral("1") << QStringList{};
    QTest::newRow("leading blank found inside the field")
        << Fields{{&V::Autista, QStringLiteral(" rossi")}} << QStringLiteral("1")
        << QStringList{QStringLiteral("furgone")};
    QTest::newRow("blanks only: not in N, every vehicle")
        << Fields{{&V::Note, QStringLiteral("  ")}} << QStringLiteral("0")
        << QStringList{QStringLiteral("Auto"), QStringLiteral("furgone"), QStringLiteral("Ètto")};
    QTest::newRow("blanks only still score")
        << Fields{{&V::Targa, QStringLiteral("zz")}, {&V::Note, QStringLiteral("  ")}} << QStringLiteral("1")
        << QStringList{QStringLiteral("furgone")};
    QTest::newRow("è is not È") << Fields{{&V::Tipo, QStringLiteral("ètto")}} << QStringLiteral("1") << QStringList{};
    QTest::newRow("È matches itself") << Fields{{&V::Tipo, QStringLiteral("ÈTTO")}} << QStringLiteral("1")
                                      << QStringList{QStringLiteral("Ètto")};
    QTest::newRow("a criterion in the wrong field")
        << Fields{{&V::Autista, QStringLiteral("fiat")}} << QStringLiteral("1") << QStringList{};
    QTest::newRow("every box tested against its own field")
        << Fields{{&V::Tipo, QStringLiteral("o")},
                  {&V::Destinazione, QStringLiteral("uso")},
                  {&V::Marca, QStringLiteral("i")},
                  {&V::Modello, QStringLiteral("d")},
                  {&V::Targa, QStringLiteral("x")},
                  {&V::Stato, QStringLiteral("attivo")},
                  {&V::Autista, QStringLiteral("rossi")},
                  {&V::Meccanico, QStringLiteral("bianchi")},
                  {&V::Proprietario, QStringLiteral("ditta")},
                  {&V::Note, QStringLiteral("note")}}
        << QStringLiteral("10") << QStringList{QStringLiteral("furgone")};
}

void tst_GuiSearch::criteria()
{
    QFETCH(Fields, criteria);
    QFETCH(QString, given);
    QFETCH(QStringList, listed);

    using V = TSchedaVeicolo;
    CardFixture f;
    f.writeRecord(vehicle(QStringLiteral("furgone"), {{&V::Destinazione, QStringLiteral("Uso proprio")},
                                                      {&V::Marca, QStringLiteral("Fiat")},
                                                      {&V::Modello, QStringLiteral("Ducato")},
                                                      {&V::Targa, QStringLiteral("XY1")},
                                                      {&V::Stato, QStringLiteral("Attivo")},
                                                      {&V::Autista, QStringLiteral("Mario Rossi")},
                                                      {&V::Meccanico, QStringLiteral("Officina Bianchi")},
                                                      {&V::Proprietario, QStringLiteral("Ditta Verdi")},
                                                      {&V::Note, QStringLiteral("Note:  due blanks")}}));
    f.writeRecord(vehicle(QStringLiteral("Ètto"), {{&V::Marca, QStringLiteral("Lancia")}}));
    f.writeRecord(
        vehicle(QStringLiteral("Auto"), {{&V::Marca, QStringLiteral("FIAT")}, {&V::Targa, QStringLiteral("AB123CD")}}));

    SearchWindow w(f);
    w.search(criteria);
    QCOMPARE(w.labelText("lblConta"), given);
    QCOMPARE(listedTypes(w.list()), listed);
    QCOMPARE(w.labelText("lblTrovate"), count(static_cast<int>(listed.size())));
}

void tst_GuiSearch::resultPanelAndCount_data()
{
    QTest::addColumn<int>("vehicles"); // -1: no archive
    QTest::newRow("no archive") << -1;
    QTest::newRow("empty archive") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("three") << 3;
}

void tst_GuiSearch::resultPanelAndCount()
{
    QFETCH(int, vehicles);
    CardFixture f;
    f.writeVehicles(vehicles);
    SearchWindow w(f);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QVERIFY(w.panel("panAvvio")->isVisible());
    QVERIFY(!w.panel("panContainer")->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.criterion("txtTipo"));

    w.click("btnCerca");
    QVERIFY(!w.panel("panAvvio")->isVisible());
    QVERIFY(w.panel("panContainer")->isVisible());
    QCOMPARE(w.list()->count(), qMax(vehicles, 0));
    QCOMPARE(w.labelText("lblTrovate"), count(qMax(vehicles, 0)));
    QCOMPARE(QApplication::focusWidget(), w.criterion("txtTrova"));
    QVERIFY(f.takeMessages().isEmpty());
    QVERIFY(QFileInfo::exists(f.archivePath())); // a missing archive is created empty
}

void tst_GuiSearch::waitingTextBeforeTheScan()
{
    CardFixture f;
    f.writeVehicles(2);
    SearchWindow w(f);
    QLabel* lblAttendere = Gui::label(&w.window, "lblAttendere");
    QCOMPARE(lblAttendere->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
    QVERIFY(!lblAttendere->isVisible());
    QTest::mousePress(w.button("btnCerca"), Qt::LeftButton);
    QVERIFY(lblAttendere->isVisible());
    QCOMPARE(w.list()->count(), 0); // the scan comes with the click
    QTest::mouseRelease(w.button("btnCerca"), Qt::LeftButton);
    QCOMPARE(w.list()->count(), 2);
}

void tst_GuiSearch::archiveFailureKeepsTheCriteria()
{
    CardFixture f;
    f.makeUnreachable(CardFixture::Failure::ArchiveIsFolder);
    SearchWindow w(f);
    Gui::typeInto(w.criterion("txtMarca"), QStringLiteral("fiat"));
    w.click("btnCerca");
    QCOMPARE(f.takeMessages(),
             QStringList{CardFixture::shown(Platform::MessageKind::Plain, ArchiveMessages::accessFailure())});
    QVERIFY(w.panel("panAvvio")->isVisible());
    QVERIFY(!w.panel("panContainer")->isVisible());
    QCOMPARE(w.criterion("txtMarca")->text(), QStringLiteral("fiat"));
    QVERIFY(!Gui::label(&w.window, "lblAttendere")->isVisible());
}

void tst_GuiSearch::findInTheResults()
{
    CardFixture f;
    f.writeVehicles(12); // Veicolo 1, Veicolo 10, Veicolo 11, Veicolo 12, Veicolo 2, ...
    SearchWindow w(f);
    w.click("btnCerca");
    const int expected[] = {0, 1, 2, 3, 0};
    for (int row : expected) {
        Gui::typeInto(w.criterion("txtTrova"), QStringLiteral("veicolo 1"));
        w.click("btnTrova");
        QCOMPARE(w.list()->selectedRow(), row);
    }
    // Enter moves to "Trova" without finding.
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.criterion("txtTrova")->setFocus();
    QTest::keyClick(w.criterion("txtTrova"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.button("btnTrova"));
    QCOMPARE(w.list()->selectedRow(), 0);
    // Enter on the button finds, as a click does.
    QTest::keyClick(w.button("btnTrova"), Qt::Key_Return);
    QCOMPARE(w.list()->selectedRow(), 1);
}

void tst_GuiSearch::printsTheListedLines()
{
    if (!popplerPresent())
        QSKIP("pdftotext (poppler-utils) is needed to read the printout back");
    CardFixture f;
    f.writeVehicles(3);
    SearchWindow w(f);
    w.click("btnCerca");
    const QString pdf = f.platform.folder() + QStringLiteral("riepilogo.pdf");
    f.platform.queuePrintFile(pdf);
    w.click("btnStampa");
    QCOMPARE(f.platform.prints.size(), 1);

    const QString printed = collapsed(pdfText(pdf));
    QVERIFY2(printed.startsWith(QStringLiteral("Riepilogo schede veicoli in archivio")), qPrintable(printed));
    qsizetype from = 0;
    for (const QString& line : w.list()->lines()) {
        const qsizetype at = printed.indexOf(collapsed(line), from);
        QVERIFY2(at > from, qPrintable(line));
        from = at;
    }
    QCOMPARE(w.list()->count(), 3); // the list stays
}

void tst_GuiSearch::recall_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::newRow("duplicates recall the last") << QStringLiteral("Autocarro");
    QTest::newRow("Tipo longer than its column") << QStringLiteral("Autocarro con gru a braccio");
}

void tst_GuiSearch::recall()
{
    QFETCH(QString, tipo);
    using V = TSchedaVeicolo;
    CardFixture f;
    f.writeVehicles(1);
    // Positions 2 and 4 give the same line; they differ in fields the line does not show.
    f.writeRecord(vehicle(tipo, {{&V::Colore, QStringLiteral("Rosso")}, {&V::File01, QStringLiteral("a.pdf")}}));
    f.writeVehicles(1);
    f.writeRecord(vehicle(tipo, {{&V::Colore, QStringLiteral("Blu")}, {&V::Desc03, QStringLiteral("Polizza")}}));
    QDir().mkpath(QFileInfo(f.photoPath(4)).absolutePath());
    const QImage photo = Gui::testPicture({64, 48});
    QVERIFY(photo.save(f.photoPath(4), "JPG"));

    bool closed = false;
    Gui::whileModal(
        [&](QWidget* window) {
            QVERIFY(window);
            QCOMPARE(window->objectName(), QStringLiteral("frmTrovaAutomezzi"));
            QCOMPARE(window->windowTitle(), QStringLiteral(" Trova schede veicoli in archivio"));
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);
            auto* list = window->findChild<LineList*>(QStringLiteral("lstRecords"));
            const int row = 0; // "Autocarro" comes before "Veicolo"
            QVERIFY2(list->line(row).startsWith(QStringLiteral("Autocarro")), qPrintable(list->line(row)));
            const QRect item = list->visualRect(list->model()->index(row, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
        },
        &closed);
    f.click("cmdTrova");
    QVERIFY(closed);

    TSchedaVeicolo expected =
        vehicle(tipo, {{&V::Colore, QStringLiteral("Blu")}, {&V::Desc03, QStringLiteral("Polizza")}});
    QCOMPARE(f.card.recordOnCard(), expected);
    QCOMPARE(f.positionText(), QStringLiteral("4"));
    QCOMPARE(Gui::rgb(f.card.photo()), Gui::rgb(QImage(f.photoPath(4))));
}

void tst_GuiSearch::failedRecallOnlyCloses_data()
{
    QTest::addColumn<bool>("selectFirst");
    QTest::addColumn<bool>("archiveGone"); // a folder stands in the archive's place by the double click
    QTest::newRow("no line selected") << false << false;
    QTest::newRow("archive unreadable") << true << true;
}

void tst_GuiSearch::failedRecallOnlyCloses()
{
    QFETCH(bool, selectFirst);
    QFETCH(bool, archiveGone);
    CardFixture f;
    f.writeVehicles(2);
    bool closed = false;
    Gui::whileModal(
        [&](QWidget* window) {
            QVERIFY(window);
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);
            auto* list = window->findChild<LineList*>(QStringLiteral("lstRecords"));
            if (selectFirst)
                list->selectRow(0);
            if (archiveGone) {
                QVERIFY(QFile::remove(f.archivePath()));
                QVERIFY(QDir().mkpath(f.archivePath()));
            }
            // Below the two lines.
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, {10, list->viewport()->height() - 4});
        },
        &closed);
    f.click("cmdTrova");
    QVERIFY(closed);
    QVERIFY(f.takeMessages().isEmpty());
    Gui::verifyNewAndEmpty(&f.card);
}

void tst_GuiSearch::enterRingAndHighlight()
{
    CardFixture f;
    SearchWindow w(f);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    const auto& rows = TfrmTrovaAutomezzi::CriterionBoxes;
    for (size_t i = 0; i <= rows.size(); ++i) {
        const auto& row = rows[i % rows.size()];
        QLineEdit* box = w.criterion(row.name);
        QCOMPARE(QApplication::focusWidget(), box);
        for (const auto& other : rows) {
            ShapeRect* rectangle = w.highlight(other.highlight);
            QVERIFY(rectangle);
            QCOMPARE(rectangle->isVisible(), &other == &row);
        }
        const QRect around = w.highlight(row.highlight)->geometry();
        QCOMPARE(around.size(), QSize(328, 30));
        QVERIFY(around.contains(box->geometry()));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QString()); // Enter types nothing
    }
    QVERIFY(w.panel("panAvvio")->isVisible()); // Enter does not search
}

QTEST_MAIN(tst_GuiSearch)
#include "tst_gui_search.moc"

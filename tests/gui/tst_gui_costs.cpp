// The cost window: opened from the card after its checks, listing and totalling a
// vehicle's cost file, adding and changing entries, the amount box, find and print.
#include "CardFixture.h"

#include "costs/CostFile.h"
#include "costs/TfrmAllegaExcel.h"
#include "widgets/LineList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

namespace {

using Kind = Platform::MessageKind;

const QString Inserted = QStringLiteral("Information: La scheda corrente è stata inserita in archivio.");
const QString Changed =
    QStringLiteral("Information: Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString SaveFailure =
    QStringLiteral("Warning: Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
                   "possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QStringList EntryBoxes = {QStringLiteral("txtData"), QStringLiteral("txtCausale"), QStringLiteral("txtPagatore"),
                                QStringLiteral("txtBeneficiario"), QStringLiteral("txtImporto")};

TCostoVeicolo entry(const QString& date, const QString& reason, const QString& payer, const QString& payee,
                    const QString& amount)
{
    return {date, reason, payer, payee, amount};
}

QString costPath(const CardFixture& f, int position)
{
    return f.platform.folder() + CostFile::fileName(position);
}

void writeCosts(const CardFixture& f, int position, const QList<TCostoVeicolo>& entries)
{
    CostFile file(f.platform.folder(), position);
    for (const TCostoVeicolo& item : entries)
        file.append(item);
    file.close();
}

QList<TCostoVeicolo> readCosts(const CardFixture& f, int position)
{
    QList<TCostoVeicolo> entries;
    CostFile file(f.platform.folder(), position);
    const int count = file.count();
    for (int i = 0; i < count; ++i)
        entries.append(file.readNext());
    file.close();
    return entries;
}

// The card showing stored vehicle `shown` of `vehicles`, and the cost window over it as
// btnCosti opens it, shown without its modal loop so the test can drive it.
struct CostWindow {
    explicit CostWindow(CardFixture& f) : window(&f.card)
    {
        window.setCard(&f.card);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the cost window did not become active");
    }
    QLineEdit* box(const QString& name) const { return window.findChild<QLineEdit*>(name); }
    QLabel* label(const char* name) const { return window.findChild<QLabel*>(QLatin1String(name)); }
    LineList* list() const { return window.findChild<LineList*>(QStringLiteral("lstRecords")); }
    void click(const char* name) { Gui::push(&window, name); }
    bool entryPanelShown() const { return window.findChild<QWidget*>(QStringLiteral("panCosti"))->isVisible(); }
    void fill(const TCostoVeicolo& values)
    {
        int i = 0;
        for (const auto& field : TCostoVeicolo::fields())
            box(EntryBoxes.at(i++))->setText(values.*(field.member));
    }
    void enter(const QString& name) { QTest::keyClick(box(name), Qt::Key_Return); }

    TfrmAllegaExcel window;
};

// A fixture card with two stored vehicles, showing vehicle `shown`.
void showVehicle(CardFixture& f, int shown)
{
    f.writeVehicles(2);
    f.showStored(shown);
}

bool popplerPresent()
{
    QProcess probe;
    probe.start(QStringLiteral("pdftotext"), {QStringLiteral("-v")});
    return probe.waitForFinished() && probe.exitStatus() == QProcess::NormalExit;
}

} // namespace

class tst_GuiCosts : public QObject {
    Q_OBJECT

private slots:
    void openChecks_data();
    void openChecks();
    void listAndTotal_data();
    void listAndTotal();
    void addModifyAndSaveTwice();
    void modifyTakesLastMatch();
    void modifyMessages();
    void saveChecks_data();
    void saveChecks();
    void saveStoresAmountText();
    void enterRing();
    void amountKeys_data();
    void amountKeys();
    void amountNormalised_data();
    void amountNormalised();
    void amountTypedAfterAClickReplacesIt();
    void backToTheList();
    void todaysDate();
    void find();
    void print();
    void vehiclesStayApart();
    void failures_data();
    void failures();
    void modifyFailureCloses();
};

void tst_GuiCosts::openChecks_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("emptied"); // a card box emptied before the click
    QTest::addColumn<QString>("message"); // empty: the window opens

    QTest::newRow("new card") << false << QString()
                              << QStringLiteral("Warning: Attenzione: la gestione dei costi può avvenire soltanto "
                                                "dopo che la scheda del veicolo è stata salvata in archivio.");
    QTest::newRow("no make") << true << QStringLiteral("txtMarca")
                             << QStringLiteral("Warning: Attenzione: per accedere alla gestione dei costi è "
                                               "necessario indicare la marca del veicolo.");
    QTest::newRow("no model") << true << QStringLiteral("txtModello")
                              << QStringLiteral("Warning: Attenzione: per accedere alla gestione dei costi è "
                                                "necessario indicare il modello del veicolo.");
    QTest::newRow("plate of blanks") << true << QStringLiteral("txtTarga")
                                     << QStringLiteral("Warning: Attenzione: per accedere alla gestione dei costi è "
                                                       "necessario indicare la targa del veicolo.");
    QTest::newRow("stored vehicle") << true << QString() << QString();
}

void tst_GuiCosts::openChecks()
{
    QFETCH(bool, stored);
    QFETCH(QString, emptied);
    QFETCH(QString, message);

    CardFixture f;
    f.writeVehicles(3);
    if (stored)
        f.showStored(3);
    else
        f.type("txtMarca", QStringLiteral("Fiat"));
    if (!emptied.isEmpty())
        f.box(emptied.toLatin1().constData())->setText(QStringLiteral("   "));

    QString seen, title, total;
    int lines = -1;
    bool closed = false;
    Gui::whileModal(
        [&](QWidget* window) {
            seen = window ? window->objectName() : QString();
            if (!window)
                return;
            title = window->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text();
            total = window->findChild<QLabel*>(QStringLiteral("lblTotale"))->text();
            lines = window->findChild<LineList*>(QStringLiteral("lstRecords"))->count();
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnChiudi")), Qt::LeftButton);
        },
        &closed);
    f.click("btnCosti");

    if (!message.isEmpty()) {
        QCOMPARE(f.takeMessages(), QStringList{message});
        if (!emptied.isEmpty())
            QCOMPARE(f.card.focusWidget(), f.box(emptied.toLatin1().constData()));
        QVERIFY(!QFileInfo::exists(costPath(f, 3)));
        QTest::qWait(10); // the pending whileModal runs, finding no window
        return;
    }
    QCOMPARE(seen, QStringLiteral("frmAllegaExcel"));
    QVERIFY2(closed, "Chiudi did not close the window");
    QCOMPARE(f.card.findChildren<QDialog*>().size(), 0);
    QCOMPARE(f.takeMessages(), QStringList());
    const TSchedaVeicolo vehicle = CardFixture::vehicle(3);
    QCOMPARE(title, vehicle.Marca + QLatin1Char(' ') + vehicle.Modello + QStringLiteral(" targata ") + vehicle.Targa);
    QCOMPARE(lines, 0);
    QCOMPARE(total, QStringLiteral("€ 0,00"));
    // Opening leaves the vehicle's empty cost file behind.
    QVERIFY(QFileInfo::exists(costPath(f, 3)));
    QCOMPARE(QFileInfo(costPath(f, 3)).size(), 0);
}

void tst_GuiCosts::listAndTotal_data()
{
    QTest::addColumn<QList<TCostoVeicolo>>("entries");
    QTest::addColumn<QByteArray>("trailing"); // bytes after the last whole entry
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("total");

    const auto amount = [](const QString& value) {
        return entry(QStringLiteral("01/02/2026"), QStringLiteral("Causale"), QStringLiteral("Ditta"),
                     QStringLiteral("Officina"), value);
    };
    QTest::newRow("two amounts") << QList<TCostoVeicolo>{amount(QStringLiteral("10,10")),
                                                         amount(QStringLiteral("20,20"))}
                                 << QByteArray() << 2 << QStringLiteral("€ 30,30");
    QTest::newRow("three small amounts") << QList<TCostoVeicolo>{amount(QStringLiteral("0,10")),
                                                                 amount(QStringLiteral("0,20")),
                                                                 amount(QStringLiteral("0,30"))}
                                         << QByteArray() << 3 << QStringLiteral("€ 0,60");
    QTest::newRow("empty amount is absent")
        << QList<TCostoVeicolo>{amount(QStringLiteral("5,00")), amount(QString()), amount(QStringLiteral("7,50"))}
        << QByteArray() << 2 << QStringLiteral("€ 12,50");
    // Written by other means: listed, left out of the total, and the later ones still count.
    QTest::newRow("unreadable amount") << QList<TCostoVeicolo>{amount(QStringLiteral("10,10")),
                                                               amount(QStringLiteral("dieci")),
                                                               amount(QStringLiteral("20,20"))}
                                       << QByteArray() << 3 << QStringLiteral("€ 30,30");
    QTest::newRow("trailing fragment") << QList<TCostoVeicolo>{amount(QStringLiteral("1,00"))} << QByteArray(50, 'x')
                                       << 1 << QStringLiteral("€ 1,00");
}

void tst_GuiCosts::listAndTotal()
{
    QFETCH(QList<TCostoVeicolo>, entries);
    QFETCH(QByteArray, trailing);
    QFETCH(int, lines);
    QFETCH(QString, total);

    CardFixture f;
    showVehicle(f, 1);
    writeCosts(f, 1, entries);
    if (!trailing.isEmpty()) {
        QFile file(costPath(f, 1));
        QVERIFY(file.open(QIODevice::Append));
        file.write(trailing);
    }
    CostWindow w(f);
    QCOMPARE(w.list()->count(), lines);
    QCOMPARE(w.label("lblTotale")->text(), total);
    QCOMPARE(w.list()->selectedRow(), -1);
    QCOMPARE(w.window.focusWidget(), w.box(QStringLiteral("txtTrova")));
    QVERIFY(!w.entryPanelShown());
    // Lines in file order, the amount at character 143.
    QCOMPARE(w.list()->line(0).mid(143), entries.first().Importo);
    QVERIFY(w.list()->line(0).startsWith(QStringLiteral("Data: 01/02/2026   Da: Ditta ")));
}

void tst_GuiCosts::addModifyAndSaveTwice()
{
    CardFixture f;
    showVehicle(f, 1);
    const TCostoVeicolo first =
        entry(QStringLiteral("05/03/2026"), QStringLiteral("Tagliando"), QStringLiteral("Servizio clienti"),
              QStringLiteral("Officina Bianchi"), QStringLiteral("245,80"));
    const TCostoVeicolo second =
        entry(QStringLiteral("06/03/2026"), QStringLiteral("Bollo"), QStringLiteral("Amministrazione"),
              QStringLiteral("Regione"), QStringLiteral("189,00"));
    {
        CostWindow w(f);
        w.click("btnAggiungi");
        QVERIFY(w.entryPanelShown());
        QCOMPARE(w.window.focusWidget(), w.box(QStringLiteral("txtData")));
        QCOMPARE(w.box(QStringLiteral("txtImporto"))->text(), QStringLiteral("0,00"));
        QCOMPARE(w.label("lblPosizione")->text(), QString());
        w.fill(first);
        w.click("btnSalva");
        QCOMPARE(f.takeMessages(), QStringList{Inserted});
        QCOMPARE(w.label("lblPosizione")->text(), QStringLiteral("1"));
        // A second Salva on the same panel changes the entry just stored.
        w.box(QStringLiteral("txtCausale"))->setText(QStringLiteral("Tagliando 30.000 km"));
        w.click("btnSalva");
        QCOMPARE(f.takeMessages(), QStringList{Changed});
        QVERIFY(w.entryPanelShown());
    }
    {
        CostWindow w(f);
        QCOMPARE(w.list()->count(), 1); // saved entries show on the next opening
        w.click("btnAggiungi");
        w.fill(second);
        w.click("btnSalva");
        QCOMPARE(f.takeMessages(), QStringList{Inserted});
        QCOMPARE(w.label("lblPosizione")->text(), QStringLiteral("2"));
    }
    TCostoVeicolo firstChanged = first;
    firstChanged.Causale = QStringLiteral("Tagliando 30.000 km");
    QCOMPARE(readCosts(f, 1), (QList<TCostoVeicolo>{firstChanged, second}));
    QCOMPARE(QFileInfo(costPath(f, 1)).size(), 2 * 122);

    // Modifica finds the second entry by its line and overwrites it in place.
    CostWindow w(f);
    QCOMPARE(w.label("lblTotale")->text(), QStringLiteral("€ 434,80"));
    w.list()->selectRow(1);
    w.click("btnModifica");
    QVERIFY(w.entryPanelShown());
    QCOMPARE(w.label("lblPosizione")->text(), QStringLiteral("2"));
    QCOMPARE(w.box(QStringLiteral("txtBeneficiario"))->text(), second.Beneficiario);
    QCOMPARE(w.box(QStringLiteral("txtImporto"))->text(), second.Importo);
    w.box(QStringLiteral("txtPagatore"))->setText(QStringLiteral("Mario Rossi"));
    w.click("btnSalva");
    w.click("btnSalva");
    QCOMPARE(f.takeMessages(), (QStringList{Changed, Changed}));
    TCostoVeicolo secondChanged = second;
    secondChanged.Pagatore = QStringLiteral("Mario Rossi");
    QCOMPARE(readCosts(f, 1), (QList<TCostoVeicolo>{firstChanged, secondChanged}));
}

void tst_GuiCosts::modifyTakesLastMatch()
{
    CardFixture f;
    showVehicle(f, 1);
    const TCostoVeicolo twin =
        entry(QStringLiteral("01/01/2026"), QStringLiteral("Lavaggio"), QStringLiteral("Ufficio"),
              QStringLiteral("Autolavaggio"), QStringLiteral("15,00"));
    // The twin once with blanks around its fields: the line is built from trimmed fields.
    writeCosts(f, 1,
               {twin,
                entry(QStringLiteral("02/01/2026"), QStringLiteral("Pedaggio"), QStringLiteral("Ufficio"),
                      QStringLiteral("Autostrade"), QStringLiteral("7,40")),
                twin});
    CostWindow w(f);
    QCOMPARE(w.list()->line(0), w.list()->line(2));
    w.list()->selectRow(0);
    w.click("btnModifica");
    QCOMPARE(w.label("lblPosizione")->text(), QStringLiteral("3"));
    QCOMPARE(w.box(QStringLiteral("txtCausale"))->text(), twin.Causale);
}

void tst_GuiCosts::modifyMessages()
{
    CardFixture f;
    showVehicle(f, 1);
    {
        CostWindow w(f);
        w.click("btnModifica");
        QCOMPARE(f.takeMessages(), QStringList{QStringLiteral(
                                       "Information: Modifica non applicabile: la lista non contiene nessuna voce.")});
        QVERIFY(!w.entryPanelShown());
    }
    writeCosts(f, 1,
               {entry(QStringLiteral("01/01/2026"), QStringLiteral("Lavaggio"), QStringLiteral("Ufficio"),
                      QStringLiteral("Autolavaggio"), QStringLiteral("15,00"))});
    CostWindow w(f);
    w.click("btnModifica");
    QCOMPARE(f.takeMessages(), QStringList{QStringLiteral("Warning: Attenzione: selezionare una voce dall'elenco "
                                                          "prima di premere il pulsante di modifica.")});
    QVERIFY(!w.entryPanelShown());
}

void tst_GuiCosts::saveChecks_data()
{
    QTest::addColumn<QString>("emptied");
    QTest::addColumn<QString>("message");

    const QString start = QStringLiteral("Warning: Attenzione: per salvare la scheda è necessario indicare ");
    QTest::newRow("date") << QStringLiteral("txtData") << start + QStringLiteral("la data del costo sostenuto.");
    QTest::newRow("reason") << QStringLiteral("txtCausale") << start + QStringLiteral("la causale del costo.");
    QTest::newRow("payer") << QStringLiteral("txtPagatore") << start + QStringLiteral("il nome del pagatore.");
    QTest::newRow("payee") << QStringLiteral("txtBeneficiario") << start + QStringLiteral("il nome del beneficiario.");
    QTest::newRow("amount") << QStringLiteral("txtImporto") << start + QStringLiteral("l'importo pagato.");
}

void tst_GuiCosts::saveChecks()
{
    QFETCH(QString, emptied);
    QFETCH(QString, message);

    CardFixture f;
    showVehicle(f, 1);
    CostWindow w(f);
    w.click("btnAggiungi");
    w.fill(entry(QStringLiteral("01/01/2026"), QStringLiteral("Lavaggio"), QStringLiteral("Ufficio"),
                 QStringLiteral("Autolavaggio"), QStringLiteral("15,00")));
    // Every box after the emptied one empty too: the first empty box is the one named.
    bool after = false;
    for (const QString& name : EntryBoxes) {
        if (name == emptied)
            after = true;
        if (after)
            w.box(name)->setText(name == emptied ? QStringLiteral("  ") : QString());
    }
    // Salva is pressed while the focus stays where it is (as a shortcut would).
    w.window.findChild<QPushButton*>(QStringLiteral("btnSalva"))->click();
    QCOMPARE(f.takeMessages(), QStringList{message});
    QCOMPARE(w.window.focusWidget(), w.box(emptied));
    QCOMPARE(QFileInfo(costPath(f, 1)).size(), 0);
}

void tst_GuiCosts::saveStoresAmountText()
{
    CardFixture f;
    showVehicle(f, 1);
    CostWindow w(f);
    w.click("btnAggiungi");
    w.fill(entry(QStringLiteral("01/01/2026"), QStringLiteral("Lavaggio"), QStringLiteral("Ufficio"),
                 QStringLiteral("Autolavaggio"), QStringLiteral("12,3")));
    // Salva without the amount box ever being left: only amount text is stored all the same.
    w.box(QStringLiteral("txtImporto"))->setFocus();
    w.window.findChild<QPushButton*>(QStringLiteral("btnSalva"))->click();
    QCOMPARE(f.takeMessages(), QStringList{Inserted});
    QCOMPARE(readCosts(f, 1).first().Importo, QStringLiteral("12,30"));
}

void tst_GuiCosts::enterRing()
{
    CardFixture f;
    showVehicle(f, 1);
    CostWindow w(f);
    w.click("btnAggiungi");
    for (int i = 0; i < EntryBoxes.size(); ++i) {
        QCOMPARE(w.window.focusWidget(), w.box(EntryBoxes.at(i)));
        QCOMPARE(w.box(EntryBoxes.at(i))->maxLength(), TCostoVeicolo::fields()[i].capacity);
        w.enter(EntryBoxes.at(i));
    }
    QCOMPARE(w.window.focusWidget(), w.box(QStringLiteral("txtData")));
    // Enter in the find box moves to Trova without finding.
    CostWindow list(f);
    QTest::keyClick(list.box(QStringLiteral("txtTrova")), Qt::Key_Return);
    QCOMPARE(list.window.focusWidget(), list.window.findChild<QPushButton*>(QStringLiteral("btnTrova")));
    QCOMPARE(f.takeMessages(), QStringList());
}

void tst_GuiCosts::amountKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // before leaving the box

    QTest::newRow("digits and comma") << QStringLiteral("12,3") << QStringLiteral("12,3");
    QTest::newRow("letters and full stop") << QStringLiteral("1a2.5b") << QStringLiteral("125");
    QTest::newRow("sign and blank") << QStringLiteral("-7 8+") << QStringLiteral("78");
    QTest::newRow("accented letter") << QStringLiteral("8è9") << QStringLiteral("89");
}

void tst_GuiCosts::amountKeys()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    CardFixture f;
    showVehicle(f, 1);
    CostWindow w(f);
    w.click("btnAggiungi");
    QLineEdit* amount = w.box(QStringLiteral("txtImporto"));
    amount->setFocus();
    Gui::typeInto(amount, typed);
    QCOMPARE(amount->text(), shown);
    // Backspace and the arrows work; Tab and shortcuts are swallowed.
    QTest::keyClick(amount, Qt::Key_Left);
    QTest::keyClick(amount, Qt::Key_Backspace);
    QCOMPARE(amount->text(), shown.left(shown.size() - 2) + shown.right(1));
    QTest::keyClick(amount, Qt::Key_Tab);
    QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(amount, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(w.window.focusWidget(), amount);
    QCOMPARE(amount->text(), shown.left(shown.size() - 2) + shown.right(1));
}

void tst_GuiCosts::amountNormalised_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<bool>("byEnter"); // else by clicking into another box
    QTest::addColumn<bool>("refused"); // no number: refused with a warning

    QTest::newRow("12,3 Enter") << QStringLiteral("12,3") << QStringLiteral("12,30") << true << false;
    QTest::newRow("empty") << QString() << QStringLiteral("0,00") << false << false;
    QTest::newRow("12") << QStringLiteral("12") << QStringLiteral("12,00") << true << false;
    QTest::newRow("12,") << QStringLiteral("12,") << QStringLiteral("12,00") << false << false;
    QTest::newRow(",5") << QStringLiteral(",5") << QStringLiteral("0,50") << true << false;
    QTest::newRow("0012,345") << QStringLiteral("0012,345") << QStringLiteral("12,35") << false << false;
    QTest::newRow("1,005") << QStringLiteral("1,005") << QStringLiteral("1,00") << true << false;
    QTest::newRow("2,675") << QStringLiteral("2,675") << QStringLiteral("2,67") << true << false;
    QTest::newRow("1,2,3") << QStringLiteral("1,2,3") << QStringLiteral("0,00") << true << true;
    QTest::newRow(",") << QStringLiteral(",") << QStringLiteral("0,00") << false << false;
    // The box holds 15 characters: past 12 integer digits the zero decimals do not fit,
    // and the number it keeps is still the one typed.
    QTest::newRow("15 nines") << QStringLiteral("999999999999999") << QStringLiteral("999999999999999") << true
                              << false;
    QTest::newRow("13 digits and one decimal")
        << QStringLiteral("1234567890123,4") << QStringLiteral("1234567890123,4") << false << false;
    // Not typeable, only pasted: still no amount text but amount text leaves the box.
    QTest::newRow("pasted letters") << QStringLiteral("abc") << QStringLiteral("0,00") << true << true;
    QTest::newRow("pasted 1e400") << QStringLiteral("1e400") << QStringLiteral("0,00") << false << true;
}

void tst_GuiCosts::amountNormalised()
{
    QFETCH(QString, text);
    QFETCH(QString, amount);
    QFETCH(bool, byEnter);
    QFETCH(bool, refused);

    CardFixture f;
    showVehicle(f, 1);
    CostWindow w(f);
    w.click("btnAggiungi");
    QLineEdit* box = w.box(QStringLiteral("txtImporto"));
    box->setFocus();
    box->setText(text);
    if (byEnter)
        w.enter(QStringLiteral("txtImporto"));
    else
        QTest::mouseClick(w.box(QStringLiteral("txtPagatore")), Qt::LeftButton);
    QCOMPARE(box->text(), amount);
    // A text that is no number is refused aloud, and the focus goes back to the box.
    QCOMPARE(f.takeMessages(),
             refused
                 ? QStringList{CardFixture::shown(
                       Platform::MessageKind::Warning,
                       QStringLiteral("Attenzione: l'importo «%1» non è un numero e non è stato accettato.").arg(text))}
                 : QStringList());
    QCOMPARE(w.window.focusWidget(),
             refused ? box : w.box(byEnter ? QStringLiteral("txtData") : QStringLiteral("txtPagatore")));
}

// A click into the preset "0,00" selects it, so typing replaces it instead of making
// "0,003,2", which the box would refuse on leaving.
void tst_GuiCosts::amountTypedAfterAClickReplacesIt()
{
    CardFixture f;
    showVehicle(f, 1);
    CostWindow w(f);
    w.click("btnAggiungi");
    QLineEdit* box = w.box(QStringLiteral("txtImporto"));
    QCOMPARE(box->text(), QStringLiteral("0,00"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() / 2));
    QTest::qWait(0);
    QTest::keyClicks(box, QStringLiteral("3,2"));
    QCOMPARE(box->text(), QStringLiteral("3,2"));
    QTest::mouseClick(w.box(QStringLiteral("txtPagatore")), Qt::LeftButton);
    QCOMPARE(box->text(), QStringLiteral("3,20"));
    QCOMPARE(f.takeMessages(), QStringList());
}

// "Torna all'elenco" reads the list and the total from the file again and shows them.
void tst_GuiCosts::backToTheList()
{
    CardFixture f;
    showVehicle(f, 1);
    CostWindow w(f);
    w.click("btnAggiungi");
    w.fill(entry(QStringLiteral("01/01/2026"), QStringLiteral("Lavaggio"), QStringLiteral("Ufficio"),
                 QStringLiteral("Autolavaggio"), QStringLiteral("12,30")));
    w.click("btnSalva");
    QCOMPARE(f.takeMessages(), QStringList{Inserted});
    QVERIFY(w.entryPanelShown());
    w.click("btnElenco");
    QVERIFY(!w.entryPanelShown());
    QCOMPARE(w.list()->count(), 1);
    QVERIFY(w.list()->line(0).contains(QStringLiteral("Lavaggio")));
    QCOMPARE(w.label("lblTotale")->text(), QStringLiteral("€ 12,30"));
}

void tst_GuiCosts::todaysDate()
{
    CardFixture f;
    showVehicle(f, 1);
    f.platform.fixedToday = QDate(2026, 3, 5);
    CostWindow w(f);
    w.click("btnAggiungi");
    w.box(QStringLiteral("txtData"))->setText(QStringLiteral("ieri"));
    Gui::click(&w.window, "impData");
    QCOMPARE(w.box(QStringLiteral("txtData"))->text(), QStringLiteral("05/03/2026"));
    QCOMPARE(f.takeMessages(), QStringList());
}

void tst_GuiCosts::find()
{
    CardFixture f;
    showVehicle(f, 1);
    {
        CostWindow w(f);
        w.click("btnTrova");
        QCOMPARE(f.takeMessages(),
                 QStringList{QStringLiteral("Plain: Ricerca non applicabile: la lista non contiene nessuna voce.")});
    }
    const auto paidBy = [](const QString& payer) {
        return entry(QStringLiteral("01/01/2026"), QStringLiteral("Carburante"), payer, QStringLiteral("Distributore"),
                     QStringLiteral("50,00"));
    };
    writeCosts(f, 1,
               {paidBy(QStringLiteral("Rossi")), paidBy(QStringLiteral("Bianchi")), paidBy(QStringLiteral("Rossi")),
                paidBy(QStringLiteral("Verdè"))});
    CostWindow w(f);
    QLineEdit* text = w.box(QStringLiteral("txtTrova"));
    const QList<std::pair<QString, int>> steps = {
        {QStringLiteral("ROSSI"), 0},   {QStringLiteral("ROSSI"), 2}, {QStringLiteral("ROSSI"), 0},
        {QStringLiteral("bianchi"), 1}, {QStringLiteral("VERDÈ"), 1}, {QStringLiteral("verdè"), 3},
    };
    for (const auto& [wanted, row] : steps) {
        text->setText(wanted);
        w.click("btnTrova");
        QCOMPARE(w.list()->selectedRow(), row);
    }
    QCOMPARE(f.takeMessages(), QStringList());
}

void tst_GuiCosts::print()
{
    if (!popplerPresent())
        QSKIP("pdftotext (poppler-utils) is needed to read the printout back");
    CardFixture f;
    showVehicle(f, 1);
    writeCosts(f, 1,
               {entry(QStringLiteral("01/01/2026"), QStringLiteral("Carburante"), QStringLiteral("Rossi"),
                      QStringLiteral("Distributore"), QStringLiteral("50,00")),
                entry(QStringLiteral("02/01/2026"), QStringLiteral("Riparazione"), QStringLiteral("Rossi"),
                      QStringLiteral("Officina"), QStringLiteral("non letto")),
                entry(QStringLiteral("03/01/2026"), QStringLiteral("Pedaggio"), QStringLiteral("Bianchi"),
                      QStringLiteral("Autostrade"), QStringLiteral("75,50"))});
    CostWindow w(f);
    const QString pdf = f.platform.folder() + QStringLiteral("costi.pdf");
    f.platform.queuePrintFile(pdf);
    w.click("btnStampa");
    QCOMPARE(f.platform.prints.size(), 1);
    QCOMPARE(f.takeMessages(), QStringList());

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    QStringList printed;
    for (const QString& line : QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            printed.append(line.trimmed());
    }
    const TSchedaVeicolo vehicle = CardFixture::vehicle(1);
    QCOMPARE(printed.first(), QStringLiteral("Riepilogo costi sostenuti per ") + vehicle.Marca + QLatin1Char(' ') +
                                  vehicle.Modello + QStringLiteral(" targata ") + vehicle.Targa);
    QCOMPARE(printed.size(), 1 + 3 + 2 + 1);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(printed.at(1 + i).simplified(), w.list()->line(i).simplified());
    QCOMPARE(printed.at(4), QString(26, QLatin1Char('-')));
    QCOMPARE(printed.at(5), QStringLiteral("TOTALE COSTI:      € 125,50"));
    QVERIFY(printed.at(6).startsWith(QStringLiteral("Stampa eseguita in data")));
}

void tst_GuiCosts::vehiclesStayApart()
{
    CardFixture f;
    showVehicle(f, 1);
    writeCosts(f, 1,
               {entry(QStringLiteral("01/01/2026"), QStringLiteral("Primo"), QStringLiteral("Ufficio"),
                      QStringLiteral("Officina"), QStringLiteral("10,00"))});
    f.showStored(2);
    CostWindow w(f);
    QCOMPARE(w.list()->count(), 0);
    QCOMPARE(w.label("lblTotale")->text(), QStringLiteral("€ 0,00"));
    QCOMPARE(w.label("lblFile")->text(), costPath(f, 2));
    w.click("btnAggiungi");
    w.fill(entry(QStringLiteral("02/01/2026"), QStringLiteral("Secondo"), QStringLiteral("Ufficio"),
                 QStringLiteral("Gommista"), QStringLiteral("20,00")));
    w.click("btnSalva");
    QCOMPARE(f.takeMessages(), QStringList{Inserted});
    QCOMPARE(readCosts(f, 1).size(), 1);
    QCOMPARE(readCosts(f, 2).size(), 1);
    QCOMPARE(readCosts(f, 2).first().Causale, QStringLiteral("Secondo"));
}

void tst_GuiCosts::failures_data()
{
    QTest::addColumn<bool>("readOnlyFolder"); // else the cost file is a folder

    QTest::newRow("cost file is a folder") << false;
    QTest::newRow("read-only program folder") << true;
}

void tst_GuiCosts::failures()
{
    QFETCH(bool, readOnlyFolder);

    CardFixture f;
    showVehicle(f, 1);
    if (readOnlyFolder) {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        f.makeUnreachable(CardFixture::Failure::ReadOnlyFolder);
    } else {
        QVERIFY(QDir().mkpath(costPath(f, 1)));
    }
    // The list opens empty and silent; Salva gives the archive message and keeps the panel.
    CostWindow w(f);
    QCOMPARE(w.list()->count(), 0);
    QCOMPARE(w.label("lblTotale")->text(), QStringLiteral("0,00"));
    QCOMPARE(f.takeMessages(), QStringList());
    w.click("btnAggiungi");
    const TCostoVeicolo values =
        entry(QStringLiteral("01/01/2026"), QStringLiteral("Lavaggio"), QStringLiteral("Ufficio"),
              QStringLiteral("Autolavaggio"), QStringLiteral("15,00"));
    w.fill(values);
    w.click("btnSalva");
    QCOMPARE(f.takeMessages(), QStringList{SaveFailure});
    QVERIFY(w.entryPanelShown());
    QCOMPARE(w.label("lblPosizione")->text(), QString());
    QCOMPARE(w.box(QStringLiteral("txtCausale"))->text(), values.Causale);
    QCOMPARE(QFileInfo(costPath(f, 1)).isFile(), false);
}

void tst_GuiCosts::modifyFailureCloses()
{
    CardFixture f;
    showVehicle(f, 1);
    writeCosts(f, 1,
               {entry(QStringLiteral("01/01/2026"), QStringLiteral("Lavaggio"), QStringLiteral("Ufficio"),
                      QStringLiteral("Autolavaggio"), QStringLiteral("15,00"))});
    CostWindow w(f);
    QVERIFY(QFile::remove(costPath(f, 1)));
    QVERIFY(QDir().mkpath(costPath(f, 1)));
    w.list()->selectRow(0);
    w.click("btnModifica");
    QCOMPARE(f.takeMessages(), QStringList());
    QVERIFY(!w.window.isVisible());
    QVERIFY(!w.entryPanelShown());
}

QTEST_MAIN(tst_GuiCosts)
#include "tst_gui_costs.moc"

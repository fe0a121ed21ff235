// What a clerk typed is never thrown away unasked: every command that replaces the card's
// texts offers to save them first. And long values show their start after paging.
#include "CardFixture.h"

#include "archive/VehicleArchive.h"
#include "widgets/LineList.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Kind = Platform::MessageKind;
using Answer = Platform::Answer;

const QString Unsaved = CardFixture::shown(
    Kind::Question, QStringLiteral("Le modifiche alla scheda corrente non sono state salvate.\n\rSalvarle adesso?"));
const QString Saved = CardFixture::shown(
    Kind::Information, QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
const QString TipoMissing = CardFixture::shown(
    Kind::Warning, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il tipo di veicolo."));

// Recalls vehicle 1 through the search window, as a double click on its line does.
void recallFirst(CardFixture& f)
{
    Gui::whileModal([](QWidget* window) {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);
        auto* list = window->findChild<LineList*>(QStringLiteral("lstRecords"));
        const QRect item = list->visualRect(list->model()->index(0, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
    });
    f.click("cmdTrova");
}

void run(CardFixture& f, const QString& command)
{
    if (command == QLatin1String("recall"))
        recallFirst(f);
    else
        f.click(command.toLatin1().constData());
}

} // namespace

class tst_GuiUnsaved : public QObject {
    Q_OBJECT
private slots:
    void commandsAsk_data();
    void commandsAsk();
    void duplicateDoesNotAsk();
    void longValueShowsItsStart();
};

void tst_GuiUnsaved::commandsAsk_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("edit"); // the box typed into; empty: no edit
    QTest::addColumn<int>("answer");   // to the question
    QTest::addColumn<bool>("saved");   // vehicle 2 holds the edit afterwards
    QTest::addColumn<bool>("goesOn");  // the command replaced the card
    const char* commands[] = {"cmdAvanti", "cmdIndietro", "cmdPrimo", "cmdUltimo", "cmdNuovo", "cmdEsci", "recall"};
    for (const char* command : commands) {
        const QString name = QString::fromLatin1(command);
        QTest::addRow("%s, No", command) << name << "txtNote" << int(Answer::No) << false << true;
        QTest::addRow("%s, Yes", command) << name << "txtNote" << int(Answer::Yes) << true << true;
        // Yes with Tipo emptied: the save refuses, so the command stops and the card stays.
        QTest::addRow("%s, Yes, save refused", command) << name << "txtTipo" << int(Answer::Yes) << false << false;
        QTest::addRow("%s, no edit", command) << name << "" << -1 << false << true;
    }
}

void tst_GuiUnsaved::commandsAsk()
{
    QFETCH(QString, command);
    QFETCH(QString, edit);
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(bool, goesOn);

    CardFixture f;
    f.card.show();
    f.writeVehicles(3);
    f.showStored(2);
    const QString typed = edit == QLatin1String("txtTipo") ? QString() : QStringLiteral("Nota della postazione");
    if (!edit.isEmpty())
        f.type(edit.toLatin1().constData(), typed);
    const QByteArray before = f.archiveBytes();
    if (answer >= 0)
        f.platform.queueAnswer(Answer(answer));

    run(f, command);

    QStringList expected;
    if (answer >= 0)
        expected << Unsaved;
    if (saved)
        expected << Saved;
    else if (answer == int(Answer::Yes))
        expected << TipoMissing;
    QCOMPARE(f.takeMessages(), expected);
    VehicleArchive archive(f.platform.folder());
    QCOMPARE(archive.readAt(1).Note, saved ? typed : CardFixture::vehicle(2).Note);
    archive.close();
    if (!saved)
        QCOMPARE(f.archiveBytes(), before);
    if (!goesOn) {
        QCOMPARE(f.positionText(), QStringLiteral("2"));
        QVERIFY(f.card.isVisible());
        QCOMPARE(f.box("txtTipo")->text(), QString());
    } else if (command == QLatin1String("cmdEsci")) {
        QVERIFY(!f.card.isVisible());
    }
}

void tst_GuiUnsaved::duplicateDoesNotAsk()
{
    CardFixture f;
    f.writeVehicles(2);
    f.showStored(1);
    f.type("txtNote", QStringLiteral("Copia con nota"));
    f.click("cmdDuplica");
    const QStringList shown = f.takeMessages();
    QCOMPARE(shown.size(), 1);
    QVERIFY(!shown.first().startsWith(QLatin1String("Question")));
    QCOMPARE(f.box("txtNote")->text(), QStringLiteral("Copia con nota"));
}

void tst_GuiUnsaved::longValueShowsItsStart()
{
    CardFixture f;
    TSchedaVeicolo vehicle = CardFixture::vehicle(1);
    vehicle.Meccanico = QStringLiteral("Autofficina Meccanica Fratelli Brambilla, Monza");
    f.writeRecord(vehicle);
    f.writeVehicles(1);
    f.card.show();
    f.click("cmdUltimo");
    f.click("cmdPrimo");
    QLineEdit* box = f.box("txtMeccanico");
    QCOMPARE(box->text(), vehicle.Meccanico);
    QCOMPARE(box->cursorPosition(), 0);
}

QTEST_MAIN(tst_GuiUnsaved)
#include "tst_gui_unsaved.moc"

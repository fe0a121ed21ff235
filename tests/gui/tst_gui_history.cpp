// The vehicle's history as the card writes it, and the window that shows it.
#include "CardFixture.h"

#include "archive/VehicleArchive.h"
#include "history/HistoryEvents.h"
#include "history/HistoryFile.h"
#include "widgets/ArtworkImage.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

using Kind = Platform::MessageKind;

std::vector<TEventoVeicolo> historyOf(const QString& folder, int position)
{
    HistoryFile history(folder);
    std::vector<TEventoVeicolo> events;
    for (const HistoryFile::Indexed& indexed : history.eventsOf(position))
        events.push_back(indexed.event);
    history.close();
    return events;
}

QString changesSaved()
{
    return CardFixture::shown(
        Kind::Information,
        QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
}

// What the history window showed when it opened: its title, rows and kinds.
struct Shown {
    QString name;
    QString vehicle;
    QStringList firstColumn;
    QStringList descriptions;
    QStringList kinds;
};
Shown shownRows(QWidget* window)
{
    Shown shown;
    shown.name = window->objectName();
    shown.vehicle = window->findChild<QLabel*>(QStringLiteral("lblVeicolo"))->text();
    const auto* grid = window->findChild<QTableView*>(QStringLiteral("grdStorico"));
    for (int r = 0; r < grid->model()->rowCount(); ++r) {
        shown.firstColumn << grid->model()->index(r, 1).data().toString();
        shown.descriptions << grid->model()->index(r, 2).data().toString();
    }
    const auto* kinds = window->findChild<QComboBox*>(QStringLiteral("cboTipo"));
    for (int i = 0; i < kinds->count(); ++i)
        shown.kinds << kinds->itemText(i);
    return shown;
}

} // namespace

class tst_GuiHistory : public QObject {
    Q_OBJECT

private slots:
    void saveRecordsTheChangedFields();
    void firstSaveRecordsTheCreation_data();
    void firstSaveRecordsTheCreation();
    void failedHistoryLeavesTheSaveStanding();
    void windowListsAndFiltersTheEvents();
    void unreadableHistoryOpensNoWindow();
};

void tst_GuiHistory::saveRecordsTheChangedFields()
{
    CardFixture f;
    f.writeVehicles(3);
    f.showStored(2);
    f.box("txtScadAssicurazione")->setText(QStringLiteral("02/12/2027"));
    f.type("txtChilometri", QStringLiteral("51.000"));
    f.type("txtAutista", QStringLiteral("Luca Verdi"));
    f.type("txtColore", QStringLiteral("Verde"));  // not watched
    f.platform.queueAnswer(Platform::Answer::Yes); // the kilometres question, if it comes

    f.click("cmdSalva");

    QVERIFY(f.takeMessages().contains(changesSaved()));
    const std::vector<TEventoVeicolo> events = historyOf(f.platform.folder(), 2);
    QStringList subjects;
    for (const TEventoVeicolo& event : events) {
        QCOMPARE(event.Tipo, QStringLiteral("Modifica"));
        QCOMPARE(event.Computer, f.platform.fixedComputer);
        QCOMPARE(event.Utente, f.platform.fixedUser);
        QCOMPARE(event.Data, QStringLiteral("10/12/2026"));
        subjects << event.Soggetto + QLatin1Char('=') + event.Dopo;
    }
    QCOMPARE(subjects, (QStringList{QStringLiteral("Chilometri percorsi=51.000"), QStringLiteral("Autista=Luca Verdi"),
                                    QStringLiteral("Scad. assicurazione=02/12/2027")}));
    QVERIFY(historyOf(f.platform.folder(), 1).empty());

    // Saving again without a change adds nothing.
    f.click("cmdSalva");
    QCOMPARE(historyOf(f.platform.folder(), 2).size(), events.size());
}

void tst_GuiHistory::firstSaveRecordsTheCreation_data()
{
    QTest::addColumn<bool>("duplicate");
    QTest::addColumn<QString>("note");
    QTest::newRow("new card") << false << QStringLiteral("Scheda creata");
    QTest::newRow("duplicate") << true << QStringLiteral("Scheda duplicata dalla posizione 2");
}

void tst_GuiHistory::firstSaveRecordsTheCreation()
{
    QFETCH(bool, duplicate);
    QFETCH(QString, note);
    CardFixture f;
    f.writeVehicles(2);
    const TSchedaVeicolo typed = CardFixture::vehicle(2);
    if (duplicate) {
        f.showStored(2);
        f.click("cmdDuplica");
    } else {
        f.click("cmdNuovo");
        f.type("txtTipo", typed.Tipo);
        f.type("txtMarca", typed.Marca);
        f.type("txtModello", typed.Modello);
        f.type("txtTarga", typed.Targa);
        f.type("txtAutista", QStringLiteral("Anna")); // a first save records no field changes
    }
    QVERIFY(!Gui::button(&f.card, "imgStorico")->isEnabled());

    f.click("cmdSalva");

    QCOMPARE(f.positionText(), QStringLiteral("3"));
    QVERIFY(Gui::button(&f.card, "imgStorico")->isEnabled());
    const std::vector<TEventoVeicolo> events = historyOf(f.platform.folder(), 3);
    QCOMPARE(events.size(), std::size_t(1));
    QCOMPARE(events[0].Tipo, QStringLiteral("Creazione"));
    QCOMPARE(events[0].Nota, note);
    QCOMPARE(events[0].Targa, typed.Targa);
}

void tst_GuiHistory::failedHistoryLeavesTheSaveStanding()
{
    CardFixture f;
    f.writeVehicles(2);
    QVERIFY(QDir(f.platform.folder()).mkpath(HistoryFile::fileName()));
    f.showStored(1);
    f.box("txtScadBollo")->setText(QStringLiteral("31/01/2028"));

    f.click("cmdSalva");

    QCOMPARE(f.takeMessages(), QStringList{changesSaved()});
    VehicleArchive archive(f.platform.folder());
    QCOMPARE(archive.readAt(0).ScadBollo, QStringLiteral("31/01/2028"));
    archive.close();
    QCOMPARE(Gui::label(&f.card, "panInfo")->text(),
             QStringLiteral("Scheda salvata, ma lo storico non è stato aggiornato."));
}

void tst_GuiHistory::windowListsAndFiltersTheEvents()
{
    CardFixture f;
    f.writeVehicles(2);
    {
        const History::Stamp stamp{QDateTime(QDate(2026, 3, 1), QTime(9, 0)), QStringLiteral("PC"),
                                   QStringLiteral("u")};
        HistoryFile history(f.platform.folder());
        TEventoVeicolo changed = History::event(History::Kind::Modifica, 2, QStringLiteral("OLD"), stamp);
        changed.Soggetto = QStringLiteral("Scad. bollo");
        changed.Dopo = QStringLiteral("31/01/2027");
        history.appendEvents({History::creation(2, QStringLiteral("OLD"), 0, stamp), changed,
                              History::creation(1, QStringLiteral("X"), 0, stamp)});
        history.close();
    }
    f.showStored(2);
    const QString pdf = f.platform.folder() + QStringLiteral("storico.pdf");
    f.platform.queuePrintFile(pdf);

    Shown all, filtered;
    Gui::whileModal([&](QWidget* window) {
        QVERIFY(window);
        all = shownRows(window);
        auto* kinds = window->findChild<QComboBox*>(QStringLiteral("cboTipo"));
        kinds->setCurrentIndex(kinds->findText(QStringLiteral("Modifica")));
        filtered = shownRows(window);
        Gui::push(window, "btnStampa");
        Gui::push(window, "btnChiudi");
    });
    f.click("imgStorico");

    QCOMPARE(all.name, QStringLiteral("frmStorico"));
    const TSchedaVeicolo shownVehicle = CardFixture::vehicle(2);
    QCOMPARE(all.vehicle, shownVehicle.Marca + QLatin1Char(' ') + shownVehicle.Modello + QStringLiteral(" targata ") +
                              shownVehicle.Targa);
    QCOMPARE(all.firstColumn, (QStringList{QStringLiteral("Modifica"), QStringLiteral("Creazione")}));
    QCOMPARE(all.descriptions.first(), QStringLiteral("Scad. bollo: (vuoto) → 31/01/2027"));
    QCOMPARE(all.kinds, (QStringList{QStringLiteral("Tutti gli eventi"), QStringLiteral("Modifica"),
                                     QStringLiteral("Creazione")}));
    QCOMPARE(filtered.firstColumn, QStringList{QStringLiteral("Modifica")});
    QCOMPARE(f.platform.prints.size(), 1);
    QVERIFY(QFileInfo(pdf).size() > 0);
}

void tst_GuiHistory::unreadableHistoryOpensNoWindow()
{
    CardFixture f;
    f.writeVehicles(1);
    f.showStored(1);
    QVERIFY(QDir(f.platform.folder()).mkpath(HistoryFile::fileName()));
    QPointer<QWidget> opened;
    bool asked = false;
    Gui::whileModal([&](QWidget* window) {
        asked = true;
        opened = window;
    });

    f.click("imgStorico");
    QTRY_VERIFY(asked);

    QVERIFY(opened.isNull());
    QCOMPARE(f.takeMessages(), QStringList{CardFixture::accessFailure()});
}

QTEST_MAIN(tst_GuiHistory)
#include "tst_gui_history.moc"

// The deadline dashboard in the real windows: the launcher's summary after the login and
// each time the launcher shows again, the deadline menu's badges, the register opened from
// both, its period choice and header sort, the vehicle shown in the card on a double-click,
// the printout, and the calendar export with an archive that fails meanwhile.
#include "FakePlatform.h"
#include "SmallDisk.h"
#include "WindowTest.h"

#include "app/AppWindows.h"
#include "app/TfrmAvvio.h"
#include "archive/VehicleArchive.h"
#include "card/TfrmAutoparco.h"
#include "deadlines/DeadlineCalendar.h"
#include "deadlines/TfrmMenuScadenze.h"
#include "deadlines/TfrmScadenzario.h"
#include "photo/PhotoFile.h"
#include "widgets/SummaryBanner.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <libical/ical.h>

#include <functional>

namespace {

const QColor Red(0xD3, 0x2F, 0x2F);
const QColor Orange(0xF5, 0x7C, 0x00);
const QColor Green(0x38, 0x8E, 0x3C);

// Days from the fake platform's today, 10 December 2026.
QString day(int offset)
{
    return QDate(2026, 12, 10).addDays(offset).toString(QStringLiteral("dd/MM/yyyy"));
}

TSchedaVeicolo vehicle(const QString& targa)
{
    TSchedaVeicolo v;
    v.Tipo = QStringLiteral("Autovettura");
    v.Marca = QStringLiteral("Fiat");
    v.Modello = QStringLiteral("Panda");
    v.Targa = targa;
    return v;
}

void writeArchive(const FakePlatform& platform, const QList<TSchedaVeicolo>& vehicles)
{
    QFile::remove(platform.archivePath());
    VehicleArchive archive(platform.folder());
    for (const TSchedaVeicolo& v : vehicles)
        archive.append(v);
    archive.close();
}

// Replaces the archive by a folder of its name, which no command can open.
void makeArchiveUnreadable(const FakePlatform& platform)
{
    QFile::remove(platform.archivePath());
    QVERIFY(QDir().mkdir(platform.archivePath()));
}

SummaryBanner* summaryOf(const AppWindows& windows)
{
    return windows.frmAvvio()->findChild<SummaryBanner*>(QStringLiteral("lblRiepilogoScadenze"));
}

QTableView* gridOf(QWidget* window)
{
    return window->findChild<QTableView*>(QStringLiteral("grdScadenze"));
}

QStringList column(QTableView* grid, int column)
{
    QStringList texts;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        texts.append(grid->model()->index(r, column).data().toString());
    return texts;
}

void doubleClickRow(QTableView* grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Opens the register from the launcher's summary or the menu's button and runs act on it.
void openRegister(AppWindows& windows, bool fromMenu, const std::function<void(QWidget*)>& act)
{
    Gui::whileModal([&](QWidget* modal) {
        QVERIFY(modal);
        QCOMPARE(modal->objectName(), QStringLiteral("frmScadenzario"));
        act(modal);
    });
    if (fromMenu) {
        Gui::click(windows.frmAvvio(), "imgScadenze");
        Gui::click(windows.frmMenuScadenze(), "btnScadenzario");
    } else {
        QTest::mouseClick(summaryOf(windows), Qt::LeftButton);
    }
}

int eventsIn(const QByteArray& calendar)
{
    icalcomponent* parsed = icalparser_parse_string(calendar.constData());
    const int count = parsed ? icalcomponent_count_components(parsed, ICAL_VEVENT_COMPONENT) : -1;
    if (parsed)
        icalcomponent_free(parsed);
    return count;
}

} // namespace

class tst_GuiDashboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void launcherSummary_data();
    void launcherSummary();
    void summaryRefreshedWhenLauncherShowsAgain();
    void menuBadges();
    void registerPeriodAndSort();
    void doubleClickShowsVehicleInCard_data();
    void doubleClickShowsVehicleInCard();
    void printTitleAndRows();
    void calendarExport();
    void calendarOnFullDisk();
    void archiveFailsWhileRegisterOpen();
};

void tst_GuiDashboard::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_GuiDashboard::launcherSummary_data()
{
    QTest::addColumn<QStringList>("bolli"); // one vehicle each; "folder" makes the archive unreadable
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("fill");

    QTest::newRow("no archive") << QStringList() << QStringLiteral("Nessuna scadenza nei prossimi 30 giorni.") << Green;
    QTest::newRow("overdue") << QStringList{day(-1), day(7), day(8)}
                             << QStringLiteral("Scadute: 1 · Entro 7 giorni: 1 · Entro 30 giorni: 1") << Red;
    QTest::newRow("within 7 days") << QStringList{day(0), day(31)}
                                   << QStringLiteral("Scadute: 0 · Entro 7 giorni: 1 · Entro 30 giorni: 0") << Orange;
    QTest::newRow("unreadable date")
        << QStringList{day(30), QStringLiteral("31/02/2026")}
        << QStringLiteral("Scadute: 0 · Entro 7 giorni: 0 · Entro 30 giorni: 1 · Date da controllare: 1") << Green;
    QTest::newRow("unreadable archive") << QStringList{QStringLiteral("folder")} << QString() << QColor();
}

// Shown after the login, without a message whatever the archive holds.
void tst_GuiDashboard::launcherSummary()
{
    QFETCH(QStringList, bolli);
    QFETCH(QString, text);
    QFETCH(QColor, fill);

    FakePlatform platform;
    if (bolli == QStringList{QStringLiteral("folder")}) {
        makeArchiveUnreadable(platform);
    } else if (!bolli.isEmpty()) {
        QList<TSchedaVeicolo> vehicles;
        for (const QString& bollo : bolli) {
            vehicles.append(vehicle(bollo));
            vehicles.last().ScadBollo = bollo;
        }
        writeArchive(platform, vehicles);
    }
    AppWindows windows;
    windows.showLauncher();
    SummaryBanner* summary = summaryOf(windows);
    QVERIFY(summary);
    QCOMPARE(summary->text(), text);
    QCOMPARE(summary->isVisible(), !text.isEmpty());
    if (fill.isValid())
        QCOMPARE(summary->fill(), fill);
    QCOMPARE(summary->cursor().shape(), Qt::PointingHandCursor);
    // In the band between the subtitle and the two large pictures.
    QVERIFY(summary->geometry().top() >= 114 && summary->geometry().bottom() < 154);
    QCOMPARE(platform.messages.size(), 0);
}

void tst_GuiDashboard::summaryRefreshedWhenLauncherShowsAgain()
{
    FakePlatform platform;
    AppWindows windows;
    windows.showLauncher();
    QCOMPARE(summaryOf(windows)->text(), QStringLiteral("Nessuna scadenza nei prossimi 30 giorni."));

    Gui::click(windows.frmAvvio(), "imgAutoparco");
    TSchedaVeicolo overdue = vehicle(QStringLiteral("AA"));
    overdue.ScadRevisione = day(-2);
    writeArchive(platform, {overdue});
    windows.frmAutoparco()->close();
    QVERIFY(windows.frmAvvio()->isVisible());
    QCOMPARE(summaryOf(windows)->text(), QStringLiteral("Scadute: 1 · Entro 7 giorni: 0 · Entro 30 giorni: 0"));

    Gui::click(windows.frmAvvio(), "imgScadenze");
    makeArchiveUnreadable(platform);
    windows.frmMenuScadenze()->close();
    QVERIFY(!summaryOf(windows)->isVisible());
    QCOMPARE(platform.messages.size(), 0);
}

// Each badge counts what its list shows; red with anything overdue, hidden at 0.
void tst_GuiDashboard::menuBadges()
{
    FakePlatform platform;
    TSchedaVeicolo first = vehicle(QStringLiteral("AA"));
    first.ScadRevisione = day(-30);
    first.ScadBollo = day(7);
    first.ScadTagliando = day(8);
    TSchedaVeicolo second = vehicle(QStringLiteral("BB"));
    second.ScadBollo = day(0);
    second.ScadRevisione = day(3);
    writeArchive(platform, {first, second});
    AppWindows windows;
    windows.showLauncher();
    Gui::click(windows.frmAvvio(), "imgScadenze");
    const QWidget* menu = windows.frmMenuScadenze();

    QLabel* revisione = Gui::label(menu, "lblContaRevisione");
    QLabel* tagliando = Gui::label(menu, "lblContaTagliando");
    QLabel* assicurazione = Gui::label(menu, "lblContaAssicurazione");
    QLabel* bollo = Gui::label(menu, "lblContaBollo");
    QVERIFY(revisione->isVisible());
    QCOMPARE(revisione->text(), QStringLiteral("2"));
    QVERIFY(revisione->styleSheet().contains(QStringLiteral("#D32F2F")));
    QVERIFY(bollo->isVisible());
    QCOMPARE(bollo->text(), QStringLiteral("2"));
    QVERIFY(bollo->styleSheet().contains(QStringLiteral("#FF8C00")));
    QVERIFY(!tagliando->isVisible());
    QVERIFY(!assicurazione->isVisible());

    // Shown again after the deadline was dealt with.
    windows.frmMenuScadenze()->close();
    first.ScadRevisione = day(100);
    second.ScadRevisione.clear();
    writeArchive(platform, {first, second});
    Gui::click(windows.frmAvvio(), "imgScadenze");
    QVERIFY(!revisione->isVisible());
    QVERIFY(bollo->isVisible());
}

void tst_GuiDashboard::registerPeriodAndSort()
{
    FakePlatform platform;
    QList<TSchedaVeicolo> vehicles;
    for (const int offset : {60, -5, 20, 200}) {
        vehicles.append(vehicle(QStringLiteral("P%1").arg(offset)));
        vehicles.last().ScadBollo = day(offset);
    }
    writeArchive(platform, vehicles);
    AppWindows windows;
    windows.showLauncher();
    bool opened = false;
    openRegister(windows, true, [&](QWidget* window) {
        opened = true;
        QCOMPARE(window->windowTitle(), QStringLiteral(" Scadenzario"));
        auto* period = window->findChild<QComboBox*>(QStringLiteral("cboPeriodo"));
        QCOMPARE(period->currentText(), QStringLiteral("Entro 30 giorni"));
        QTableView* grid = gridOf(window);
        QCOMPARE(column(grid, 2), (QStringList{QStringLiteral("P-5"), QStringLiteral("P20")}));
        period->setCurrentIndex(period->findText(QStringLiteral("Tutte")));
        QCOMPARE(column(grid, 2), (QStringList{QStringLiteral("P-5"), QStringLiteral("P20"), QStringLiteral("P60"),
                                               QStringLiteral("P200")}));
        // Giorni, twice: descending.
        const int giorni = grid->horizontalHeader()->sectionViewportPosition(4) + 5;
        QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(giorni, 5));
        QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(giorni, 5));
        QCOMPARE(column(grid, 4), (QStringList{QStringLiteral("200"), QStringLiteral("60"), QStringLiteral("20"),
                                               QStringLiteral("-5")}));
    });
    QVERIFY(opened);
    QVERIFY(windows.frmMenuScadenze()->isVisible());

    // Opened again, the register keeps the period chosen; the default comes back by choosing it.
    opened = false;
    openRegister(windows, false, [&](QWidget* window) {
        opened = true;
        auto* period = window->findChild<QComboBox*>(QStringLiteral("cboPeriodo"));
        QCOMPARE(period->currentText(), QStringLiteral("Tutte"));
        QCOMPARE(gridOf(window)->model()->rowCount(), 4);
        period->setCurrentIndex(period->findText(QStringLiteral("Entro 30 giorni")));
        Gui::pushButton(window, "btnChiudi")->click();
    });
    QVERIFY(opened);
}

void tst_GuiDashboard::doubleClickShowsVehicleInCard_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("from the launcher's summary") << false << false;
    QTest::newRow("from the deadline menu") << true << false;
    QTest::newRow("Enter on the selected row") << false << true;
}

// The register closes, the card shows the vehicle with its photo in place of the window
// the register came from, and closing the card leads to the launcher.
void tst_GuiDashboard::doubleClickShowsVehicleInCard()
{
    QFETCH(bool, fromMenu);
    QFETCH(bool, byEnter);

    FakePlatform platform;
    TSchedaVeicolo later = vehicle(QStringLiteral("LATER"));
    later.ScadBollo = day(20);
    TSchedaVeicolo first = vehicle(QStringLiteral("FIRST"));
    first.ScadAssicurazione = day(-1);
    writeArchive(platform, {later, first});
    const QImage photo = Gui::testPicture({64, 48});
    QVERIFY(PhotoFile::save(photo, PhotoFile::pathFor(platform.folder(), QStringLiteral("2"))));
    AppWindows windows;
    windows.showLauncher();

    bool closedByClick = false;
    Gui::whileModal(
        [&](QWidget* window) {
            QTableView* grid = gridOf(window);
            QCOMPARE(grid->model()->index(0, 2).data().toString(), QStringLiteral("FIRST"));
            if (byEnter) {
                grid->setFocus();
                grid->selectRow(0);
                QTest::keyClick(grid, Qt::Key_Return);
            } else {
                doubleClickRow(grid, 0);
            }
        },
        &closedByClick);
    if (fromMenu) {
        Gui::click(windows.frmAvvio(), "imgScadenze");
        Gui::click(windows.frmMenuScadenze(), "btnScadenzario");
    } else {
        QTest::mouseClick(summaryOf(windows), Qt::LeftButton);
    }
    QVERIFY(closedByClick);
    TfrmAutoparco* card = windows.frmAutoparco();
    QVERIFY(card->isVisible());
    QVERIFY(!windows.frmAvvio()->isVisible());
    QVERIFY(!windows.frmMenuScadenze()->isVisible());
    QCOMPARE(card->position(), QStringLiteral("2"));
    QCOMPARE(card->box(&TSchedaVeicolo::Targa)->text(), QStringLiteral("FIRST"));
    QCOMPARE(card->box(&TSchedaVeicolo::ScadAssicurazione)->text(), day(-1));
    QCOMPARE(Gui::rgb(card->photo()), Gui::rgb(QImage(PhotoFile::pathFor(platform.folder(), QStringLiteral("2")))));
    card->close();
    QVERIFY(windows.frmAvvio()->isVisible());
    QCOMPARE(platform.messages.size(), 0);
}

void tst_GuiDashboard::printTitleAndRows()
{
    FakePlatform platform;
    TSchedaVeicolo v = vehicle(QStringLiteral("AB123CD"));
    v.ScadAssicurazione = day(-3);
    v.ScadBollo = day(2);
    writeArchive(platform, {v});
    const QString pdf = platform.folder() + QStringLiteral("scadenzario.pdf");
    platform.queuePrintFile(pdf);
    TfrmScadenzario window;
    window.show();
    Gui::push(&window, "btnStampa");
    QCOMPARE(platform.prints.size(), 1);
    QCOMPARE(platform.messages.size(), 0);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const QString printed = text.waitForFinished() ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
    if (printed.isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the printout back");
    QVERIFY(printed.contains(QStringLiteral("Scadenzario al 10/12/2026 - Entro 30 giorni")));
    const qsizetype insurance = printed.indexOf(QStringLiteral("Scaduta da 3 giorni (tolleranza fino al 22/12/2026)"));
    QVERIFY(insurance >= 0);
    QVERIFY(printed.indexOf(QStringLiteral("Tra 2 giorni")) > insurance);
}

// Every readable date of the fleet, whatever the period, through the save dialog.
void tst_GuiDashboard::calendarExport()
{
    FakePlatform platform;
    TSchedaVeicolo v = vehicle(QStringLiteral("AB123CD"));
    v.ScadRevisione = day(400);
    v.ScadBollo = day(-1);
    v.ScadTagliando = QStringLiteral("marzo");
    writeArchive(platform, {v});
    const QString path = platform.folder() + QStringLiteral("telefono.ics");
    platform.queueFileName(path);
    TfrmScadenzario window;
    window.show();
    Gui::push(&window, "btnCalendario");

    QCOMPARE(platform.dialogs.size(), 1);
    const Platform::FileDialogOptions& options = platform.dialogs.at(0).options;
    QVERIFY(platform.dialogs.at(0).save);
    QCOMPARE(options.presetName, QStringLiteral("Scadenze_Corvanta.ics"));
    QVERIFY(options.filter.startsWith(QStringLiteral("Calendario (*.ics)|")));
    QCOMPARE(eventsIn(Gui::readFile(path)), 2);
    QCOMPARE(platform.messages.size(), 0);
}

// A stick that is full: the box says so, and the calendar already there stays.
void tst_GuiDashboard::calendarOnFullDisk()
{
    FakePlatform platform;
    TSchedaVeicolo v = vehicle(QStringLiteral("AB123CD"));
    v.ScadBollo = day(1);
    writeArchive(platform, {v});
    const QString stick = platform.folder() + QStringLiteral("chiavetta/");
    QVERIFY(QDir().mkpath(stick));
    SmallDisk disk(stick);
    if (!disk.mounted())
        QSKIP("mounting a small file system needs root");
    const QString path = stick + QStringLiteral("Scadenze_Corvanta.ics");
    QVERIFY(Gui::writeFile(path, "old calendar"));
    disk.fill();
    platform.queueFileName(path);
    TfrmScadenzario window;
    window.show();
    Gui::push(&window, "btnCalendario");

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.at(0).kind, Platform::MessageKind::Error);
    QCOMPARE(platform.messages.at(0).text,
             QStringLiteral("Attenzione: non è stato possibile esportare il calendario.\n\r\n\r"
                            "Spazio su disco esaurito."));
    QCOMPARE(Gui::readFile(path), QByteArray("old calendar"));
}

// Printing and exporting say the archive's message; the shown rows and the old calendar stay.
void tst_GuiDashboard::archiveFailsWhileRegisterOpen()
{
    FakePlatform platform;
    TSchedaVeicolo v = vehicle(QStringLiteral("AB123CD"));
    v.ScadBollo = day(1);
    writeArchive(platform, {v});
    const QString path = platform.folder() + QStringLiteral("Scadenze_Corvanta.ics");
    QVERIFY(Gui::writeFile(path, "old calendar"));
    TfrmScadenzario window;
    window.show();
    makeArchiveUnreadable(platform);

    platform.queuePrintFile(platform.folder() + QStringLiteral("never.pdf"));
    Gui::push(&window, "btnStampa");
    platform.queueFileName(path);
    Gui::push(&window, "btnCalendario");

    QCOMPARE(platform.prints.size(), 0);
    QCOMPARE(platform.messages.size(), 2);
    for (const FakePlatform::ShownMessage& shown : platform.messages) {
        QCOMPARE(shown.kind, Platform::MessageKind::Error);
        QCOMPARE(shown.text, ArchiveMessages::accessFailure());
    }
    QCOMPARE(Gui::readFile(path), QByteArray("old calendar"));
    QCOMPARE(column(gridOf(&window), 2), QStringList{QStringLiteral("AB123CD")});
    QVERIFY(window.isVisible());
}

QTEST_MAIN(tst_GuiDashboard)
#include "tst_gui_dashboard.moc"

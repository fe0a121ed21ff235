// The deadline menu and its four lists: reached from the launcher and back, each list a
// fresh window that reads the archive on show, the vehicles it keeps for a fixed today,
// their order, printing, and the menu's help topic.
#include "FakePlatform.h"
#include "WindowTest.h"

#include "app/AppWindows.h"
#include "app/TfrmAvvio.h"
#include "archive/VehicleArchive.h"
#include "deadlines/DeadlineListWindow.h"
#include "deadlines/TfrmMenuScadenze.h"
#include "help/HelpTopics.h"
#include "help/TfrmGuida.h"
#include "widgets/ArtworkImage.h"
#include "widgets/LineList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

using Field = QString TSchedaVeicolo::*;

const Field DeadlineFields[] = {&TSchedaVeicolo::ScadRevisione, &TSchedaVeicolo::ScadTagliando,
                                &TSchedaVeicolo::ScadAssicurazione, &TSchedaVeicolo::ScadBollo};

TSchedaVeicolo vehicle(const QString& tipo, const QString& marca, const QString& targa)
{
    TSchedaVeicolo v;
    v.Tipo = tipo;
    v.Marca = marca;
    v.Modello = QStringLiteral("Modello");
    v.Targa = targa;
    v.Chilometri = QStringLiteral("12000");
    v.Proprietario = QStringLiteral("Titolare di ") + targa;
    return v;
}

void writeArchive(const FakePlatform& platform, const QList<TSchedaVeicolo>& vehicles)
{
    VehicleArchive archive(platform.folder());
    for (const TSchedaVeicolo& v : vehicles)
        archive.append(v);
    archive.close();
}

LineList* listOf(const QWidget* window)
{
    return window->findChild<LineList*>(QStringLiteral("lstRecords"));
}

// The plates of the listed vehicles, in list order.
QStringList plates(const QStringList& lines)
{
    QStringList found;
    for (const QString& line : lines)
        found.append(line.mid(61, 12).trimmed());
    return found;
}

// The launcher shown and the deadline menu opened from it.
struct MenuShown {
    AppWindows windows;
    TfrmMenuScadenze* menu = nullptr;

    MenuShown()
    {
        windows.showLauncher();
        Gui::click(windows.frmAvvio(), "imgScadenze");
        menu = windows.frmMenuScadenze();
    }
};

// Clicks the menu's button and runs act on the list window it opens; the lines shown
// and whether the window was gone once the click returned.
struct Opened {
    QString name;
    QStringList lines;
    bool destroyed = false;
};
Opened openList(QWidget* menu, const char* button, const std::function<void(QWidget*)>& act = {})
{
    Opened opened;
    QPointer<QWidget> window;
    Gui::whileModal([&](QWidget* modal) {
        window = modal;
        if (!modal)
            return;
        opened.name = modal->objectName();
        opened.lines = listOf(modal)->lines();
        if (act)
            act(modal);
    });
    Gui::click(menu, button);
    opened.destroyed = window.isNull();
    return opened;
}

QString pdfText(const QString& path)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return text.waitForFinished() ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
}

} // namespace

class tst_GuiDeadlines : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void launcherSwapsToMenu_data();
    void launcherSwapsToMenu();
    void menuButtons();
    void eachListFromMenu_data();
    void eachListFromMenu();
    void freshListEachOpening();
    void dueVehicles_data();
    void dueVehicles();
    void listOrder();
    void unreachableArchive_data();
    void unreachableArchive();
    void print_data();
    void print();
    void helpTopic();
};

void tst_GuiDeadlines::initTestCase()
{
    // As in the program: hidden windows must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_GuiDeadlines::launcherSwapsToMenu_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("exitPicture");

    QTest::newRow("imgScadenze, imgEsci") << "imgScadenze" << true;
    QTest::newRow("btnScadenze, close box") << "btnScadenze" << false;
}

void tst_GuiDeadlines::launcherSwapsToMenu()
{
    QFETCH(QString, picture);
    QFETCH(bool, exitPicture);

    FakePlatform platform;
    AppWindows windows;
    windows.showLauncher();
    TfrmAvvio* launcher = windows.frmAvvio();
    TfrmMenuScadenze* menu = windows.frmMenuScadenze();
    QVERIFY(QTest::qWaitForWindowExposed(launcher));
    QVERIFY(!menu->isVisible());

    Gui::click(launcher, picture.toLatin1().constData());
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QVERIFY(menu->isMaximized());
    QVERIFY(!launcher->isVisible());
    QCOMPARE(menu->windowTitle(), QStringLiteral(" Corvanta - Scadenze Imminenti"));

    if (exitPicture)
        Gui::click(menu, "imgEsci");
    else
        menu->close();
    QVERIFY(!menu->isVisible());
    QVERIFY(launcher->isVisible());

    // The same menu instance comes back.
    Gui::click(launcher, "btnScadenze");
    QVERIFY(menu->isVisible());
    QCOMPARE(windows.instance<TfrmMenuScadenze>(), menu);
    QCOMPARE(platform.messages.size(), 0);
}

void tst_GuiDeadlines::menuButtons()
{
    FakePlatform platform;
    TfrmMenuScadenze menu;
    TfrmAvvio launcher;
    const auto pictureButton = [](const QWidget* window, const char* name) {
        const ArtworkImage* button = Gui::button(window, name);
        QVERIFY2(button && button->isClickable() && button->hasArtwork(), name);
        QVERIFY2(button->cursor().shape() == Qt::PointingHandCursor, name);
    };
    for (const char* name : {"btnRevisione", "btnTagliando", "btnAssicurazione", "btnBollo", "imgGuida", "imgEsci"})
        pictureButton(&menu, name);
    for (const char* name : {"imgScadenze", "btnScadenze"})
        pictureButton(&launcher, name);
    QCOMPARE(Gui::label(&menu, "lblIstruzioni")->text(),
             QStringLiteral("Premi il pulsante relativo al tipo di scadenze imminenti da riepilogare."));
}

void tst_GuiDeadlines::eachListFromMenu_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("field");

    QTest::newRow("revisione") << "btnRevisione"
                               << "frmScadRevisione"
                               << " Veicoli con revisione in scadenza o scaduta"
                               << "Il presente riepilogo visualizza le revisioni scadute o in scadenza nei "
                                  "prossimi 7 giorni"
                               << 0;
    QTest::newRow("tagliando") << "btnTagliando"
                               << "frmScadTagliando"
                               << " Veicoli con tagliando in scadenza o scaduto"
                               << "Il presente riepilogo visualizza i tagliandi scaduti o in scadenza nei "
                                  "prossimi 7 giorni"
                               << 1;
    QTest::newRow("assicurazione") << "btnAssicurazione"
                                   << "frmScadAssicurazione"
                                   << " Veicoli con assicurazione in scadenza o scaduta"
                                   << "Il presente riepilogo visualizza le assicurazioni scadute o in scadenza nei "
                                      "prossimi 7 giorni"
                                   << 2;
    QTest::newRow("bollo") << "btnBollo"
                           << "frmScadBollo"
                           << " Veicoli con bollo in scadenza o scaduto"
                           << "Il presente riepilogo visualizza i bolli scaduti o in scadenza nei prossimi 7 giorni"
                           << 3;
}

// Each button opens its own list, modal and owned by the menu, which reads only its own
// deadline field; closing it returns to the menu.
void tst_GuiDeadlines::eachListFromMenu()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, note);
    QFETCH(int, field);

    FakePlatform platform;
    // Vehicle i is due only in deadline field i.
    QList<TSchedaVeicolo> vehicles;
    for (int i = 0; i < 4; ++i) {
        TSchedaVeicolo v = vehicle(QStringLiteral("Auto"), QStringLiteral("Fiat"), QStringLiteral("PLATE%1").arg(i));
        for (int f = 0; f < 4; ++f)
            v.*DeadlineFields[f] = f == i ? QStringLiteral("10/12/2026") : QStringLiteral("10/12/2027");
        vehicles.append(v);
    }
    writeArchive(platform, vehicles);
    MenuShown shown;

    QString title;
    QString shownNote;
    QString strip;
    bool modalOwnedByMenu = false;
    const Opened opened = openList(shown.menu, button.toLatin1().constData(), [&](QWidget* list) {
        title = list->windowTitle();
        shownNote = Gui::label(list, "lblRigo03")->text();
        modalOwnedByMenu = list->isModal() && list->parentWidget() == shown.menu;
        QFile svg(ArtworkImage::artworkPath(list->objectName(), QStringLiteral("icoTipoScadenze")));
        if (svg.open(QIODevice::ReadOnly))
            strip = QString::fromUtf8(svg.readAll());
        Gui::push(list, "btnChiudi");
    });

    QCOMPARE(opened.name, name);
    QCOMPARE(title, caption);
    QCOMPARE(shownNote, note);
    QVERIFY(modalOwnedByMenu);
    QVERIFY2(strip.contains(caption.trimmed().toUpper()), "the strip does not carry the caption in capitals");
    QCOMPARE(plates(opened.lines), QStringList{QStringLiteral("PLATE%1").arg(field)});
    QVERIFY(opened.destroyed);
    QVERIFY(shown.menu->isVisible());
    QCOMPARE(platform.messages.size(), 0);
}

// A second opening is a new window that reads the archive again.
void tst_GuiDeadlines::freshListEachOpening()
{
    FakePlatform platform;
    MenuShown shown;
    const Opened first = openList(shown.menu, "btnBollo", [](QWidget* list) { Gui::push(list, "btnChiudi"); });
    QVERIFY(first.lines.isEmpty());
    QVERIFY(first.destroyed);
    QVERIFY2(QFileInfo::exists(platform.archivePath()), "the missing archive was not created");

    TSchedaVeicolo due = vehicle(QStringLiteral("Auto"), QStringLiteral("Fiat"), QStringLiteral("AB123CD"));
    due.ScadBollo = QStringLiteral("11/12/2026");
    writeArchive(platform, {due});
    const Opened second = openList(shown.menu, "btnBollo", [](QWidget* list) { Gui::push(list, "btnChiudi"); });
    QCOMPARE(plates(second.lines), QStringList{QStringLiteral("AB123CD")});
    QVERIFY(second.destroyed);
    QCOMPARE(platform.messages.size(), 0);
}

void tst_GuiDeadlines::dueVehicles_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("deadlines"); // one vehicle each, plates V0, V1, ...
    QTest::addColumn<QStringList>("listed");

    const QDate december10(2026, 12, 10);
    QTest::newRow("T+7 in, T+8 out") << december10
                                     << QStringList{QStringLiteral("17/12/2026"), QStringLiteral("18/12/2026")}
                                     << QStringList{QStringLiteral("V0")};
    QTest::newRow("across the month end")
        << QDate(2025, 2, 28) << QStringList{QStringLiteral("08/03/2025"), QStringLiteral("07/03/2025")}
        << QStringList{QStringLiteral("V1")};
    QTest::newRow("today, yesterday, years ago, empty")
        << december10
        << QStringList{QStringLiteral("10/12/2026"), QStringLiteral("09/12/2026"), QStringLiteral("01/01/1999"),
                       QString()}
        << QStringList{QStringLiteral("V0"), QStringLiteral("V1"), QStringLiteral("V2")};
    // A deadline that is no date skips only its own vehicle, silently: the overdue
    // vehicles after it are still listed.
    QTest::newRow("malformed dates in the middle")
        << december10
        << QStringList{QStringLiteral("01/12/2026"), QStringLiteral("31/02/2024"), QStringLiteral("abc"),
                       QStringLiteral("10-12-2026"), QStringLiteral("02/12/2026")}
        << QStringList{QStringLiteral("V0"), QStringLiteral("V4")};
    QTest::newRow("as a clerk may type it")
        << december10 << QStringList{QStringLiteral("1/12/26"), QStringLiteral("5/12/2026")}
        << QStringList{QStringLiteral("V0"), QStringLiteral("V1")};
}

void tst_GuiDeadlines::dueVehicles()
{
    QFETCH(QDate, today);
    QFETCH(QStringList, deadlines);
    QFETCH(QStringList, listed);

    FakePlatform platform;
    platform.fixedToday = today;
    QList<TSchedaVeicolo> vehicles;
    for (int i = 0; i < deadlines.size(); ++i) {
        TSchedaVeicolo v = vehicle(QStringLiteral("Auto"), QStringLiteral("Fiat"), QStringLiteral("V%1").arg(i));
        v.ScadBollo = deadlines.at(i);
        vehicles.append(v);
    }
    writeArchive(platform, vehicles);

    TfrmScadBollo list;
    list.show();
    QCOMPARE(plates(listOf(&list)->lines()), listed);
    QCOMPARE(platform.messages.size(), 0);
}

// Sorted by the whole line: a to z count as A to Z, so the type decides first and the
// make breaks the tie between "auto" and "AUTO"; the owner starts at character 120.
void tst_GuiDeadlines::listOrder()
{
    FakePlatform platform;
    const struct {
        const char *tipo, *marca, *targa;
    } rows[] = {
        {"furgone", "Alfa", "F1"},
        {"AUTO", "Zeta", "A2"},
        {"auto", "Alfa", "A1"},
        {"Auto", "Lancia", "A3"},
    };
    QList<TSchedaVeicolo> vehicles;
    for (const auto& row : rows) {
        TSchedaVeicolo v =
            vehicle(QString::fromLatin1(row.tipo), QString::fromLatin1(row.marca), QString::fromLatin1(row.targa));
        v.ScadRevisione = QStringLiteral("01/12/2026");
        vehicles.append(v);
    }
    writeArchive(platform, vehicles);

    TfrmScadRevisione list;
    list.show();
    const QStringList lines = listOf(&list)->lines();
    QCOMPARE(plates(lines),
             (QStringList{QStringLiteral("A1"), QStringLiteral("A3"), QStringLiteral("A2"), QStringLiteral("F1")}));
    for (const QString& line : lines)
        QCOMPARE(line.mid(119), QStringLiteral("Titolare di ") + line.mid(61, 12).trimmed());
}

void tst_GuiDeadlines::unreachableArchive_data()
{
    QTest::addColumn<bool>("archiveIsFolder");

    QTest::newRow("archive missing") << false;
    QTest::newRow("archive is a folder") << true;
}

// No message, an empty list, and the window stays open.
void tst_GuiDeadlines::unreachableArchive()
{
    QFETCH(bool, archiveIsFolder);

    FakePlatform platform;
    if (archiveIsFolder)
        QVERIFY(QDir().mkpath(platform.archivePath()));
    TfrmScadTagliando list;
    list.show();
    QCOMPARE(listOf(&list)->count(), 0);
    QVERIFY(list.isVisible());
    QCOMPARE(platform.messages.size(), 0);
    QCOMPARE(QFileInfo(platform.archivePath()).isDir(), archiveIsFolder);
    QVERIFY(QFileInfo::exists(platform.archivePath()));
}

void tst_GuiDeadlines::print_data()
{
    QTest::addColumn<int>("vehicles");

    QTest::newRow("empty list") << 0;
    QTest::newRow("three vehicles") << 3;
}

// "Stampa" prints the window's title and its lines, in list order, through the print dialog.
void tst_GuiDeadlines::print()
{
    QFETCH(int, vehicles);

    FakePlatform platform;
    QList<TSchedaVeicolo> archive;
    for (int i = vehicles; i > 0; --i) {
        TSchedaVeicolo v =
            vehicle(QStringLiteral("Auto"), QStringLiteral("Marca%1").arg(i), QStringLiteral("P%1").arg(i));
        v.ScadAssicurazione = QStringLiteral("0%1/12/2026").arg(i);
        archive.append(v);
    }
    writeArchive(platform, archive);
    const QString pdf = platform.folder() + QStringLiteral("scadenze.pdf");
    platform.queuePrintFile(pdf);

    TfrmScadAssicurazione list;
    list.show();
    const QStringList lines = listOf(&list)->lines();
    QCOMPARE(lines.size(), vehicles);
    Gui::push(&list, "btnStampa");

    QCOMPARE(platform.prints.size(), 1);
    QCOMPARE(platform.prints.at(0).pageCount, 1);
    QCOMPARE(platform.messages.size(), 0);
    QCOMPARE(listOf(&list)->lines(), lines);
    QVERIFY(list.isVisible());
    const QString text = pdfText(pdf);
    if (text.isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the printout back");
    QVERIFY(text.contains(QStringLiteral("Veicoli con assicurazione in scadenza o scadute")));
    qsizetype at = 0;
    for (const QString& plate : plates(lines)) {
        const qsizetype found = text.indexOf(QStringLiteral("Targa: ") + plate + QLatin1Char(' '), at);
        QVERIFY2(found >= at, qPrintable(plate));
        at = found;
    }
}

void tst_GuiDeadlines::helpTopic()
{
    FakePlatform platform;
    MenuShown shown;
    QString title;
    QString body;
    bool ownedByMenu = false;
    Gui::whileModal([&](QWidget* help) {
        QVERIFY(qobject_cast<TfrmGuida*>(help));
        ownedByMenu = help->parentWidget() == shown.menu;
        title = Gui::label(help, "lblTitolo")->text();
        body = help->findChild<QPlainTextEdit*>(QStringLiteral("txtGuida"))->toPlainText();
    });
    Gui::click(shown.menu, "imgGuida");

    QVERIFY(ownedByMenu);
    QCOMPARE(title, QStringLiteral("App Scadenze Imminenti"));
    QCOMPARE(body, QString(HelpTopics::deadlineMenu().text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY(shown.menu->isVisible());
}

QTEST_MAIN(tst_GuiDeadlines)
#include "tst_gui_deadlines.moc"

// Renders every window offscreen to PNG, so that the look can be reviewed without a display.
// Usage: corvanta_screens <output folder>
#include "FakePlatform.h"

#include "access/PasswordFile.h"
#include "access/TfrmCambiaPassword.h"
#include "access/TfrmPassword.h"
#include "analysis/TfrmAnalisiCosti.h"
#include "app/AppWindows.h"
#include "app/Startup.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "archive/VehicleArchive.h"
#include "archive/VehicleTitle.h"
#include "backup/TfrmCopieSicurezza.h"
#include "card/TfrmAllegaCartella.h"
#include "card/TfrmAutoparco.h"
#include "card/TfrmCalendario.h"
#include "card/TfrmSlideshow_Automezzi.h"
#include "card/TfrmZoom.h"
#include "costs/CostFile.h"
#include "costs/TfrmAllegaExcel.h"
#include "deadlines/DeadlineListWindow.h"
#include "deadlines/TfrmMenuScadenze.h"
#include "deadlines/TfrmScadenzario.h"
#include "help/HelpTopics.h"
#include "help/TfrmGuida.h"
#include "history/HistoryEvents.h"
#include "history/HistoryFile.h"
#include "history/TfrmStorico.h"
#include "import/TfrmImportaVeicoli.h"
#include "output/TfrmAnteprimaAutomezzo.h"
#include "output/TfrmExpAutoparco.h"
#include "output/TfrmStampaAutomezzo.h"
#include "photo/PhotoFile.h"
#include "platform/QtPlatform.h"
#include "printing/StampaRiepilogo.h"
#include "search/TfrmTrovaAutomezzi.h"
#include "widgets/ArtworkImage.h"
#include "widgets/LineList.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

namespace {

void save(QWidget* window, const QString& folder, const QString& name)
{
    QApplication::processEvents();
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    const bool saved = window->grab().save(path);
    QTextStream(stdout) << path << (saved ? "" : " could not be written") << Qt::endl;
}

// A stand-in vehicle photo: a landscape picture larger than the card's photo box.
QImage samplePhoto()
{
    QImage photo(1200, 800, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 0, 800);
    sky.setColorAt(0, QColor(0x87, 0xCE, 0xEB));
    sky.setColorAt(0.6, QColor(0xE0, 0xF0, 0xFF));
    sky.setColorAt(0.61, QColor(0x6B, 0x8E, 0x23));
    sky.setColorAt(1, QColor(0x55, 0x6B, 0x2F));
    painter.fillRect(photo.rect(), sky);
    painter.setBrush(QColor(0xB2, 0x22, 0x22));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(250, 380, 700, 180, 40, 40);
    painter.drawRoundedRect(400, 290, 380, 140, 40, 40);
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    painter.drawEllipse(330, 500, 130, 130);
    painter.drawEllipse(740, 500, 130, 130);
    return photo;
}

void click(QWidget* window, const char* name)
{
    emit window->findChild<ArtworkImage*>(QLatin1String(name))->clicked();
}

// A window opened from the card, shown without its modal loop.
template <typename Window> void saveFromCard(TfrmAutoparco* card, const QString& folder, const QString& name)
{
    Window window(card);
    window.setCard(card);
    window.show();
    save(&window, folder, name);
}

// The history of vehicle 1 over a year: created, its dates and driver changed, one change
// voided; then its printout.
void saveHistory(FakePlatform& platform, TfrmAutoparco* card, const QString& folder)
{
    const QString programFolder = platform.programFolder();
    const auto stamp = [](int month, int day, int hour) {
        return History::Stamp{QDateTime(QDate(2026, month, day), QTime(hour, 15)), QStringLiteral("UFFICIO-1"),
                              QStringLiteral("mrossi")};
    };
    const auto changed = [&](int month, int day, const char* field, const char* before, const char* after) {
        TEventoVeicolo event =
            History::event(History::Kind::Modifica, 1, card->boxText(&TSchedaVeicolo::Targa), stamp(month, day, 10));
        event.Soggetto = QString::fromUtf8(field);
        event.Prima = QString::fromUtf8(before);
        event.Dopo = QString::fromUtf8(after);
        return event;
    };
    const TEventoVeicolo mistaken = changed(11, 20, "Scad. bollo", "31/01/2026", "31/01/2028");
    HistoryFile history(programFolder);
    const int first = history.appendEvents(
        {History::creation(1, card->boxText(&TSchedaVeicolo::Targa), 0, stamp(1, 12, 9)),
         changed(2, 3, "Scad. assicurazione", "02/12/2025", "02/12/2026"), changed(4, 18, "Autista", "", "Mario Rossi"),
         changed(6, 30, "Chilometri percorsi", "31.500", "40.120"),
         changed(6, 30, "Data lettura", "15/01/2026", "30/06/2026"), mistaken,
         changed(12, 1, "Chilometri percorsi", "40.120", "48.200"),
         changed(12, 1, "Data lettura", "30/06/2026", "01/12/2026")});
    history.appendEvents({History::voiding(first + 5, mistaken, QStringLiteral("anno sbagliato"), stamp(11, 21, 9))});
    history.close();

    TfrmStorico window(card);
    HistoryFile reread(programFolder);
    window.subCarica(VehicleTitle::withPlate(card->boxText(&TSchedaVeicolo::Marca),
                                             card->boxText(&TSchedaVeicolo::Modello),
                                             card->boxText(&TSchedaVeicolo::Targa)),
                     card->boxText(&TSchedaVeicolo::Targa), History::rowsOf(reread.eventsOf(1)));
    reread.close();
    window.show();
    save(&window, folder, QStringLiteral("history"));
    platform.queuePrintFile(folder + QStringLiteral("/history-print.pdf"));
    window.findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();
    QTextStream(stdout) << folder << "/history-print.pdf" << Qt::endl;
    window.hide();
}

// The summary demo: 120 padded lines over several landscape pages.
QStringList demoLines()
{
    QStringList lines;
    for (int i = 1; i <= 120; ++i)
        lines.append(QStringLiteral("%1%2%3%4")
                         .arg(QStringLiteral("AB%1CD").arg(i, 3, 10, QLatin1Char('0')), -12)
                         .arg(i % 3 ? QStringLiteral("Fiat") : QStringLiteral("Lancia"), -16)
                         .arg(i % 2 ? QStringLiteral("Panda 1.2") : QStringLiteral("Ypsilon [ibrida]"), -24)
                         .arg(QStringLiteral("%1/01/2027").arg(i % 28 + 1, 2, 10, QLatin1Char('0'))));
    return lines;
}

// The cost window of vehicle 1 with a few entries: the list panel and its printout, then
// the entry panel holding the second entry.
void saveCostPanels(FakePlatform& platform, TfrmAutoparco* card, const QString& folder)
{
    {
        CostFile costs(platform.programFolder(), 1);
        costs.append({QStringLiteral("12/01/2026"), QStringLiteral("Tagliando 30.000 km"),
                      QStringLiteral("Servizio clienti"), QStringLiteral("Officina Bianchi"),
                      QStringLiteral("245,80")});
        costs.append({QStringLiteral("03/03/2026"), QStringLiteral("Bollo auto 2026"),
                      QStringLiteral("Amministrazione"), QStringLiteral("Regione Lombardia"),
                      QStringLiteral("189,00")});
        costs.append({QStringLiteral("18/06/2026"), QStringLiteral("Sostituzione pneumatici anteriori"),
                      QStringLiteral("Mario Rossi"), QStringLiteral("Gommista Verdi"), QStringLiteral("312,50")});
        costs.close();
    }
    TfrmAllegaExcel costWindow(card);
    costWindow.setCard(card);
    costWindow.show();
    save(&costWindow, folder, QStringLiteral("costs"));
    platform.queuePrintFile(folder + QStringLiteral("/costs-summary.pdf"));
    costWindow.findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();
    QTextStream(stdout) << folder << "/costs-summary.pdf" << Qt::endl;
    costWindow.findChild<LineList*>(QStringLiteral("lstRecords"))->selectRow(1);
    costWindow.findChild<QPushButton*>(QStringLiteral("btnModifica"))->click();
    costWindow.findChild<QLineEdit*>(QStringLiteral("txtCausale"))->setFocus();
    save(&costWindow, folder, QStringLiteral("costs-entry"));
    costWindow.hide();
}

// The analysis of vehicle 1 once it has costs over three years, and its printout.
void saveAnalysis(FakePlatform& platform, TfrmAutoparco* card, const QString& folder)
{
    {
        CostFile costs(platform.programFolder(), 1);
        const struct {
            const char *date, *cause, *amount;
        } more[] = {
            {"15/02/2024", "Tagliando 30.000 km", "198,00"},  {"10/03/2024", "Bollo auto", "189,00"},
            {"02/09/2024", "Assicurazione RCA", "640,00"},    {"20/11/2024", "Riparazione carrozzeria", "420,00"},
            {"11/01/2025", "tagliando 30.000  km", "210,40"}, {"04/03/2025", "Bollo auto", "189,00"},
            {"01/09/2025", "Assicurazione RCA", "655,00"},    {"30/10/2025", "Lavaggio", "25,00"},
            {"05/09/2026", "Assicurazione RCA", "670,00"},    {"ieri", "Multa divieto di sosta", "42,00"},
        };
        for (const auto& entry : more)
            costs.append({QString::fromUtf8(entry.date), QString::fromUtf8(entry.cause), QStringLiteral("Ufficio"),
                          QStringLiteral("Fornitore"), QString::fromUtf8(entry.amount)});
        costs.close();
    }
    TfrmAnalisiCosti analysis(card);
    analysis.setCard(card);
    analysis.show();
    save(&analysis, folder, QStringLiteral("analysis"));
    platform.queuePrintFile(folder + QStringLiteral("/analysis-print.pdf"));
    analysis.findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();
    QTextStream(stdout) << folder << "/analysis-print.pdf" << Qt::endl;
    analysis.hide();
}

// The fleet's analysis once three more vehicles have costs of their own.
void saveFleetAnalysis(FakePlatform& platform, QWidget* launcher, const QString& folder)
{
    const struct {
        const char *marca, *modello, *targa, *cause, *amount;
    } fleet[] = {
        {"Iveco", "Daily 35C", "CD456EF", "Sostituzione frizione", "1380,00"},
        {"Renault", "Kangoo", "EF789GH", "Tagliando 60.000 km", "455,20"},
        {"Ford", "Transit", "GH012IL", "Assicurazione RCA", "890,00"},
    };
    for (const auto& each : fleet) {
        TSchedaVeicolo vehicle;
        vehicle.Tipo = QStringLiteral("Autocarro");
        vehicle.Marca = QString::fromUtf8(each.marca);
        vehicle.Modello = QString::fromUtf8(each.modello);
        vehicle.Targa = QString::fromUtf8(each.targa);
        VehicleArchive archive(platform.programFolder());
        const int position = archive.records().count() + 1;
        archive.append(vehicle);
        archive.close();
        CostFile costs(platform.programFolder(), position);
        costs.append({QStringLiteral("14/04/2025"), QString::fromUtf8(each.cause), QStringLiteral("Ufficio"),
                      QStringLiteral("Fornitore"), QString::fromUtf8(each.amount)});
        costs.append({QStringLiteral("09/05/2026"), QStringLiteral("Bollo auto"), QStringLiteral("Ufficio"),
                      QStringLiteral("Regione"), QStringLiteral("240,00")});
        costs.close();
    }
    TfrmAnalisiCosti analysis(launcher, TfrmAnalisiCosti::Mode::Fleet);
    analysis.show();
    // The cost files are read on a thread of their own.
    while (!analysis.findChild<QComboBox*>(QStringLiteral("cboAnno"))->isEnabled())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    save(&analysis, folder, QStringLiteral("analysis-fleet"));
    platform.queuePrintFile(folder + QStringLiteral("/analysis-fleet-print.pdf"));
    analysis.findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();
    QTextStream(stdout) << folder << "/analysis-fleet-print.pdf" << Qt::endl;
    analysis.hide();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + CORVANTA_OFFSCREEN_CONFIG);
    QApplication app(argc, argv);
    prepareApplication(app);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    QDir().mkpath(folder);

    FakePlatform platform;
    TSchedaVeicolo vehicle;
    vehicle.Tipo = QStringLiteral("Autovettura");
    vehicle.Destinazione = QStringLiteral("Servizio clienti");
    vehicle.Marca = QStringLiteral("Fiat");
    vehicle.Modello = QStringLiteral("Panda 1.2");
    vehicle.Targa = QStringLiteral("AB123CD");
    vehicle.Anno = QStringLiteral("2021");
    vehicle.Colore = QStringLiteral("Rosso");
    vehicle.Telaio = QStringLiteral("ZFA3120000");
    vehicle.Chilometri = QStringLiteral("48.200");
    vehicle.Lettura = QStringLiteral("01/12/2026");
    vehicle.Alimentazione = QStringLiteral("Benzina");
    vehicle.Autista = QStringLiteral("Mario Rossi");
    vehicle.ScadRevisione = QStringLiteral("15/12/2026");
    vehicle.ScadBollo = QStringLiteral("31/01/2027");
    vehicle.File01 = QStringLiteral("libretto_AB123CD.pdf");
    vehicle.Desc01 = QStringLiteral("Libretto di circolazione");
    vehicle.File02 = QStringLiteral("polizza_2026.pdf");
    vehicle.Desc02 = QStringLiteral("Polizza assicurativa");
    vehicle.Note = QStringLiteral("Tagliando eseguito presso l'officina di via Roma.");
    {
        VehicleArchive archive(platform.programFolder());
        archive.append(vehicle);
        archive.close();
    }
    PhotoFile::save(samplePhoto(), PhotoFile::pathFor(platform.programFolder(), QStringLiteral("1")));

    PasswordFile::storeNew(platform.programFolder(), PasswordFile::firstPassword());
    AppWindows windows;
    windows.showFirst();
    save(windows.frmPassword(), folder, QStringLiteral("login"));
    // Once the password is the clerk's own, the login shows no password.
    PasswordFile::storeNew(platform.programFolder(), QStringLiteral("nuova"));
    windows.frmPassword()->hide();
    windows.frmPassword()->show();
    save(windows.frmPassword(), folder, QStringLiteral("login-changed"));
    PasswordFile::storeNew(platform.programFolder(), PasswordFile::firstPassword());
    AppWindows::swap(windows.frmPassword(), windows.frmCambiaPassword());
    windows.frmCambiaPassword()->findChild<QLineEdit*>(QStringLiteral("txtPasswordOld"))->setText(QStringLiteral("x"));
    save(windows.frmCambiaPassword(), folder, QStringLiteral("change-password"));
    windows.frmCambiaPassword()->hide();
    windows.showLauncher();
    // The day's backup runs behind the launcher; its progress line goes once it is made.
    const QWidget* progressLine = windows.frmAvvio()->findChild<QWidget*>(QStringLiteral("prgCopiaAutomatica"));
    while (progressLine->isVisible())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    save(windows.frmAvvio(), folder, QStringLiteral("launcher"));

    click(windows.frmAvvio(), "imgAutoparco");
    save(windows.frmAutoparco(), folder, QStringLiteral("card"));
    click(windows.frmAutoparco(), "cmdPrimo");
    save(windows.frmAutoparco(), folder, QStringLiteral("card-record"));

    windows.frmAutoparco()->box(&TSchedaVeicolo::Marca)->setFocus();
    save(windows.frmAutoparco(), folder, QStringLiteral("card-focus"));

    TfrmCalendario picker(windows.frmAutoparco());
    picker.setCard(windows.frmAutoparco());
    picker.setTag(QStringLiteral("autoparco_scadbollo"));
    picker.show();
    save(&picker, folder, QStringLiteral("calendar"));
    picker.hide();

    TfrmAllegaCartella attachments(windows.frmAutoparco());
    attachments.setTag(QStringLiteral("autoparco"));
    attachments.setCard(*windows.frmAutoparco());
    attachments.show();
    save(&attachments, folder, QStringLiteral("attachments"));
    attachments.hide();

    TfrmSlideshow_Automezzi slideshow(windows.frmAutoparco());
    slideshow.show();
    save(&slideshow, folder, QStringLiteral("slideshow"));
    emit slideshow.findChild<ArtworkImage*>(QStringLiteral("cmdAvanti"))->clicked();
    save(&slideshow, folder, QStringLiteral("slideshow-photo"));
    slideshow.hide();

    TfrmTrovaAutomezzi search(windows.frmAutoparco());
    search.setCard(windows.frmAutoparco());
    search.setTag(QStringLiteral("autoparco"));
    search.show();
    QApplication::processEvents(); // the window takes the focus before it moves on
    search.findChild<QLineEdit*>(QStringLiteral("txtMarca"))->setText(QStringLiteral("fiat"));
    search.findChild<QLineEdit*>(QStringLiteral("txtMarca"))->setFocus();
    save(&search, folder, QStringLiteral("search-criteria"));
    search.findChild<QPushButton*>(QStringLiteral("btnCerca"))->click();
    save(&search, folder, QStringLiteral("search-results"));
    platform.queuePrintFile(folder + QStringLiteral("/search-summary.pdf"));
    search.findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();
    QTextStream(stdout) << folder << "/search-summary.pdf" << Qt::endl;
    search.hide();

    TfrmZoom zoom(windows.frmAutoparco());
    zoom.setPicture(windows.frmAutoparco()->photo());
    zoom.show();
    save(&zoom, folder, QStringLiteral("zoom"));
    zoom.hide();

    saveFromCard<TfrmStampaAutomezzo>(windows.frmAutoparco(), folder, QStringLiteral("print"));
    saveFromCard<TfrmAnteprimaAutomezzo>(windows.frmAutoparco(), folder, QStringLiteral("preview"));
    // The card form and the summary demo, printed through the dialog as PDF files.
    platform.queuePrintFile(folder + QStringLiteral("/card-form.pdf"));
    QTimer::singleShot(0, [] {
        QWidget* window = QApplication::activeModalWidget();
        if (auto* print = window ? window->findChild<QPushButton*>(QStringLiteral("btnStampa")) : nullptr)
            print->click();
    });
    click(windows.frmAutoparco(), "cmdStampa");
    QTextStream(stdout) << folder << "/card-form.pdf" << Qt::endl;
    platform.queuePrintFile(folder + QStringLiteral("/summary-120.pdf"));
    StampaRiepilogo(windows.frmAutoparco(), QStringLiteral("Veicoli con bollo in scadenza o scaduto"), demoLines());
    QTextStream(stdout) << folder << "/summary-120.pdf" << Qt::endl;
    saveCostPanels(platform, windows.frmAutoparco(), folder);
    TfrmExpAutoparco exportWindow(windows.frmAutoparco());
    exportWindow.show();
    save(&exportWindow, folder, QStringLiteral("export"));
    exportWindow.hide();

    // The deadline menu, and the road-tax list with a few more vehicles due.
    {
        VehicleArchive archive(platform.programFolder());
        const char* const due[][5] = {
            {"Furgone", "Iveco", "Daily 35", "CX908LM", "03/12/2026"},
            {"Autovettura", "Lancia", "Ypsilon", "FG456HJ", "17/12/2026"},
            {"Autocarro", "Renault", "Master", "DK112PQ", "18/12/2026"},
            {"Autovettura", "Fiat", "Tipo", "EZ771AB", "21/11/2025"},
        };
        for (const auto& row : due) {
            TSchedaVeicolo other;
            other.Tipo = QString::fromUtf8(row[0]);
            other.Marca = QString::fromUtf8(row[1]);
            other.Modello = QString::fromUtf8(row[2]);
            other.Targa = QString::fromUtf8(row[3]);
            other.ScadBollo = QString::fromUtf8(row[4]);
            other.Chilometri = QStringLiteral("96.400");
            other.Proprietario = QStringLiteral("Trasporti Bianchi S.r.l.");
            archive.append(other);
        }
        archive.close();
    }
    windows.frmAutoparco()->close();
    click(windows.frmAvvio(), "imgScadenze");
    save(windows.frmMenuScadenze(), folder, QStringLiteral("deadline-menu"));
    TfrmScadBollo deadlines(windows.frmMenuScadenze());
    deadlines.show();
    save(&deadlines, folder, QStringLiteral("deadline-list"));
    deadlines.hide();
    // The register of every due date, in its default period, with an insurance in its days of
    // grace and a date that cannot be read.
    {
        VehicleArchive archive(platform.programFolder());
        TSchedaVeicolo other;
        other.Tipo = QStringLiteral("Autovettura");
        other.Marca = QStringLiteral("Ford");
        other.Modello = QStringLiteral("Focus SW");
        other.Targa = QStringLiteral("GH345KL");
        other.ScadAssicurazione = QStringLiteral("02/12/2026");
        other.ScadTagliando = QStringLiteral("31/02/2026");
        archive.append(other);
        archive.close();
    }
    TfrmScadenzario deadlineRegister(windows.frmMenuScadenze());
    deadlineRegister.show();
    save(&deadlineRegister, folder, QStringLiteral("deadline-register"));
    deadlineRegister.hide();

    TfrmGuida help(windows.frmAvvio());
    help.setTopic(HelpTopics::card());
    help.show();
    save(&help, folder, QStringLiteral("help"));
    help.hide();

    TfrmInfo information(windows.frmAvvio());
    information.show();
    save(&information, folder, QStringLiteral("information"));
    information.hide();

    TfrmSplash splash(windows.frmAvvio());
    splash.show();
    save(&splash, folder, QStringLiteral("splash"));
    splash.hide();

    TfrmCopieSicurezza backups(windows.frmAvvio());
    backups.show();
    backups.findChild<LineList*>(QStringLiteral("lstCopie"))->selectRow(0);
    save(&backups, folder, QStringLiteral("backups"));
    backups.hide();
    // Last, so that its extra costs reach no other screen.
    saveAnalysis(platform, windows.frmAutoparco(), folder);
    saveFleetAnalysis(platform, windows.frmAvvio(), folder);
    // Last of the card's windows, so that the history it writes reaches no other picture.
    saveHistory(platform, windows.frmAutoparco(), folder);

    // The import window with a file as Italian Excel writes it.
    TfrmImportaVeicoli import(windows.frmAvvio());
    import.show();
    platform.queueFileName(QStringLiteral(CORVANTA_IMPORT_SAMPLE));
    import.findChild<QPushButton*>(QStringLiteral("btnScegliFile"))->click();
    save(&import, folder, QStringLiteral("import"));
    import.hide();

    // A real message box of the production platform, with Qt's Italian buttons.
    QTimer::singleShot(0, [&folder] {
        QWidget* box = QApplication::activeModalWidget();
        save(box, folder, QStringLiteral("message"));
        box->close();
    });
    QtPlatform().message(windows.frmAutoparco(), Platform::MessageKind::Error, ArchiveMessages::accessFailure());
    return 0;
}

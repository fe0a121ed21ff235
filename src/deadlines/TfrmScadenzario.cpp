#include "deadlines/TfrmScadenzario.h"

#include "archive/VehicleArchive.h"
#include "companion/ChosenVehicle.h"
#include "deadlines/DeadlineCalendar.h"
#include "deadlines/DeadlineRegisterModel.h"
#include "deadlines/DueDates.h"
#include "platform/Platform.h"
#include "printing/StampaRiepilogo.h"
#include "widgets/ArtworkImage.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/ModalWindow.h"
#include "widgets/WindowFrame.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace {

const QColor Orange(0xFF, 0xA5, 0x00);

// Like the deadline lists: the panel reaches down over the buttons and is see-through below
// its white background.
const WindowFrame Frame = WindowFrame::fixed("frmScadenzario", " Scadenzario", {930, 632})
                              .gradient(Colours::SteelBlue, Qt::white)
                              .container({902, 604})
                              .withoutTitleBarButtons()
                              .withProcessFormats();

const Controls::ComboBox Periodo = {"cboPeriodo", {90, 168, 200, 24}};

// The period last chosen, kept while the program runs: the register reopens on it.
DeadlineRegisterModel::Period g_periodo = DeadlineRegisterModel::Period::Within30;

// Stato takes the rest, wide enough for an insurance in its days of grace.
const Controls::TableView Scadenze = {"grdScadenze",
                                      {25, 205, 852, 328},
                                      {100, 180, 85, 80, 50},
                                      20,
                                      Controls::TableView::FixedSizes | Controls::TableView::SingleSelection |
                                          Controls::TableView::SortByHeader};

// One printed line per row, in the order shown, with the columns at fixed places.
QStringList printedLines(const QSortFilterProxyModel& sorted, const DeadlineRegisterModel& rows)
{
    static const int Widths[DeadlineRegisterModel::ColumnCount] = {15, 32, 12, 12, 7, 0};
    QStringList lines;
    lines.reserve(sorted.rowCount());
    for (int r = 0; r < sorted.rowCount(); ++r) {
        const int source = sorted.mapToSource(sorted.index(r, 0)).row();
        QString line;
        for (int c = 0; c < DeadlineRegisterModel::ColumnCount; ++c) {
            const QString text = rows.text(source, c);
            if (c == DeadlineRegisterModel::Giorni)
                line += text.rightJustified(Widths[c] - 2, QLatin1Char(' '), true) + QStringLiteral("  ");
            else if (Widths[c] > 0)
                line += text.leftJustified(Widths[c], QLatin1Char(' '), true);
            else
                line += text;
        }
        lines.append(line);
    }
    return lines;
}

} // namespace

TfrmScadenzario::TfrmScadenzario(QWidget* parent) : QDialog(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::shape(panContainer, "shpStampa", {10, 10, 882, 540}, Qt::white, Qt::white);
    // The car of the deadline lists.
    auto* icoAuto = new ArtworkImage(QStringLiteral("common"), QStringLiteral("icoAutoScadenze"), panContainer);
    icoAuto->setObjectName(QStringLiteral("icoAuto"));
    icoAuto->setGeometry(330, 28, 239, 96);
    Controls::picture(panContainer, "icoTipoScadenze", {20, 134, 862, 26}, false);

    const QFont verdana = Fonts::font(QStringLiteral("Verdana"), 10);
    QLabel* lblPeriodo = Controls::label(panContainer, "lblPeriodo", {20, 172}, QStringLiteral("Periodo:"), verdana);
    lblPeriodo->setGeometry(20, 168, 70, 24);
    cboPeriodo = Controls::comboBox(panContainer, Periodo, verdana);
    cboPeriodo->addItems(DeadlineRegisterModel::periodNames());
    cboPeriodo->setCurrentIndex(static_cast<int>(g_periodo));

    Controls::shape(panContainer, "shpLista", {20, 200, 862, 338}, Orange, Orange);
    m_rows = new DeadlineRegisterModel(this);
    m_rows->setPeriod(g_periodo);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_rows);
    m_sorted->setSortRole(DeadlineRegisterModel::SortRole);
    grdScadenze = Controls::tableView(panContainer, Scadenze, m_sorted, Fonts::font(QStringLiteral("Verdana"), 9));

    const Controls::PushButton<TfrmScadenzario> buttons[] = {
        {"btnChiudi", {0, 570, 161, 32}, "Chiudi", &TfrmScadenzario::btnChiudiClick},
        {"btnCalendario", {570, 570, 161, 32}, "Esporta calendario", &TfrmScadenzario::btnCalendarioClick},
        {"btnStampa", {741, 570, 161, 32}, "Stampa", &TfrmScadenzario::btnStampaClick},
    };
    const Controls::Buttons made = Controls::pushButtons(this, panContainer, buttons, verdana);
    Controls::tabChain({cboPeriodo, grdScadenze, made["btnChiudi"], made["btnCalendario"], made["btnStampa"]});

    connect(cboPeriodo, &QComboBox::currentIndexChanged, this, &TfrmScadenzario::cboPeriodoChange);
    connect(grdScadenze, &QTableView::doubleClicked, this, &TfrmScadenzario::grdScadenzeDblClick);
    // Enter on the table opens the selected row's vehicle, as a double-click does, before the
    // dialog would take it for its default button.
    for (const QKeySequence& enter : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(enter, grdScadenze, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            const QModelIndexList selected = grdScadenze->selectionModel()->selectedRows();
            if (!selected.isEmpty())
                grdScadenzeDblClick(selected.constFirst());
        });
    }
}

std::optional<StoredVehicle> TfrmScadenzario::open(QWidget* owner)
{
    std::optional<StoredVehicle> chosen;
    openModal<TfrmScadenzario>(owner, [&chosen](TfrmScadenzario& window) {
        connect(&window, &QDialog::finished, &window, [&chosen, &window] { chosen = window.chosen(); });
    });
    return chosen;
}

void TfrmScadenzario::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        subCarica();
}

// An archive that cannot be read leaves the register empty, without a message.
void TfrmScadenzario::subCarica()
{
    const Platform& platform = Platform::instance();
    m_rows->load(DueDates::scan(platform.programFolder(), platform.today()), platform.today());
}

void TfrmScadenzario::cboPeriodoChange(int index)
{
    g_periodo = static_cast<DeadlineRegisterModel::Period>(index);
    m_rows->setPeriod(g_periodo);
}

void TfrmScadenzario::grdScadenzeDblClick(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const int position = m_rows->vehicleAt(m_sorted->mapToSource(index).row()).position;
    m_chosen = readChosenVehicle(this, position);
    if (m_chosen)
        accept();
}

void TfrmScadenzario::btnChiudiClick()
{
    accept();
}

bool TfrmScadenzario::subArchivioLeggibile()
{
    try {
        VehicleArchive archive(Platform::instance().programFolder());
        archive.records().count();
        archive.close();
        return true;
    } catch (const FileAccessError&) {
        Messages::error(this, ArchiveMessages::accessFailure());
        return false;
    }
}

void TfrmScadenzario::btnStampaClick()
{
    if (!subArchivioLeggibile())
        return;
    const QString title = QStringLiteral("Scadenzario al %1 - %2")
                              .arg(Platform::instance().today().toString(QStringLiteral("dd/MM/yyyy")),
                                   DeadlineRegisterModel::nameOf(m_rows->period()));
    StampaRiepilogo(this, title, printedLines(*m_sorted, *m_rows));
}

// Every readable due date of the fleet goes into the calendar, whatever the period shows.
void TfrmScadenzario::btnCalendarioClick()
{
    Platform& platform = Platform::instance();
    Platform::FileDialogOptions options;
    options.title = QStringLiteral("Esporta calendario");
    options.filter = QStringLiteral("Calendario (*.ics)|*.ics");
    options.presetName = QStringLiteral("Scadenze_Corvanta.ics");
    options.defaultExtension = QStringLiteral("ics");
    options.confirmOverwrite = true;
    const QString path = platform.saveFileName(this, options);
    if (path.isEmpty())
        return;
    const DueDates::Scan fresh = DueDates::scan(platform.programFolder(), platform.today());
    if (!fresh.complete) {
        Messages::error(this, ArchiveMessages::accessFailure());
        return;
    }
    QString why;
    if (!DeadlineCalendar::write(path, fresh, platform.now().toUTC(), &why))
        Messages::error(this, DeadlineCalendar::failureMessage(why));
}

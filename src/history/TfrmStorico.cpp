#include "history/TfrmStorico.h"

#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "archive/VehicleTitle.h"
#include "companion/CardAccess.h"
#include "history/HistoryFile.h"
#include "platform/Platform.h"
#include "printing/StampaRiepilogo.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/ModalWindow.h"
#include "widgets/WindowFrame.h"

#include <QComboBox>
#include <QLabel>
#include <QTableView>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmStorico", " Storico del veicolo", {930, 560})
                              .gradient(Colours::SteelBlue, Qt::white)
                              .container({902, 532})
                              .withoutTitleBarButtons();

const Controls::ComboBox Tipo = {"cboTipo", {90, 88, 220, 24}};

// Da takes the rest.
const Controls::TableView Storico = {"grdStorico",
                                     {25, 125, 852, 336},
                                     {118, 96, 380, 118},
                                     20,
                                     Controls::TableView::FixedSizes | Controls::TableView::SingleSelection};

// One printed line per listed row: the columns at fixed places, the description last and whole.
QStringList printedLines(const HistoryModel& rows)
{
    static const struct {
        HistoryModel::Column column;
        int width;
    } Printed[] = {{HistoryModel::Data, 18},
                   {HistoryModel::Evento, 19},
                   {HistoryModel::Registrato, 18},
                   {HistoryModel::Da, 24},
                   {HistoryModel::Descrizione, 0}};
    QStringList lines;
    lines.reserve(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r) {
        QString line;
        for (const auto& printed : Printed) {
            const QString text = rows.text(r, printed.column);
            line += printed.width > 0 ? text.leftJustified(printed.width - 1, QLatin1Char(' '), true) + QLatin1Char(' ')
                                      : text;
        }
        lines.append(line);
    }
    return lines;
}

} // namespace

TfrmStorico::TfrmStorico(QWidget* parent) : QDialog(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::shape(panContainer, "shpStorico", {10, 10, 882, 468}, Qt::white, Qt::white);
    Controls::picture(panContainer, "icoStorico", {24, 22, 48, 48}, false);

    lblVeicolo = Controls::label(panContainer, "lblVeicolo", {86, 34}, QString(),
                                 Fonts::font(QStringLiteral("Verdana"), 14, true), Colours::SteelBlue);
    lblVeicolo->setFixedWidth(780);

    const QFont verdana = Fonts::font(QStringLiteral("Verdana"), 10);
    QLabel* lblTipo = Controls::label(panContainer, "lblTipo", {20, 92}, QStringLiteral("Eventi:"), verdana);
    lblTipo->setGeometry(20, 88, 70, 24);
    cboTipo = Controls::comboBox(panContainer, Tipo, verdana);

    Controls::shape(panContainer, "shpLista", {20, 120, 862, 346}, Colours::SteelBlue, Colours::SteelBlue);
    m_rows = new HistoryModel(this);
    grdStorico = Controls::tableView(panContainer, Storico, m_rows, Fonts::font(QStringLiteral("Verdana"), 9));

    const Controls::PushButton<TfrmStorico> buttons[] = {
        {"btnChiudi", {0, 498, 161, 32}, "Chiudi", &TfrmStorico::btnChiudiClick},
        {"btnStampa", {741, 498, 161, 32}, "Stampa", &TfrmStorico::btnStampaClick},
    };
    const Controls::Buttons made = Controls::pushButtons(this, panContainer, buttons, verdana);
    Controls::tabChain({cboTipo, grdStorico, made["btnChiudi"], made["btnStampa"]});

    connect(cboTipo, &QComboBox::currentIndexChanged, this, &TfrmStorico::cboTipoChange);
}

void TfrmStorico::open(QWidget* owner, const CardAccess& card)
{
    const int position = card.position().toInt();
    std::vector<HistoryRow> rows;
    try {
        HistoryFile history(Platform::instance().programFolder());
        rows = History::rowsOf(history.eventsOf(position));
        history.close();
    } catch (const FileAccessError&) {
        Messages::error(owner, ArchiveMessages::accessFailure());
        return;
    }
    const QString vehicle =
        VehicleTitle::withPlate(card.boxText(&TSchedaVeicolo::Marca), card.boxText(&TSchedaVeicolo::Modello),
                                card.boxText(&TSchedaVeicolo::Targa));
    const QString plate = StoredText::trimmed(card.boxText(&TSchedaVeicolo::Targa));
    openModal<TfrmStorico>(owner, [&](TfrmStorico& window) { window.subCarica(vehicle, plate, std::move(rows)); });
}

void TfrmStorico::subCarica(const QString& vehicle, const QString& plate, std::vector<HistoryRow> rows)
{
    lblVeicolo->setText(vehicle);
    m_plate = plate;
    const QStringList kinds = History::kindChoices(rows);
    m_rows->load(std::move(rows));
    const QSignalBlocker quiet(cboTipo);
    cboTipo->clear();
    cboTipo->addItems(kinds);
    cboTipo->setCurrentIndex(0);
}

void TfrmStorico::cboTipoChange(int index)
{
    m_rows->setKind(index <= 0 ? History::allKinds() : cboTipo->itemText(index));
}

void TfrmStorico::btnStampaClick()
{
    const QString title = QStringLiteral("Storico del veicolo %1 al %2")
                              .arg(m_plate, Platform::instance().today().toString(QStringLiteral("dd/MM/yyyy")));
    StampaRiepilogo(this, title, printedLines(*m_rows));
}

void TfrmStorico::btnChiudiClick()
{
    accept();
}

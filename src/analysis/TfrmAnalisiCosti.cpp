#include "analysis/TfrmAnalisiCosti.h"

#include "analysis/AnalysisPage.h"
#include "analysis/AnalysisTables.h"
#include "analysis/AnalysisWorkbook.h"
#include "analysis/CostChartView.h"
#include "analysis/VehicleCosts.h"
#include "archive/VehicleArchive.h"
#include "archive/VehicleTitle.h"
#include "companion/CardAccess.h"
#include "companion/ChosenVehicle.h"
#include "jobs/BackgroundJob.h"
#include "output/ExportFile.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/ModalWindow.h"
#include "widgets/WindowFrame.h"
#include "widgets/WorkbookDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmAnalisiCosti", " Analisi costi", {1000, 700})
                              .gradient(QColor(0x79, 0xA6, 0xCB), Qt::white)
                              .container({980, 680})
                              .withoutTitleBarButtons();
const WindowFrame FleetFrame = Frame.withCaption(" Analisi costi del parco");

const Controls::Picture Pictures[] = {
    {"imgLogo", {0, 0, 980, 64}},
};

// The controls of the fleet alone: the year chosen beside the title, and the ranking.
struct FleetControls {
    QPoint yearLabel;
    Controls::ComboBox year;
    Controls::TableView ranking;
};

// Where the two modes differ; each mode is one row, chosen when the window is built.
struct Layout {
    const WindowFrame& frame;
    Controls::TitleBand title;
    Controls::TableView years;
    Controls::TableView causes;
    QRect chart;
    const FleetControls* fleet;
};

constexpr int RowHeight = 24;

// The vehicle's years above its causes, on the left of the chart.
const Layout VehicleLayout = {
    Frame,
    {"shpTitolo", {0, 72, 980, 40}, "lblTitolo", {8, 72, 964, 40}},
    {"grdPerAnno", {12, 124, 380, 196}, {130, 140, 80}, RowHeight, Controls::TableView::AlternatingRows},
    {"grdPerCausale", {12, 332, 380, 244}, {200, 100, 60}, RowHeight, Controls::TableView::AlternatingRows},
    {404, 124, 564, 452},
    nullptr,
};

const FleetControls Fleet = {
    {722, 82},
    {"cboAnno", {782, 78, 186, 28}},
    {"grdPerVeicolo", {12, 124, 956, 200}, {60, 110, 330, 150, 90}, RowHeight, Controls::TableView::AlternatingRows},
};

// The fleet's ranking on top; its years, causes and chart below it.
const Layout FleetLayout = {
    FleetFrame,
    {"shpTitolo", {0, 72, 980, 40}, "lblTitolo", {8, 72, 700, 40}},
    {"grdPerAnno", {12, 332, 236, 244}, {80, 100, 50}, RowHeight, Controls::TableView::AlternatingRows},
    {"grdPerCausale", {256, 332, 300, 244}, {118, 94, 60}, RowHeight, Controls::TableView::AlternatingRows},
    {564, 332, 404, 244},
    &Fleet,
};

QFont verdana(int pointSize, bool bold = false)
{
    return Fonts::font(QStringLiteral("Verdana"), pointSize, bold);
}

QString allYears()
{
    return QStringLiteral("Tutti gli anni");
}

Platform::FileDialogOptions dlgSalvaXlsx()
{
    return workbookSaveOptions(QStringLiteral("Salva l'analisi in una cartella di lavoro Excel"),
                               AnalysisWorkbook::presetName());
}

} // namespace

TfrmAnalisiCosti::TfrmAnalisiCosti(QWidget* parent, Mode mode) : QDialog(parent), m_fleet(mode == Mode::Fleet)
{
    const Layout& layout = m_fleet ? FleetLayout : VehicleLayout;
    QWidget* panContainer = buildFrame(this, layout.frame);
    Controls::shape(panContainer, "shpSfondo", {0, 0, 980, 64}, Qt::white, Qt::white);
    Controls::pictures(panContainer, Pictures);
    lblTitolo = Controls::titleBand(panContainer, layout.title, verdana(16));

    m_years = new AnalysisTableModel(this);
    m_causes = new AnalysisTableModel(this);
    // The headers from the start, so the views take their column widths.
    m_years->setTable(AnalysisTables::byYear(CostAnalysis()));
    m_causes->setTable(AnalysisTables::byCause(CostAnalysis()));
    Controls::tableView(panContainer, layout.years, m_years, verdana(10));
    Controls::tableView(panContainer, layout.causes, m_causes, verdana(10));
    // Made after the causes, so Tab goes from them to the year and the ranking.
    if (layout.fleet) {
        Controls::label(panContainer, "lblAnno", layout.fleet->yearLabel, QStringLiteral("Anno:"), verdana(11, true),
                        Qt::white);
        cboAnno = Controls::comboBox(panContainer, layout.fleet->year, verdana(10));
        m_vehicles = new AnalysisTableModel(this);
        m_vehicles->setTable(AnalysisTables::byVehicle(FleetCosts(), FleetAnalysis()));
        QTableView* grdPerVeicolo = Controls::tableView(panContainer, layout.fleet->ranking, m_vehicles, verdana(10));
        connect(cboAnno, &QComboBox::currentIndexChanged, this, &TfrmAnalisiCosti::cboAnnoChange);
        connect(grdPerVeicolo, &QTableView::doubleClicked, this, &TfrmAnalisiCosti::grdPerVeicoloDblClick);
    }

    chtCosti = new CostChartView(panContainer);
    chtCosti->setObjectName(QStringLiteral("chtCosti"));
    chtCosti->setGeometry(layout.chart);

    lblTotali = Controls::label(panContainer, "lblTotali", {12, 588}, QString(), verdana(11, true), Qt::black);
    lblTotali->setFixedWidth(956);

    const Controls::PushButton<TfrmAnalisiCosti> buttons[] = {
        {"btnChiudi", {12, 630, 120, 34}, "Chiudi", &TfrmAnalisiCosti::btnChiudiClick},
        {"btnStampa", {618, 630, 170, 34}, "Stampa", &TfrmAnalisiCosti::btnStampaClick},
        {"btnEsporta", {798, 630, 170, 34}, "Esporta in Excel", &TfrmAnalisiCosti::btnEsportaClick},
    };
    const Controls::Buttons made = Controls::pushButtons(this, panContainer, buttons, verdana(10));
    btnStampa = made["btnStampa"];
    btnEsporta = made["btnEsporta"];

    // The fleet's cost files are read off the event loop; the bar stands over the totals.
    prgLettura = Controls::progressBar(panContainer, {"prgLettura", {12, 612, 956, 12}, false});
    m_job = new BackgroundJob(this);
    connect(m_job, &BackgroundJob::progressed, prgLettura, &QProgressBar::setValue);
    connect(m_job, &BackgroundJob::finished, this, &TfrmAnalisiCosti::subParcoLetto);
}

std::optional<StoredVehicle> TfrmAnalisiCosti::openFleet(QWidget* owner)
{
    std::optional<StoredVehicle> chosen;
    openModal<TfrmAnalisiCosti>(
        owner,
        [&chosen](TfrmAnalisiCosti& window) {
            connect(&window, &QDialog::finished, &window, [&chosen, &window] { chosen = window.chosen(); });
        },
        Mode::Fleet);
    return chosen;
}

void TfrmAnalisiCosti::setCard(const CardAccess* card)
{
    m_card = card;
}

void TfrmAnalisiCosti::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

QString TfrmAnalisiCosti::title() const
{
    if (m_fleet) {
        const QString heading = QStringLiteral("Analisi costi del parco");
        return cboAnno->currentIndex() > 0 ? heading + QStringLiteral(" - ") + cboAnno->currentText() : heading;
    }
    if (!m_card)
        return QString();
    return QStringLiteral("Analisi costi di ") + VehicleTitle::withPlate(m_card->boxText(&TSchedaVeicolo::Marca),
                                                                         m_card->boxText(&TSchedaVeicolo::Modello),
                                                                         m_card->boxText(&TSchedaVeicolo::Targa));
}

void TfrmAnalisiCosti::FormShow()
{
    if (m_fleet) {
        subCaricaParco();
        return;
    }
    if (!m_card)
        return;
    const VehicleCosts costs = analyseVehicle(Platform::instance().programFolder(), m_card->position().toInt());
    m_analysis = costs.analysis;
    QString totals = AnalysisTables::totals(m_analysis);
    if (!costs.complete)
        totals += QStringLiteral("   (file dei costi non leggibile)");
    subMostra(totals);
}

// Every cost file is read once; a change of year only counts again. Closing the window
// meanwhile stops the reading.
void TfrmAnalisiCosti::subCaricaParco()
{
    for (QWidget* waiting :
         {static_cast<QWidget*>(cboAnno), static_cast<QWidget*>(btnStampa), static_cast<QWidget*>(btnEsporta)})
        waiting->setEnabled(false);
    lblTitolo->setText(title());
    lblTotali->setText(QStringLiteral("Lettura dei file dei costi in corso..."));
    prgLettura->setValue(0);
    prgLettura->show();
    const QString folder = Platform::instance().programFolder();
    m_job->start([this, folder](const auto& progress, const auto& cancelled) {
        m_reading = readFleetCosts(folder, progress, cancelled);
    });
}

void TfrmAnalisiCosti::subParcoLetto()
{
    m_job->wait();
    prgLettura->hide();
    if (m_reading.cancelled)
        return;
    m_fleetCosts = std::move(m_reading);
    {
        const QSignalBlocker quiet(cboAnno);
        cboAnno->clear();
        cboAnno->addItem(allYears(), FleetAnalysis::AllYears);
        for (const int year : m_fleetCosts.years())
            cboAnno->addItem(QString::number(year), year);
    }
    for (QWidget* ready :
         {static_cast<QWidget*>(cboAnno), static_cast<QWidget*>(btnStampa), static_cast<QWidget*>(btnEsporta)})
        ready->setEnabled(true);
    if (!m_fleetCosts.archiveRead)
        Messages::error(this, ArchiveMessages::accessFailure());
    subMostraAnno();
}

void TfrmAnalisiCosti::subMostraAnno()
{
    m_fleetAnalysis = analyseFleet(m_fleetCosts, cboAnno->currentData().toInt());
    m_analysis = m_fleetAnalysis.analysis;
    m_vehicles->setTable(AnalysisTables::byVehicle(m_fleetCosts, m_fleetAnalysis));
    subMostra(AnalysisTables::fleetTotals(m_fleetCosts, m_fleetAnalysis));
}

void TfrmAnalisiCosti::subMostra(const QString& totals)
{
    lblTitolo->setText(title());
    m_years->setTable(AnalysisTables::byYear(m_analysis));
    m_causes->setTable(AnalysisTables::byCause(m_analysis));
    chtCosti->setAnalysis(m_analysis);
    lblTotali->setText(totals);
}

void TfrmAnalisiCosti::cboAnnoChange(int)
{
    subMostraAnno();
}

// As the search's recall: the window closes and its opener shows the vehicle in the card.
void TfrmAnalisiCosti::grdPerVeicoloDblClick(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const FleetAnalysis::Ranked& ranked = m_fleetAnalysis.ranking[static_cast<std::size_t>(index.row())];
    const int position = m_fleetCosts.vehicles[static_cast<std::size_t>(ranked.vehicle)].position;
    m_chosen = readChosenVehicle(this, position);
    if (m_chosen)
        accept();
}

void TfrmAnalisiCosti::btnStampaClick()
{
    Platform::PrintJob job;
    job.documentName = title();
    job.layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                             QPageLayout::Millimeter);
    job.pageCount = 1;
    const QString heading = title();
    const CostAnalysis analysis = m_analysis;
    const std::optional<AnalysisTable> ranking =
        m_fleet ? std::optional<AnalysisTable>(m_vehicles->table()) : std::nullopt;
    job.paint = [heading, analysis, ranking](QPagedPaintDevice& device, int, int) {
        QPainter painter(&device);
        const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
        AnalysisPage::paint(painter, QRectF(QPointF(0, 0), QSizeF(page.size())), heading, analysis,
                            ranking ? &*ranking : nullptr);
    };
    Platform::instance().print(this, job);
}

void TfrmAnalisiCosti::btnEsportaClick()
{
    const QString chosen = Platform::instance().saveFileName(this, dlgSalvaXlsx());
    if (chosen.isEmpty())
        return;
    const bool written = m_fleet ? AnalysisWorkbook::writeFleet(chosen, m_fleetCosts, m_fleetAnalysis)
                                 : AnalysisWorkbook::write(chosen, m_analysis);
    if (!written)
        Messages::plain(this, ExportFile::failureMessage());
}

void TfrmAnalisiCosti::btnChiudiClick()
{
    accept();
}

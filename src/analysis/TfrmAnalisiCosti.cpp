#include "analysis/TfrmAnalisiCosti.h"

#include "analysis/AnalysisPage.h"
#include "analysis/AnalysisTables.h"
#include "analysis/AnalysisWorkbook.h"
#include "analysis/CostChartView.h"
#include "analysis/VehicleCosts.h"
#include "archive/StoredText.h"
#include "companion/CardAccess.h"
#include "output/ExportFile.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/WindowFrame.h"

#include <QHeaderView>
#include <QLabel>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTableView>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmAnalisiCosti", " Analisi costi", {1000, 700})
                              .gradient(QColor(0x79, 0xA6, 0xCB), Qt::white)
                              .container({980, 680})
                              .withoutTitleBarButtons();

const Controls::Picture Pictures[] = {
    {"imgLogo", {0, 0, 980, 64}},
};

QFont verdana(int pointSize, bool bold = false)
{
    return Fonts::font(QStringLiteral("Verdana"), pointSize, bold);
}

QTableView* tableView(QWidget* parent, const char* name, const QRect& place, AnalysisTableModel* model,
                      const QList<int>& widths)
{
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setGeometry(place);
    view->setModel(model);
    view->setFont(verdana(10));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(24);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < widths.size(); ++c)
        view->setColumnWidth(c, widths[c]);
    return view;
}

Platform::FileDialogOptions dlgSalvaXlsx()
{
    Platform::FileDialogOptions options;
    options.title = QStringLiteral("Salva l'analisi in una cartella di lavoro Excel");
    options.filter = QStringLiteral("Cartella di lavoro Excel (*.xlsx)|*.xlsx");
    options.presetName = AnalysisWorkbook::presetName();
    options.defaultExtension = QStringLiteral("xlsx");
    options.confirmOverwrite = true;
    return options;
}

} // namespace

TfrmAnalisiCosti::TfrmAnalisiCosti(QWidget* parent) : QDialog(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::shape(panContainer, "shpSfondo", {0, 0, 980, 64}, Qt::white, Qt::white);
    Controls::pictures(panContainer, Pictures);

    const QRect titleBand(0, 72, 980, 40);
    Controls::shape(panContainer, "shpTitolo", titleBand, Qt::black, Qt::black);
    lblTitolo = Controls::label(panContainer, "lblTitolo", titleBand.topLeft(), QString(), verdana(16), Qt::white);
    lblTitolo->setGeometry(titleBand.adjusted(8, 0, -8, 0));
    lblTitolo->setAlignment(Qt::AlignCenter);

    m_years = new AnalysisTableModel(this);
    m_causes = new AnalysisTableModel(this);
    // The headers from the start, so the views take their column widths.
    m_years->setTable(AnalysisTables::byYear(CostAnalysis()));
    m_causes->setTable(AnalysisTables::byCause(CostAnalysis()));
    tableView(panContainer, "grdPerAnno", {12, 124, 380, 196}, m_years, {130, 140, 80});
    tableView(panContainer, "grdPerCausale", {12, 332, 380, 244}, m_causes, {200, 100, 60});
    chtCosti = new CostChartView(panContainer);
    chtCosti->setObjectName(QStringLiteral("chtCosti"));
    chtCosti->setGeometry(404, 124, 564, 452);

    lblTotali = Controls::label(panContainer, "lblTotali", {12, 588}, QString(), verdana(11, true), Qt::black);
    lblTotali->setFixedWidth(956);

    const Controls::PushButton<TfrmAnalisiCosti> buttons[] = {
        {"btnChiudi", {12, 630, 120, 34}, "Chiudi", &TfrmAnalisiCosti::btnChiudiClick},
        {"btnStampa", {618, 630, 170, 34}, "Stampa", &TfrmAnalisiCosti::btnStampaClick},
        {"btnEsporta", {798, 630, 170, 34}, "Esporta in Excel", &TfrmAnalisiCosti::btnEsportaClick},
    };
    Controls::pushButtons(this, panContainer, buttons, verdana(10));
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
    if (!m_card)
        return QString();
    const auto text = [this](QString TSchedaVeicolo::*member) { return StoredText::trimmed(m_card->boxText(member)); };
    return QStringLiteral("Analisi costi di ") + text(&TSchedaVeicolo::Marca) + QLatin1Char(' ') +
           text(&TSchedaVeicolo::Modello) + QStringLiteral(" targata ") + text(&TSchedaVeicolo::Targa);
}

void TfrmAnalisiCosti::FormShow()
{
    if (!m_card)
        return;
    lblTitolo->setText(title());
    const VehicleCosts costs = analyseVehicle(Platform::instance().programFolder(), m_card->position().toInt());
    m_analysis = costs.analysis;
    m_years->setTable(AnalysisTables::byYear(m_analysis));
    m_causes->setTable(AnalysisTables::byCause(m_analysis));
    chtCosti->setAnalysis(m_analysis);
    QString totals = AnalysisTables::totals(m_analysis);
    if (!costs.complete)
        totals += QStringLiteral("   (file dei costi non leggibile)");
    lblTotali->setText(totals);
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
    job.paint = [heading, analysis](QPagedPaintDevice& device, int, int) {
        QPainter painter(&device);
        const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
        AnalysisPage::paint(painter, QRectF(QPointF(0, 0), QSizeF(page.size())), heading, analysis);
    };
    Platform::instance().print(this, job);
}

void TfrmAnalisiCosti::btnEsportaClick()
{
    const QString chosen = Platform::instance().saveFileName(this, dlgSalvaXlsx());
    if (chosen.isEmpty())
        return;
    if (!AnalysisWorkbook::write(chosen, m_analysis))
        Messages::plain(this, ExportFile::failureMessage());
}

void TfrmAnalisiCosti::btnChiudiClick()
{
    accept();
}

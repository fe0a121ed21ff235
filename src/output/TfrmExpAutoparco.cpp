#include "output/TfrmExpAutoparco.h"

#include "help/HelpTopics.h"
#include "help/TfrmGuida.h"
#include "output/ExportFile.h"
#include "output/ExportTableModel.h"
#include "output/FleetWorkbook.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/InfoLine.h"
#include "widgets/WindowFrame.h"
#include "widgets/WorkbookDialog.h"

#include <QAbstractItemDelegate>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace {

const QColor LightGrey(0xEE, 0xED, 0xED);
const QColor SlateBlue(0x6A, 0x5A, 0xCD);
constexpr int RowHeight = 21;

const WindowFrame Frame =
    WindowFrame::fixed("frmExpAutoparco", " Esportazione archivio veicoli in Microsoft Excel", {1000, 640})
        .gradient(LightGrey, LightGrey)
        .container({980, 624})
        .withoutTitleBarButtons();

const Controls::Picture Pictures[] = {
    {"imgLogo", {12, 8, 460, 60}},
    {"icoHand", {692, 18, 52, 40}},
};

} // namespace

TfrmExpAutoparco::TfrmExpAutoparco(QWidget* parent) : QDialog(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::shape(panContainer, "shpSfondo", {0, 0, 980, 76}, Qt::white, Qt::white);
    Controls::pictures(panContainer, Pictures);

    Controls::shape(panContainer, "shpInfo", {0, 590, 980, 34}, SlateBlue, SlateBlue);
    QLabel* panInfo =
        Controls::label(panContainer, "panInfo", {10, 597}, QStringLiteral("Esportazione archivio in Microsoft Excel."),
                        Fonts::font(QStringLiteral("Tahoma"), 12), Qt::white);
    panInfo->setFixedWidth(960);
    m_infoLine = new InfoLine(panInfo, this);

    const Controls::PictureButton<TfrmExpAutoparco> buttons[] = {
        {"cmdEsporta",
         {752, 10, 56, 56},
         "Esporta l'archivio in formato Microsoft Excel.",
         &TfrmExpAutoparco::cmdEsportaClick},
        {"imgEsportaXlsx",
         {610, 10, 56, 56},
         "Salva l'archivio, i costi e le scadenze in una cartella di lavoro Excel (.xlsx).",
         &TfrmExpAutoparco::imgEsportaXlsxClick},
        {"cmdGuida",
         {846, 18, 40, 40},
         "Visualizza la pagina della guida sensibile al contesto.",
         &TfrmExpAutoparco::cmdGuidaClick},
        {"cmdEsci", {912, 18, 40, 40}, "Esci da questo ambiente di lavoro.", &TfrmExpAutoparco::cmdEsciClick},
    };
    Controls::pictureButtons(this, panContainer, buttons, m_infoLine);

    buildGrid(panContainer);

    m_infoLine->addBackground(this);
    m_infoLine->addBackground(panContainer->parentWidget());
    m_infoLine->addBackground(panContainer);
    for (const char* name : {"shpSfondo", "shpInfo"})
        m_infoLine->addBackground(panContainer->findChild<QWidget*>(QLatin1String(name)));
    m_infoLine->addBackground(grdRecords->viewport());
    m_infoLine->finish(this);
}

void TfrmExpAutoparco::buildGrid(QWidget* panContainer)
{
    m_rows = new ExportTableModel(this);
    grdRecords = new QTableView(panContainer);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setGeometry(0, 84, 980, 498);
    grdRecords->setModel(m_rows);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed);
    grdRecords->setWordWrap(false);
    // Fixed row heights keep a grid of 100,000 rows as quick as one of ten.
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setDefaultSectionSize(RowHeight);
    grdRecords->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords->setColumnWidth(0, 60);
    const auto& columns = ExportColumns::all();
    for (int c = 0; c < ExportColumns::Count; ++c)
        grdRecords->setColumnWidth(c + 1, columns[c].gridWidth);
}

QString TfrmExpAutoparco::firstQuestion()
{
    return QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
                          "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
}

QString TfrmExpAutoparco::doneQuestion()
{
    return QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                          "Si vuole aprire il file di Excel?");
}

void TfrmExpAutoparco::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_filled)
        return;
    m_filled = true;
    m_rows->load(Platform::instance().programFolder());
}

void TfrmExpAutoparco::commitTyping()
{
    const QModelIndex current = grdRecords->currentIndex();
    QWidget* editor = current.isValid() ? grdRecords->indexWidget(current) : nullptr;
    if (editor)
        grdRecords->itemDelegateForIndex(current)->setModelData(editor, m_rows, current);
}

void TfrmExpAutoparco::cmdEsportaClick()
{
    if (!Messages::question(this, firstQuestion()))
        return;
    commitTyping();
    const QString folder = Platform::instance().programFolder();
    if (!ExportFile::write(folder, m_rows->rows())) {
        Messages::plain(this, ExportFile::failureMessage());
        return;
    }
    if (Messages::question(this, doneQuestion()))
        Messages::openWithShell(this, QLatin1Char('"') + ExportFile::path(folder) + QLatin1Char('"'));
}

Platform::FileDialogOptions TfrmExpAutoparco::dlgSalvaXlsx()
{
    return workbookSaveOptions(QStringLiteral("Salva la cartella di lavoro Excel"), FleetWorkbook::fileName());
}

void TfrmExpAutoparco::imgEsportaXlsxClick()
{
    const QString chosen = Platform::instance().saveFileName(this, dlgSalvaXlsx());
    if (chosen.isEmpty())
        return;
    // A large archive takes seconds: the busy cursor says so.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const FleetWorkbook::Result result = FleetWorkbook::write(Platform::instance().programFolder(), chosen);
    QGuiApplication::restoreOverrideCursor();
    if (!result.written) {
        Messages::plain(this, ExportFile::failureMessage());
        return;
    }
    if (Messages::question(this, doneQuestion()))
        Messages::openWithShell(this, QLatin1Char('"') + chosen + QLatin1Char('"'));
}

void TfrmExpAutoparco::cmdGuidaClick()
{
    TfrmGuida::open(this, HelpTopics::exportWindow());
}

void TfrmExpAutoparco::cmdEsciClick()
{
    accept();
}

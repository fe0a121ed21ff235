#include "import/TfrmImportaVeicoli.h"

#include "access/IniFile.h"
#include "archive/VehicleArchive.h"
#include "help/HelpTopics.h"
#include "help/TfrmGuida.h"
#include "import/FieldChoiceDelegate.h"
#include "import/ImportRun.h"
#include "platform/Platform.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/WindowFrame.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTableWidget>
#include <QTime>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmImportaVeicoli", " Importa veicoli", {980, 640})
                              .gradient(Colours::SteelBlue, Qt::white)
                              .container({952, 612})
                              .withoutTitleBarButtons();

enum Column { FileColumn, SampleColumn, FieldColumn };

QTableWidget* grid(QWidget* parent, const char* name, const QRect& place)
{
    auto* made = new QTableWidget(parent);
    made->setObjectName(QLatin1String(name));
    made->setGeometry(place);
    made->setAlternatingRowColors(true);
    made->setWordWrap(false);
    made->verticalHeader()->hide();
    made->verticalHeader()->setDefaultSectionSize(21);
    made->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    made->horizontalHeader()->setHighlightSections(false);
    return made;
}

QTableWidgetItem* readOnly(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QString firstValue(const CsvTable& table, int column)
{
    for (const QStringList& record : table.records) {
        const QString value = record.value(column).trimmed();
        if (!value.isEmpty())
            return value;
    }
    return {};
}

QString programFolder()
{
    return Platform::instance().programFolder();
}

} // namespace

TfrmImportaVeicoli::TfrmImportaVeicoli(QWidget* parent) : QDialog(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::shape(panContainer, "shpSfondo", {0, 0, 952, 560}, Qt::white, Qt::white);
    Controls::picture(panContainer, "icoImporta", {16, 12, 920, 56}, false);

    const QFont font = Fonts::font(QStringLiteral("Verdana"), 10);
    lblFile = Controls::label(panContainer, "lblFile", {176, 84}, QStringLiteral("Nessun file scelto."),
                              Fonts::font(QStringLiteral("Verdana"), 9), Colours::SteelBlue.darker(150));
    lblFile->setGeometry(176, 78, 760, 30);

    grdColonne = grid(panContainer, "grdColonne", {16, 116, 440, 270});
    grdColonne->setColumnCount(3);
    grdColonne->setHorizontalHeaderLabels(
        {QStringLiteral("Colonna del file"), QStringLiteral("Esempio"), QStringLiteral("Campo della scheda")});
    grdColonne->setColumnWidth(FileColumn, 130);
    grdColonne->setColumnWidth(SampleColumn, 130);
    grdColonne->horizontalHeader()->setStretchLastSection(true);
    grdColonne->setItemDelegateForColumn(FieldColumn, new FieldChoiceDelegate(grdColonne));
    grdColonne->setEditTriggers(QAbstractItemView::AllEditTriggers);
    connect(grdColonne, &QTableWidget::itemChanged, this, &TfrmImportaVeicoli::grdColonneChanged);

    grdAnteprima = grid(panContainer, "grdAnteprima", {466, 116, 470, 270});
    grdAnteprima->setEditTriggers(QAbstractItemView::NoEditTriggers);

    lblEsito = Controls::label(panContainer, "lblEsito", {16, 394}, QString(),
                               Fonts::font(QStringLiteral("Verdana"), 10, true), Colours::SteelBlue.darker(150));
    lblEsito->setGeometry(16, 394, 920, 20);
    lstProblemi = new QListWidget(panContainer);
    lstProblemi->setObjectName(QStringLiteral("lstProblemi"));
    lstProblemi->setGeometry(16, 418, 920, 96);
    lstProblemi->setFont(Fonts::font(QStringLiteral("Verdana"), 9));

    prgImporta = new QProgressBar(panContainer);
    prgImporta->setObjectName(QStringLiteral("prgImporta"));
    prgImporta->setGeometry(16, 524, 920, 24);
    prgImporta->setRange(0, 100);
    prgImporta->hide();

    const Controls::PushButton<TfrmImportaVeicoli> scegli[] = {
        {"btnScegliFile", {16, 76, 150, 32}, "Scegli file...", &TfrmImportaVeicoli::btnScegliFileClick},
    };
    const Controls::Buttons chosen = Controls::pushButtons(this, panContainer, scegli, font);
    const Controls::PushButton<TfrmImportaVeicoli> buttons[] = {
        {"btnImporta", {0, 576, 150, 32}, "Importa", &TfrmImportaVeicoli::btnImportaClick},
        {"btnAnnullaImportazione",
         {160, 576, 250, 32},
         "Annulla ultima importazione",
         &TfrmImportaVeicoli::btnAnnullaImportazioneClick},
        {"btnChiudi", {802, 576, 150, 32}, "Chiudi", &TfrmImportaVeicoli::btnChiudiClick},
    };
    const Controls::Buttons made = Controls::pushButtons(this, panContainer, buttons, font);
    btnImporta = made["btnImporta"];
    btnImporta->setEnabled(false);
    const Controls::PictureButton<TfrmImportaVeicoli> help[] = {
        {"imgGuida", {764, 578, 29, 28}, nullptr, &TfrmImportaVeicoli::imgGuidaClick},
    };
    Controls::pictureButtons(this, panContainer, help);

    QList<QWidget*> chain = chosen.inRowOrder();
    chain << grdColonne << grdAnteprima << lstProblemi << made.inRowOrder();
    Controls::tabChain(chain);
}

QString TfrmImportaVeicoli::fileFilter()
{
    return QStringLiteral("File CSV (*.csv *.txt)|*.csv;*.txt");
}

void TfrmImportaVeicoli::btnScegliFileClick()
{
    Platform::FileDialogOptions options;
    options.title = QStringLiteral("Scegli il file CSV da importare");
    options.filter = fileFilter();
    const QString path = Platform::instance().openFileName(this, options);
    if (path.isEmpty())
        return;
    if (subLeggi(path))
        lblFile->setText(
            QStringLiteral("%1 (%2 righe, separatore «%3», %4)")
                .arg(QFileInfo(path).fileName())
                .arg(m_table.records.size())
                .arg(m_table.separator == QLatin1Char('\t') ? QStringLiteral("tab") : QString(m_table.separator))
                .arg(m_table.utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252")));
}

bool TfrmImportaVeicoli::subLeggi(const QString& path)
{
    try {
        m_table = CsvReader::readFile(path);
    } catch (const CsvRefused& refused) {
        Messages::warning(this, refused.message());
        return false;
    }
    m_matching = ImportFields::matchAll(m_table.header);
    subMostraColonne();
    if (subPianifica())
        subMostraPiano(m_matching.notes);
    return true;
}

void TfrmImportaVeicoli::subMostraColonne()
{
    const QSignalBlocker quiet(grdColonne);
    grdColonne->setRowCount(static_cast<int>(m_table.header.size()));
    for (int column = 0; column < m_table.header.size(); ++column) {
        grdColonne->setItem(column, FileColumn, readOnly(m_table.header.at(column)));
        grdColonne->setItem(column, SampleColumn, readOnly(firstValue(m_table, column)));
        grdColonne->setItem(column, FieldColumn, new QTableWidgetItem);
    }
    subMostraCampi();
}

// Only the texts change: the cell being edited stays the same item.
void TfrmImportaVeicoli::subMostraCampi()
{
    const QSignalBlocker quiet(grdColonne);
    for (int column = 0; column < grdColonne->rowCount(); ++column) {
        const int field = m_matching.fields.value(column, -1);
        grdColonne->item(column, FieldColumn)
            ->setText(field < 0 ? FieldChoiceDelegate::notImported() : ImportFields::label(field));
    }
}

void TfrmImportaVeicoli::grdColonneChanged(QTableWidgetItem* item)
{
    if (item->column() != FieldColumn)
        return;
    m_matching.notes.clear();
    ImportFields::choose(m_matching, m_table.header, item->row(), FieldChoiceDelegate::fieldOf(item->text()));
    subMostraCampi();
    if (subPianifica())
        subMostraPiano(m_matching.notes);
}

bool TfrmImportaVeicoli::subPianifica()
{
    try {
        m_plan = ImportPlan::plan(m_table, m_matching, ImportPlan::platesOf(programFolder()));
    } catch (const FileAccessError&) {
        m_plan = {};
        btnImporta->setEnabled(false);
        Messages::error(this, ArchiveMessages::accessFailure());
        return false;
    }
    return true;
}

void TfrmImportaVeicoli::subMostraPiano(const QStringList& notes)
{
    QList<int> shown;
    for (int field : m_matching.fields) {
        if (field >= 0)
            shown.append(field);
    }
    std::sort(shown.begin(), shown.end());
    grdAnteprima->clear();
    grdAnteprima->setColumnCount(static_cast<int>(shown.size()) + 1);
    QStringList labels{QStringLiteral("Riga")};
    for (int field : shown)
        labels.append(ImportFields::label(field));
    grdAnteprima->setHorizontalHeaderLabels(labels);
    grdAnteprima->setColumnWidth(0, 44);
    grdAnteprima->setRowCount(static_cast<int>(m_plan.preview.size()));
    const auto& stored = TSchedaVeicolo::fields();
    for (int row = 0; row < m_plan.preview.size(); ++row) {
        const ImportPlan::Row& planned = m_plan.preview.at(row);
        grdAnteprima->setItem(row, 0, readOnly(QString::number(planned.line)));
        for (int c = 0; c < shown.size(); ++c)
            grdAnteprima->setItem(row, c + 1,
                                  readOnly(planned.record.*(stored[static_cast<size_t>(shown.at(c))].member)));
        if (planned.skipped) {
            for (int c = 0; c <= shown.size(); ++c)
                grdAnteprima->item(row, c)->setForeground(Qt::gray);
        }
    }
    lblEsito->setText(m_plan.summary());
    lstProblemi->clear();
    lstProblemi->addItems(notes);
    lstProblemi->addItems(m_plan.problems);
    btnImporta->setEnabled(!m_plan.importable.isEmpty());
}

void TfrmImportaVeicoli::btnImportaClick()
{
    // Another program may have added cards since the dry run.
    if (!subPianifica())
        return;
    if (m_plan.importable.isEmpty()) {
        subMostraPiano({});
        Messages::information(this, QStringLiteral("Nessuna riga del file può essere importata."));
        return;
    }
    prgImporta->setValue(0);
    prgImporta->show();
    LastImport done;
    try {
        done = ImportRun::append(programFolder(), m_table, m_matching.fields, m_plan.importable,
                                 QDateTime(Platform::instance().today(), QTime::currentTime()), [this](double share) {
                                     prgImporta->setValue(static_cast<int>(share * 100));
                                     QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                                 });
    } catch (const FileAccessError&) {
        prgImporta->hide();
        Messages::error(this, ArchiveMessages::accessFailure());
        return;
    } catch (const IniFileError&) {
        prgImporta->hide();
        Messages::warning(this, QStringLiteral("Attenzione: le schede sono state aggiunte, ma l'importazione non "
                                               "potrà essere annullata perché Corvanta.ini non può essere scritto."));
        subPianifica();
        subMostraPiano({});
        return;
    }
    prgImporta->hide();
    Messages::information(this, ImportRun::completed(done));
    if (subPianifica())
        subMostraPiano({});
}

void TfrmImportaVeicoli::btnAnnullaImportazioneClick()
{
    const QString folder = programFolder();
    const LastImport last = LastImport::read(folder);
    if (!last.isValid()) {
        Messages::information(this, QStringLiteral("Non c'è nessuna importazione da annullare."));
        return;
    }
    if (!Messages::question(this, ImportRun::undoQuestion(last)))
        return;
    try {
        const ImportRun::Undo undone = ImportRun::undo(folder, last);
        if (undone != ImportRun::Undo::Done) {
            Messages::warning(this, undone == ImportRun::Undo::RefusedForHistory ? ImportRun::undoRefusedForHistory()
                                                                                 : ImportRun::undoRefused());
            return;
        }
    } catch (const FileAccessError&) {
        Messages::error(this, ArchiveMessages::accessFailure());
        return;
    } catch (const IniFileError&) {
        // The cards are gone; only the record of the import stayed behind, and its
        // positions no longer hold the records it names.
    }
    Messages::information(
        this, QStringLiteral("L'importazione è stata annullata: %1 schede tolte dall'archivio.").arg(last.count()));
    if (!m_table.records.isEmpty() && subPianifica())
        subMostraPiano({});
}

void TfrmImportaVeicoli::btnChiudiClick()
{
    accept();
}

void TfrmImportaVeicoli::imgGuidaClick()
{
    TfrmGuida::open(this, HelpTopics::importWindow());
}

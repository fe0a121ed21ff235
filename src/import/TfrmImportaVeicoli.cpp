#include "import/TfrmImportaVeicoli.h"

#include "archive/VehicleArchive.h"
#include "files/IniFile.h"
#include "help/HelpTopics.h"
#include "help/TfrmGuida.h"
#include "import/FieldChoiceDelegate.h"
#include "import/ImportRun.h"
#include "import/ImportTables.h"
#include "jobs/BackgroundJob.h"
#include "platform/Platform.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/WindowFrame.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTableView>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmImportaVeicoli", " Importa veicoli", {980, 640})
                              .gradient(Colours::SteelBlue, Qt::white)
                              .container({952, 612})
                              .withoutTitleBarButtons();

QTableView* grid(QWidget* parent, const char* name, const QRect& place, QAbstractItemModel* model)
{
    auto* made = new QTableView(parent);
    made->setObjectName(QLatin1String(name));
    made->setGeometry(place);
    made->setModel(model);
    made->setAlternatingRowColors(true);
    made->setWordWrap(false);
    made->verticalHeader()->hide();
    made->verticalHeader()->setDefaultSectionSize(21);
    made->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    made->horizontalHeader()->setHighlightSections(false);
    return made;
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

    m_columns = new ImportColumnsModel(this);
    grdColonne = grid(panContainer, "grdColonne", {16, 116, 440, 270}, m_columns);
    grdColonne->horizontalHeader()->setStretchLastSection(true);
    grdColonne->setItemDelegateForColumn(ImportColumnsModel::FieldColumn, new FieldChoiceDelegate(grdColonne));
    grdColonne->setEditTriggers(QAbstractItemView::AllEditTriggers);
    subLarghezzeColonne();
    connect(m_columns, &ImportColumnsModel::matchingChanged, this, [this] {
        if (subPianifica())
            subMostraPiano(m_columns->matching().notes);
    });

    m_preview = new ImportPreviewModel(this);
    grdAnteprima = grid(panContainer, "grdAnteprima", {466, 116, 470, 270}, m_preview);
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
    prgImporta->setGeometry(16, 524, 760, 24);
    prgImporta->setRange(0, 100);
    prgImporta->hide();
    const Controls::PushButton<TfrmImportaVeicoli> annulla[] = {
        {"btnAnnulla", {786, 520, 150, 32}, "Annulla", &TfrmImportaVeicoli::btnAnnullaClick},
    };
    btnAnnulla = Controls::pushButtons(this, panContainer, annulla, font)["btnAnnulla"];
    btnAnnulla->hide();

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
    m_commands = chosen.inRowOrder();
    m_commands << grdColonne << made.inRowOrder();

    m_job = new BackgroundJob(this);
    connect(m_job, &BackgroundJob::progressed, prgImporta, &QProgressBar::setValue);
    connect(m_job, &BackgroundJob::finished, this, &TfrmImportaVeicoli::subImportato);
}

// The append writes into this window's members: it ends before they go.
TfrmImportaVeicoli::~TfrmImportaVeicoli()
{
    m_job->cancel();
    m_job->wait();
}

QString TfrmImportaVeicoli::fileFilter()
{
    return QStringLiteral("File CSV (*.csv *.txt)|*.csv;*.txt");
}

bool TfrmImportaVeicoli::isWorking() const
{
    return m_appending;
}

// Closing while the append runs cancels it: the archive keeps none of its records.
void TfrmImportaVeicoli::done(int result)
{
    m_job->cancel();
    m_job->wait();
    m_appending = false;
    QDialog::done(result);
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
        Messages::caution(this, refused.message());
        return false;
    }
    m_columns->load(m_table);
    subLarghezzeColonne();
    if (subPianifica())
        subMostraPiano(m_columns->matching().notes);
    return true;
}

// Loading the columns resets the header, and its widths with it.
void TfrmImportaVeicoli::subLarghezzeColonne()
{
    grdColonne->setColumnWidth(ImportColumnsModel::FileColumn, 130);
    grdColonne->setColumnWidth(ImportColumnsModel::SampleColumn, 130);
}

bool TfrmImportaVeicoli::subPianifica()
{
    try {
        m_plan = ImportPlan::plan(m_table, m_columns->matching(), ImportPlan::platesOf(programFolder()));
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
    m_preview->setPlan(m_plan, m_columns->matching().fields);
    grdAnteprima->setColumnWidth(0, 44);
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
        Messages::notice(this, QStringLiteral("Nessuna riga del file può essere importata."));
        return;
    }
    for (QWidget* command : m_commands)
        command->setEnabled(false);
    prgImporta->setValue(0);
    prgImporta->show();
    btnAnnulla->show();
    m_appending = true;
    // The job reads its own copies, which the window's next file or choice leaves alone.
    m_job->start([this, folder = programFolder(), table = m_table, fields = m_columns->matching().fields,
                  rows = m_plan.importable,
                  when = Platform::instance().now()](const Job::Progress& progress, const Job::Cancelled& cancelled) {
        m_done = ImportRun::append(folder, table, fields, rows, when, progress, cancelled);
    });
}

void TfrmImportaVeicoli::btnAnnullaClick()
{
    m_job->cancel();
}

void TfrmImportaVeicoli::subImportato()
{
    if (!m_appending)
        return; // closed meanwhile
    m_appending = false;
    prgImporta->hide();
    btnAnnulla->hide();
    for (QWidget* command : m_commands)
        command->setEnabled(true);
    try {
        if (const std::exception_ptr failure = m_job->failure())
            std::rethrow_exception(failure);
        Messages::notice(this, ImportRun::completed(m_done));
    } catch (const Job::CancelledError&) {
        // Nothing was appended.
    } catch (const FileAccessError&) {
        Messages::error(this, ArchiveMessages::accessFailure());
        return;
    } catch (const IniFileError&) {
        Messages::caution(this, QStringLiteral("Attenzione: le schede sono state aggiunte, ma l'importazione non "
                                               "potrà essere annullata perché Corvanta.ini non può essere scritto."));
    }
    if (subPianifica())
        subMostraPiano({});
}

void TfrmImportaVeicoli::btnAnnullaImportazioneClick()
{
    const QString folder = programFolder();
    const LastImport last = LastImport::read(folder);
    if (!last.isValid()) {
        Messages::notice(this, QStringLiteral("Non c'è nessuna importazione da annullare."));
        return;
    }
    const auto refused = [this](ImportRun::Undo answer) {
        if (answer == ImportRun::Undo::Done)
            return false;
        Messages::warning(this, answer == ImportRun::Undo::RefusedForHistory ? ImportRun::undoRefusedForHistory()
                                                                             : ImportRun::undoRefused());
        return true;
    };
    // Asked only about an import that can still be taken back.
    try {
        if (refused(ImportRun::wouldUndo(folder, last)))
            return;
    } catch (const FileAccessError&) {
        Messages::error(this, ArchiveMessages::accessFailure());
        return;
    }
    if (!Messages::question(this, ImportRun::undoQuestion(last)))
        return;
    try {
        // Another PC may have changed the archive while the question was open.
        if (refused(ImportRun::undo(folder, last)))
            return;
    } catch (const FileAccessError&) {
        Messages::error(this, ArchiveMessages::accessFailure());
        return;
    } catch (const IniFileError&) {
        // The cards are gone; only the record of the import stayed behind, and its
        // positions no longer hold the records it names.
    }
    Messages::notice(
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

#include "backup/TfrmCopieSicurezza.h"

#include "archive/TSchedaVeicolo.h"
#include "archive/VehicleArchive.h"
#include "backup/BackupCopy.h"
#include "backup/BackupLine.h"
#include "backup/BackupMessages.h"
#include "backup/BackupName.h"
#include "backup/BackupRestore.h"
#include "backup/BackupRotation.h"
#include "backup/BackupSettings.h"
#include "backup/BackupSummary.h"
#include "backup/BackupWriter.h"
#include "files/IniFile.h"
#include "jobs/BackgroundJob.h"
#include "platform/Platform.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/LineList.h"
#include "widgets/WindowFrame.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>

#include <memory>

namespace {

const QColor Orange(0xFF, 0xA5, 0x00);

const WindowFrame Frame = WindowFrame::fixed("frmCopieSicurezza", " Copie di sicurezza", {880, 560})
                              .gradient(Colours::SteelBlue, Qt::white)
                              .container({852, 532})
                              .withoutTitleBarButtons();

QString programFolder()
{
    return Platform::instance().programFolder();
}

QString backupFolder()
{
    return BackupName::folderIn(programFolder());
}

// A backup's time by its name; a ZIP named otherwise goes by its file's time.
QDateTime takenOf(const QString& zipPath)
{
    const QDateTime byName = BackupName::timeOf(QFileInfo(zipPath).fileName());
    return byName.isValid() ? byName : QFileInfo(zipPath).lastModified();
}

} // namespace

TfrmCopieSicurezza::TfrmCopieSicurezza(QWidget* parent) : QDialog(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::shape(panContainer, "shpSfondo", {0, 0, 852, 480}, Qt::white, Qt::white);
    Controls::picture(panContainer, "icoCopieSicurezza", {16, 12, 820, 56}, false);
    QLabel* lblCartella = Controls::label(
        panContainer, "lblCartella", {16, 74},
        QStringLiteral("Le copie sono nella cartella Copie_di_sicurezza del programma; ogni giorno, al primo "
                       "accesso, ne viene fatta una da sola."),
        Fonts::font(QStringLiteral("Verdana"), 9), Colours::SteelBlue.darker(150));
    lblCartella->setGeometry(16, 74, 820, 18);
    Controls::shape(panContainer, "shpLista", {16, 98, 820, 330}, Orange, Orange);
    lstCopie = new LineList(panContainer);
    lstCopie->setObjectName(QStringLiteral("lstCopie"));
    lstCopie->setGeometry(21, 103, 810, 320);

    prgCopia = Controls::progressBar(panContainer, {"prgCopia", {16, 442, 660, 24}, true});

    const QFont font = Fonts::font(QStringLiteral("Verdana"), 10);
    const Controls::PushButton<TfrmCopieSicurezza> annulla[] = {
        {"btnAnnulla", {686, 438, 150, 32}, "Annulla", &TfrmCopieSicurezza::btnAnnullaClick},
    };
    btnAnnulla = Controls::pushButtons(this, panContainer, annulla, font)["btnAnnulla"];
    btnAnnulla->hide();

    const Controls::PushButton<TfrmCopieSicurezza> buttons[] = {
        {"btnCopiaOra", {0, 496, 150, 32}, "Copia adesso", &TfrmCopieSicurezza::btnCopiaOraClick},
        {"btnCopiaSuDisco", {160, 496, 210, 32}, "Copia su un altro disco", &TfrmCopieSicurezza::btnCopiaSuDiscoClick},
        {"btnRipristina", {380, 496, 150, 32}, "Ripristina", &TfrmCopieSicurezza::btnRipristinaClick},
        {"btnApri", {540, 496, 150, 32}, "Apri copia...", &TfrmCopieSicurezza::btnApriClick},
        {"btnChiudi", {702, 496, 150, 32}, "Chiudi", &TfrmCopieSicurezza::btnChiudiClick},
    };
    const Controls::Buttons made = Controls::pushButtons(this, panContainer, buttons, font);
    m_commands = made.inRowOrder();
    m_commands.prepend(lstCopie);
    Controls::tabChain(m_commands);

    m_job = new BackgroundJob(this);
    connect(m_job, &BackgroundJob::progressed, prgCopia, &QProgressBar::setValue);
    connect(m_job, &BackgroundJob::finished, this, &TfrmCopieSicurezza::subFine);
}

TfrmCopieSicurezza::~TfrmCopieSicurezza()
{
    m_job->cancel();
    m_job->wait();
}

bool TfrmCopieSicurezza::isWorking() const
{
    return m_job->isRunning() || m_whenDone;
}

void TfrmCopieSicurezza::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        subElenca();
}

// Closing while a job runs cancels it; the job leaves no partial file behind.
void TfrmCopieSicurezza::done(int result)
{
    m_job->cancel();
    m_job->wait();
    m_whenDone = nullptr;
    QDialog::done(result);
}

void TfrmCopieSicurezza::subElenca(const QString& select)
{
    m_names = BackupName::listIn(backupFolder());
    const QStringList beforeRestore = BackupSettings::safetyBackups(programFolder());
    QStringList lines;
    for (const QString& name : m_names)
        lines.append(BackupLine::of(BackupName::timeOf(name), BackupSummary::of(backupFolder() + name),
                                    beforeRestore.contains(name)));
    lstCopie->setLines(lines);
    if (!select.isEmpty() && m_names.contains(select))
        lstCopie->selectRow(static_cast<int>(m_names.indexOf(select)));
}

QString TfrmCopieSicurezza::subCopiaScelta(bool required)
{
    const int row = lstCopie->selectedRow();
    if (row < 0 || row >= m_names.size()) {
        if (required)
            Messages::notice(this, QStringLiteral("Scegliere una copia di sicurezza dall'elenco."));
        return {};
    }
    const QString path = backupFolder() + m_names.at(row);
    if (!QFileInfo::exists(path)) {
        Messages::caution(this, QStringLiteral("Attenzione: la copia scelta non esiste più."));
        subElenca();
        return {};
    }
    return path;
}

void TfrmCopieSicurezza::subInCorso(
    std::function<void(const std::function<void(double)>&, const std::function<bool()>&)> work,
    std::function<void()> whenDone)
{
    m_whenDone = std::move(whenDone);
    for (QWidget* command : m_commands)
        command->setEnabled(false);
    prgCopia->setValue(0);
    prgCopia->show();
    btnAnnulla->show();
    m_job->start(std::move(work));
}

void TfrmCopieSicurezza::subFine()
{
    prgCopia->hide();
    btnAnnulla->hide();
    for (QWidget* command : m_commands)
        command->setEnabled(true);
    const std::function<void()> whenDone = std::move(m_whenDone);
    m_whenDone = nullptr;
    if (whenDone)
        whenDone();
}

void TfrmCopieSicurezza::btnCopiaOraClick()
{
    auto result = std::make_shared<BackupWriter::Result>();
    const BackupWriter::Request request{programFolder(), backupFolder(), Platform::instance().now(), {}, {}};
    subInCorso(
        [result, request](const auto& progress, const auto& cancelled) {
            BackupWriter::Request withProgress = request;
            withProgress.progress = progress;
            withProgress.cancelled = cancelled;
            *result = BackupWriter::make(withProgress);
            if (result->made())
                BackupRotation::rotate(request.intoFolder, request.when.date());
        },
        [this, result] {
            if (result->outcome == BackupWriter::Result::Outcome::Busy)
                Messages::caution(this, BackupMessages::busy());
            else if (result->outcome == BackupWriter::Result::Outcome::Failed)
                Messages::caution(this, BackupMessages::backupFailed());
            subElenca(QFileInfo(result->path).fileName());
        });
}

void TfrmCopieSicurezza::btnCopiaSuDiscoClick()
{
    const QString chosen = subCopiaScelta(false);
    if (lstCopie->selectedRow() >= 0 && chosen.isEmpty())
        return;
    const QString folder = Platform::instance().folderName(this, QStringLiteral("Cartella dell'altro disco"),
                                                           BackupSettings::externalFolder(programFolder()));
    if (folder.isEmpty())
        return;
    // A copy beside the program would not survive its disk; the notice stays as it was.
    if (BackupCopy::onProgramDisk(folder, programFolder())) {
        Messages::caution(this, BackupMessages::sameDiskAsProgram());
        return;
    }
    struct Outcome {
        BackupWriter::Result fresh;
        QString copy;
        QString error;
    };
    auto outcome = std::make_shared<Outcome>();
    const BackupWriter::Request request{programFolder(), backupFolder(), Platform::instance().now(), {}, {}};
    subInCorso(
        [outcome, request, chosen, folder](const auto& progress, const auto& cancelled) {
            QString source = chosen;
            if (source.isEmpty()) {
                // A fresh backup first, then its copy: each half of the bar.
                BackupWriter::Request fresh = request;
                fresh.progress = [&progress](double done) { progress(done / 2); };
                fresh.cancelled = cancelled;
                outcome->fresh = BackupWriter::make(fresh);
                if (!outcome->fresh.made())
                    return;
                BackupRotation::rotate(request.intoFolder, request.when.date());
                source = outcome->fresh.path;
            }
            const double start = chosen.isEmpty() ? 0.5 : 0.0;
            outcome->copy = BackupCopy::toFolder(
                source, folder, [&](double done) { progress(start + (1 - start) * done); }, cancelled, outcome->error);
        },
        [this, outcome, chosen, folder] {
            if (chosen.isEmpty() && outcome->fresh.outcome == BackupWriter::Result::Outcome::Busy) {
                Messages::caution(this, BackupMessages::busy());
                return;
            }
            if (chosen.isEmpty() && outcome->fresh.outcome == BackupWriter::Result::Outcome::Cancelled)
                return;
            subElenca(QFileInfo(chosen.isEmpty() ? outcome->fresh.path : chosen).fileName());
            if (outcome->copy.isEmpty()) {
                if (outcome->error != QLatin1String("cancelled"))
                    Messages::caution(this, BackupMessages::backupFailed());
                return;
            }
            try {
                BackupSettings::rememberExternalCopy(programFolder(), folder, Platform::instance().today());
            } catch (const IniFileError&) {
                // The copy is there; only the reminder of it is lost.
            }
            Messages::notice(this, BackupMessages::copiedTo(folder));
        });
}

void TfrmCopieSicurezza::btnRipristinaClick()
{
    const QString chosen = subCopiaScelta(true);
    if (!chosen.isEmpty())
        subRipristina(chosen, takenOf(chosen));
}

void TfrmCopieSicurezza::btnApriClick()
{
    Platform::FileDialogOptions options;
    options.title = QStringLiteral("Apri copia di sicurezza");
    options.filter = QStringLiteral("Copie di sicurezza di Corvanta (*.zip)|*.zip");
    options.defaultExtension = QStringLiteral("zip");
    const QString chosen = Platform::instance().openFileName(this, options);
    if (!chosen.isEmpty())
        subRipristina(chosen, takenOf(chosen));
}

void TfrmCopieSicurezza::subRipristina(const QString& zipPath, const QDateTime& taken)
{
    const int currentCards =
        static_cast<int>(QFileInfo(programFolder() + VehicleArchive::fileName()).size() / TSchedaVeicolo::RecordSize);
    const BackupSummary incoming = BackupSummary::of(zipPath);
    if (!Messages::carefulQuestion(this, BackupMessages::restoreQuestion(taken, currentCards, incoming.cards)))
        return;
    // The restore brings the backup's Corvanta.ini: the safety backups known so far are kept aside.
    const QStringList beforeRestore = BackupSettings::safetyBackups(programFolder());
    auto result = std::make_shared<BackupRestore::Result>();
    const BackupRestore::Request request{zipPath, programFolder(), backupFolder(), Platform::instance().now(), {}, {}};
    subInCorso(
        [result, request](const auto& progress, const auto& cancelled) {
            BackupRestore::Request withProgress = request;
            withProgress.progress = progress;
            withProgress.cancelled = cancelled;
            *result = BackupRestore::restore(withProgress);
        },
        [this, result, beforeRestore] {
            using Outcome = BackupRestore::Result::Outcome;
            if (!result->safetyBackup.isEmpty())
                subSegnaCopiaPrimaDelRipristino(beforeRestore, QFileInfo(result->safetyBackup).fileName());
            switch (result->outcome) {
            case Outcome::Restored:
                subElenca();
                emit dataRestored();
                Messages::notice(this, BackupMessages::restored());
                break;
            case Outcome::NotABackup:
                Messages::caution(this, BackupMessages::notABackup());
                break;
            case Outcome::NoSpace:
                Messages::warning(this, BackupMessages::noSpaceToRestore());
                break;
            case Outcome::SafetyBackupFailed:
                Messages::caution(this, BackupMessages::safetyBackupFailed());
                break;
            case Outcome::WriteFailed:
                subElenca();
                Messages::error(this, BackupMessages::restoreFailed(QFileInfo(result->safetyBackup).fileName()));
                break;
            case Outcome::Cancelled:
                break;
            }
        });
}

// Names of backups rotated away are dropped, so the list stays short.
void TfrmCopieSicurezza::subSegnaCopiaPrimaDelRipristino(const QStringList& known, const QString& safetyBackup)
{
    const QStringList listed = BackupName::listIn(backupFolder());
    QStringList kept;
    for (const QString& name : known + QStringList{safetyBackup}) {
        if (listed.contains(name) && !kept.contains(name))
            kept.append(name);
    }
    try {
        BackupSettings::rememberSafetyBackups(programFolder(), kept);
    } catch (const IniFileError&) {
        // The backup is there; only its mark in the list is lost.
    }
}

void TfrmCopieSicurezza::btnChiudiClick()
{
    accept();
}

void TfrmCopieSicurezza::btnAnnullaClick()
{
    m_job->cancel();
}

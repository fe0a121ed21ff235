#include "backup/AutomaticBackup.h"

#include "archive/TSchedaVeicolo.h"
#include "backup/BackupContents.h"
#include "backup/BackupMessages.h"
#include "backup/BackupName.h"
#include "backup/BackupRotation.h"
#include "backup/BackupSettings.h"
#include "backup/BackupWriter.h"
#include "jobs/BackgroundJob.h"
#include "platform/Platform.h"
#include "widgets/Colours.h"
#include "widgets/Fonts.h"
#include "widgets/TextLink.h"

#include <QFileInfo>
#include <QProgressBar>
#include <QTimer>

AutomaticBackup::AutomaticBackup(QWidget* panContainer) : QObject(panContainer), m_job(new BackgroundJob(this))
{
    // A thin line in the gap between the big buttons and the maker's strip.
    m_progress = new QProgressBar(panContainer);
    m_progress->setObjectName(QStringLiteral("prgCopiaAutomatica"));
    m_progress->setGeometry(34, 616, 926, 6);
    m_progress->setRange(0, 100);
    m_progress->setTextVisible(false);
    m_progress->hide();

    m_notice = new TextLink(panContainer, "lblAvvisoCopie", {50, 662}, QString());
    QFont font = Fonts::font(QStringLiteral("Verdana"), 9, true);
    font.setUnderline(true);
    m_notice->setFont(font);
    m_notice->setColour(Colours::Crimson);
    m_notice->hide();

    connect(m_job, &BackgroundJob::progressed, m_progress, &QProgressBar::setValue);
    connect(m_job, &BackgroundJob::finished, this, &AutomaticBackup::finished);
}

AutomaticBackup::~AutomaticBackup()
{
    stop();
}

void AutomaticBackup::launcherShown()
{
    const Platform& platform = Platform::instance();
    const QDate today = platform.today();
    if (m_checkedDay != today && !isRunning()) {
        m_checkedDay = today;
        const QString folder = BackupName::folderIn(platform.programFolder());
        if (!BackupName::hasOneOf(folder, today)) {
            const BackupWriter::Request request{platform.programFolder(), folder, platform.now(), {}, {}};
            m_progress->setValue(0);
            m_progress->show();
            // Started once the launcher has painted, so that the first picture the clerk sees
            // does not wait for the threads of the backup.
            m_starting = true;
            QTimer::singleShot(0, this, [this, request] { start(request); });
        }
    }
    refreshNotice();
}

void AutomaticBackup::start(const BackupWriter::Request& request)
{
    if (!m_starting)
        return; // stopped meanwhile
    m_starting = false;
    m_job->start([this, request](const auto& progress, const auto& cancelled) {
        BackupWriter::Request running = request;
        running.progress = progress;
        running.cancelled = cancelled;
        const BackupWriter::Result result = BackupWriter::make(running);
        if (result.made())
            BackupRotation::rotate(request.intoFolder, request.when.date());
        // Busy: the clerk's own backup runs, which serves as the day's one.
        m_lastMade = result.made() || result.outcome == BackupWriter::Result::Outcome::Busy ||
                     result.outcome == BackupWriter::Result::Outcome::Cancelled;
    });
}

void AutomaticBackup::finished()
{
    m_progress->hide();
    m_failed = !m_lastMade;
    refreshNotice();
}

void AutomaticBackup::refreshNotice()
{
    const Platform& platform = Platform::instance();
    const QString folder = platform.programFolder();
    const bool vehicle = QFileInfo(folder + BackupContents::archiveName()).size() >= TSchedaVeicolo::RecordSize;
    const QString text =
        BackupMessages::notice(m_failed, vehicle, BackupSettings::lastExternalCopy(folder), platform.today());
    m_notice->setText(text);
    m_notice->adjustSize();
    m_notice->setVisible(!text.isEmpty());
}

void AutomaticBackup::stop()
{
    if (m_starting) {
        m_starting = false;
        m_progress->hide();
    }
    m_job->cancel();
    m_job->wait();
}

bool AutomaticBackup::isRunning() const
{
    return m_starting || m_job->isRunning();
}

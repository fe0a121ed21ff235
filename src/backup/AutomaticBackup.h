#pragma once

#include "backup/BackupWriter.h"

#include <QDate>
#include <QObject>

class BackgroundJob;
class QProgressBar;
class QWidget;
class TextLink;

// The launcher's side of the backups: the day's first showing makes a backup in the
// background, with a thin progress line, unless Copie_di_sicurezza/ holds one of today;
// the notice lblAvvisoCopie says when that failed or when no copy went to another disk
// for a month. Nothing here shows a box.
class AutomaticBackup final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AutomaticBackup)
public:
    // Makes prgCopiaAutomatica and lblAvvisoCopie on the launcher's panel.
    explicit AutomaticBackup(QWidget* panContainer);
    ~AutomaticBackup() override;

    // The launcher was shown: the day's backup when due, and the notice brought up to date.
    void launcherShown();
    void refreshNotice();
    // Cancels a backup that is running and waits for it; it leaves no partial file.
    void stop();
    bool isRunning() const;

    TextLink* notice() const { return m_notice; }

private:
    void start(const BackupWriter::Request& request);
    void finished();

    BackgroundJob* m_job;
    QProgressBar* m_progress;
    TextLink* m_notice;
    QDate m_checkedDay;
    bool m_starting = false; // a backup is due and about to start
    bool m_failed = false;
    bool m_lastMade = false;
};

#pragma once

#include "backup/ZipArchive.h"

#include <QObject>

#include <atomic>
#include <functional>

class QThread;

// Runs one piece of long file work on a thread of its own, so that the window that started
// it keeps answering, and reports its progress in whole percents. Cancelling asks the work
// to stop at its next check; destroying the job cancels it and waits for the thread.
class BackgroundJob final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackgroundJob)
public:
    using Work = std::function<void(const Zip::Progress& progress, const Zip::Cancelled& cancelled)>;

    explicit BackgroundJob(QObject* parent = nullptr);
    ~BackgroundJob() override;

    // false when work of this job is still running.
    bool start(Work work);
    bool isRunning() const;
    void cancel();
    // Blocks until the work has ended; finished() still comes through the event loop.
    void wait();

signals:
    void progressed(int percent);
    // The work has ended; whatever it wrote for its caller is there to read.
    void finished();

private:
    QThread* m_thread = nullptr;
    std::atomic<bool> m_cancelled{false};
    std::atomic<int> m_percent{-1};
};

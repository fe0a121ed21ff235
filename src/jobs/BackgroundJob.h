#pragma once

#include "jobs/JobControl.h"

#include <QObject>

#include <atomic>
#include <exception>
#include <functional>

class QThread;

// Runs one piece of long work on a thread of its own, so that the window that started it
// keeps answering, and reports its progress in whole percents. Cancelling asks the work to
// stop at its next check; destroying the job cancels it and waits for the thread.
class BackgroundJob final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackgroundJob)
public:
    using Work = std::function<void(const Job::Progress& progress, const Job::Cancelled& cancelled)>;

    explicit BackgroundJob(QObject* parent = nullptr);
    ~BackgroundJob() override;

    // false when work of this job is still running.
    bool start(Work work);
    bool isRunning() const;
    void cancel();
    // Blocks until the work has ended; finished() still comes through the event loop.
    void wait();
    // What the work threw, or null when it returned; to read once finished() has come.
    std::exception_ptr failure() const { return m_failure; }

signals:
    void progressed(int percent);
    // The work has ended; whatever it wrote for its caller is there to read.
    void finished();

private:
    QThread* m_thread = nullptr;
    std::atomic<bool> m_cancelled{false};
    std::atomic<int> m_percent{-1};
    std::exception_ptr m_failure;
};

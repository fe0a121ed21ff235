#include "jobs/BackgroundJob.h"

#include <QThread>

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob()
{
    cancel();
    wait();
}

bool BackgroundJob::start(Work work)
{
    if (isRunning())
        return false;
    wait();
    m_cancelled = false;
    m_percent = -1;
    m_failure = nullptr;
    m_thread = QThread::create([this, work = std::move(work)] {
        try {
            work(
                [this](double done) {
                    const int percent = static_cast<int>(done * 100);
                    // Only whole steps cross to the window's thread.
                    if (m_percent.exchange(percent) != percent)
                        emit progressed(percent);
                },
                [this] { return m_cancelled.load(); });
        } catch (...) {
            // Handed to the caller after finished(), on its own thread.
            m_failure = std::current_exception();
        }
    });
    connect(m_thread, &QThread::finished, this, &BackgroundJob::finished);
    m_thread->start();
    return true;
}

bool BackgroundJob::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void BackgroundJob::cancel()
{
    m_cancelled = true;
}

void BackgroundJob::wait()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

#include "archive/FixedRecordFile.h"

#include "files/DiskSync.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <climits>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
[[noreturn]] void fail(const QFile& file, const char* what)
{
    throw FileAccessError(
        QStringLiteral("%1 %2: %3").arg(QLatin1String(what), file.fileName(), file.errorString()).toStdString());
}

std::function<void(FixedRecordFile::LockWait)>& lockWaitObserver()
{
    static std::function<void(FixedRecordFile::LockWait)> observer;
    return observer;
}

FixedRecordFile::LockPatience& lockPatience()
{
    static FixedRecordFile::LockPatience patience;
    return patience;
}

// Tells the observer of a long wait, once it is long, and that it is over.
class WaitReport {
public:
    WaitReport() { m_waited.start(); }
    ~WaitReport()
    {
        if (m_told && lockWaitObserver())
            lockWaitObserver()(FixedRecordFile::LockWait::Ended);
    }
    WaitReport(const WaitReport&) = delete;
    WaitReport& operator=(const WaitReport&) = delete;

    // False once the wait has lasted too long; sleeps a little between tries.
    bool tryAgain()
    {
        if (m_waited.elapsed() >= lockPatience().giveUpAfterMs)
            return false;
        if (lockWaitObserver() && m_waited.elapsed() >= lockPatience().busyAfterMs) {
            lockWaitObserver()(m_told ? FixedRecordFile::LockWait::StillWaiting : FixedRecordFile::LockWait::Started);
            m_told = true;
        }
        QThread::msleep(20);
        return true;
    }

private:
    QElapsedTimer m_waited;
    bool m_told = false;
};
} // namespace

void FixedRecordFile::setLockWaitObserver(std::function<void(LockWait)> observer)
{
    lockWaitObserver() = std::move(observer);
}

void FixedRecordFile::setLockPatience(LockPatience patience)
{
    lockPatience() = patience;
}

// An exclusive lock on the whole file, held from counting the records to the end of the
// write, so that programs sharing the archive on one folder never write the same index.
// Other programs wait for it; the lock covers the file itself, so the format is unchanged.
#ifndef Q_OS_WIN
// Locks of the open file, where the system has them, so that two commands of one program
// (a save and the background backup) exclude each other as two programs do; they conflict
// with the classic record locks of other programs too.
#ifdef F_OFD_SETLK
constexpr int LockCommand = F_OFD_SETLK;
#else
constexpr int LockCommand = F_SETLK;
#endif
#endif

class FixedRecordFile::WriteLock {
public:
    explicit WriteLock(QFile& file) : m_file(file)
    {
#ifdef Q_OS_WIN
        // Windows enforces byte-range locks on readers too, so the writers agree on one
        // byte far beyond any archive's end: appends serialise and readers go on reading.
        m_handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
        if (m_handle == INVALID_HANDLE_VALUE)
            fail(m_file, "lock");
        WaitReport wait;
        for (;;) {
            OVERLAPPED beyondEnd = lockedByte();
            if (LockFileEx(m_handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &beyondEnd))
                break;
            if (GetLastError() != ERROR_LOCK_VIOLATION || !wait.tryAgain())
                fail(m_file, "lock");
        }
#else
        struct flock whole = {};
        whole.l_type = F_WRLCK;
        whole.l_whence = SEEK_SET;
        whole.l_start = 0;
        whole.l_len = 0; // to the end, however far the file grows
        // Tried again and again rather than waited for, so that another program that holds
        // the lock for long makes this command fail instead of freezing it.
        WaitReport wait;
        while (fcntl(file.handle(), LockCommand, &whole) == -1) {
            if (errno == EINTR)
                continue;
            if ((errno != EACCES && errno != EAGAIN) || !wait.tryAgain())
                fail(m_file, "lock");
        }
#endif
    }

    ~WriteLock()
    {
#ifdef Q_OS_WIN
        OVERLAPPED beyondEnd = lockedByte();
        UnlockFileEx(m_handle, 0, 1, 0, &beyondEnd);
#else
        struct flock whole = {};
        whole.l_type = F_UNLCK;
        whole.l_whence = SEEK_SET;
        whole.l_start = 0;
        whole.l_len = 0;
        fcntl(m_file.handle(), LockCommand, &whole);
#endif
    }

    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

private:
    QFile& m_file;
#ifdef Q_OS_WIN
    static OVERLAPPED lockedByte()
    {
        OVERLAPPED place = {};
        place.OffsetHigh = 0x7FFFFFFF;
        return place;
    }
    HANDLE m_handle = INVALID_HANDLE_VALUE;
#endif
};

FixedRecordFile::FixedRecordFile(const QString& path, int recordSize) : m_file(path), m_recordSize(recordSize)
{
    if (recordSize <= 0)
        throw FileAccessError("record size must be positive");
    // Some systems open a folder for reading; an archive is never a folder.
    if (QFileInfo(path).isDir())
        throw FileAccessError(QStringLiteral("open %1: is a folder").arg(path).toStdString());
    // ReadWrite creates a missing file and never truncates; Unbuffered sends every write
    // straight to the system.
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        fail(m_file, "open");
}

FixedRecordFile::~FixedRecordFile()
{
    m_file.close();
}

int FixedRecordFile::count()
{
    if (!m_file.isOpen())
        throw FileAccessError("count: file is closed");
        // Asked of the system each time: another program may have appended meanwhile.
#ifdef Q_OS_WIN
    struct _stat64 status;
    if (_fstat64(m_file.handle(), &status) != 0)
        fail(m_file, "size");
#else
    struct stat status;
    if (fstat(m_file.handle(), &status) != 0)
        fail(m_file, "size");
#endif
    const qint64 records = static_cast<qint64>(status.st_size) / m_recordSize;
    // Positions are ints, and the next append's position must be one too.
    if (records > INT_MAX - 1)
        throw FileAccessError(QStringLiteral("count %1: %2 records, more than a position can name")
                                  .arg(m_file.fileName())
                                  .arg(records)
                                  .toStdString());
    return static_cast<int>(records);
}

QByteArray FixedRecordFile::readAt(int index)
{
    if (index < 0 || index >= count())
        throw FileAccessError(QStringLiteral("read %1: no record %2").arg(m_file.fileName()).arg(index).toStdString());
    if (!m_file.seek(static_cast<qint64>(index) * m_recordSize))
        fail(m_file, "seek");
    QByteArray record = m_file.read(m_recordSize);
    if (record.size() != m_recordSize)
        fail(m_file, "read");
    m_current = index + 1;
    return record;
}

int FixedRecordFile::readBlock(int first, int wanted, QByteArray& buffer)
{
    if (first < 0 || wanted < 0 || wanted > count() - first)
        throw FileAccessError(QStringLiteral("read %1: no records %2 to %3")
                                  .arg(m_file.fileName())
                                  .arg(first)
                                  .arg(qint64(first) + wanted - 1)
                                  .toStdString());
    const qint64 bytes = qint64(wanted) * m_recordSize;
    buffer.resize(bytes);
    if (!m_file.seek(qint64(first) * m_recordSize))
        fail(m_file, "seek");
    if (m_file.read(buffer.data(), bytes) != bytes)
        fail(m_file, "read");
    m_current = first + wanted;
    return wanted;
}

QByteArray FixedRecordFile::readNext()
{
    return readAt(m_current);
}

void FixedRecordFile::overwriteAt(int index, const QByteArray& record)
{
    overwriteConfirmed(index, record, {});
}

bool FixedRecordFile::overwriteConfirmed(int index, const QByteArray& record,
                                         const std::function<bool(const QByteArray& stored)>& confirm,
                                         const std::function<void()>& written)
{
    if (record.size() != m_recordSize)
        throw FileAccessError("overwrite: wrong record size");
    WriteLock lock(m_file);
    if (index < 0 || index >= count())
        throw FileAccessError(
            QStringLiteral("overwrite %1: no record %2").arg(m_file.fileName()).arg(index).toStdString());
    if (confirm && !confirm(readAt(index)))
        return false;
    writeAt(index, record, Extends::No);
    m_current = index + 1;
    if (written)
        written();
    return true;
}

int FixedRecordFile::append(const QByteArray& record, const std::function<void(int position)>& written)
{
    if (record.size() != m_recordSize)
        throw FileAccessError("append: wrong record size");
    WriteLock lock(m_file);
    const int index = count();
    writeAt(index, record, Extends::Yes);
    m_current = index + 1;
    if (written)
        written(index + 1);
    return index + 1;
}

int FixedRecordFile::appendAll(const std::function<bool(QByteArray& chunk)>& next)
{
    WriteLock lock(m_file);
    const int first = count();
    qint64 records = first;
    QByteArray chunk;
    try {
        while (next(chunk)) {
            if (chunk.size() % m_recordSize != 0)
                throw FileAccessError("append: not whole records");
            if (records + chunk.size() / m_recordSize > INT_MAX - 1)
                throw FileAccessError("append: more records than a position can name");
            writeAt(static_cast<int>(records), chunk, Extends::Yes);
            records += chunk.size() / m_recordSize;
        }
    } catch (...) {
        // Either every record went in or none did.
        m_file.resize(static_cast<qint64>(first) * m_recordSize);
        throw;
    }
    m_current = static_cast<int>(records);
    return first + 1;
}

bool FixedRecordFile::cutBackConfirmed(int keep, const std::function<bool()>& confirm)
{
    WriteLock lock(m_file);
    if (keep < 0 || keep > count())
        throw FileAccessError(QStringLiteral("cut %1: no record %2").arg(m_file.fileName()).arg(keep).toStdString());
    if (!confirm())
        return false;
    if (!m_file.resize(static_cast<qint64>(keep) * m_recordSize))
        fail(m_file, "cut");
    QString reason;
    if (!flushedToDevice(reason))
        throw FileAccessError(QStringLiteral("cut %1: %2").arg(m_file.fileName(), reason).toStdString());
    m_current = keep;
    return true;
}

void FixedRecordFile::writeAt(int index, const QByteArray& record, Extends extends)
{
    const qint64 offset = static_cast<qint64>(index) * m_recordSize;
    QString reason;
#ifdef Q_OS_WIN
    if (!m_file.seek(offset))
        fail(m_file, "seek");
    if (m_file.write(record) == record.size() && flushedToDevice(reason))
        return;
    if (reason.isEmpty())
        reason = m_file.errorString();
#else
    // Written by hand so that the system's reason for a short write is not lost.
    qint64 written = 0;
    while (written < record.size()) {
        const ssize_t step = ::pwrite(m_file.handle(), record.constData() + written,
                                      static_cast<size_t>(record.size() - written), offset + written);
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0) {
            reason = step < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QStringLiteral("nothing written");
            break;
        }
        written += step;
    }
    if (written == record.size() && flushedToDevice(reason))
        return;
#endif
    // A torn record at the end would travel with every copy of the folder: cut it off.
    if (extends == Extends::Yes && !m_file.resize(offset))
        reason += QStringLiteral("; cutting back to %1 bytes failed too: %2").arg(offset).arg(m_file.errorString());
    throw FileAccessError(QStringLiteral("write %1: %2").arg(m_file.fileName(), reason).toStdString());
}

// A written record is on the device before the command says it is saved; a record the
// device did not take counts as not written.
bool FixedRecordFile::flushedToDevice(QString& reason)
{
    if (DiskSync::flushToDevice(m_file.handle()))
        return true;
    reason = QStringLiteral("the device did not take the written bytes");
    return false;
}

void FixedRecordFile::readAllUnderLock(const std::function<void(const char*, qint64)>& sink, qint64 chunkSize)
{
    if (!m_file.isOpen())
        throw FileAccessError("read: file is closed");
    WriteLock lock(m_file);
    if (!m_file.seek(0))
        fail(m_file, "seek");
    QByteArray chunk(static_cast<qsizetype>(qMax<qint64>(chunkSize, 1)), Qt::Uninitialized);
    for (;;) {
        const qint64 got = m_file.read(chunk.data(), chunk.size());
        if (got < 0)
            fail(m_file, "read");
        if (got == 0)
            break;
        sink(chunk.constData(), got);
    }
    m_current = count();
}

void FixedRecordFile::close()
{
    if (!m_file.isOpen())
        return;
    const bool flushed = m_file.flush();
    m_file.close();
    if (!flushed || m_file.error() != QFileDevice::NoError)
        fail(m_file, "close");
}

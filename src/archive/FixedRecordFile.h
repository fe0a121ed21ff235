#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>
#include <stdexcept>

// Any failure to open, create, position, read, write or close a record file.
class FileAccessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file of fixed-size records back to back from offset 0, without header. Opened for
// reading and writing by the constructor (created empty when missing, never truncated)
// and closed by close() or the destructor, so that a command holds it only while it runs.
// Every failure throws FileAccessError.
class FixedRecordFile {
public:
    FixedRecordFile(const QString& path, int recordSize);
    ~FixedRecordFile();
    FixedRecordFile(const FixedRecordFile&) = delete;
    FixedRecordFile& operator=(const FixedRecordFile&) = delete;

    // Whole records; a trailing fragment is not a record. A file of more records than
    // INT_MAX - 1, whose next position could not be named, is a failure.
    int count();
    // The record at 0-based index; the current index becomes index + 1.
    QByteArray readAt(int index);
    // The record at the current index, which then advances by one.
    QByteArray readNext();
    // Replaces the record at index (0 <= index < count); the current index becomes index + 1.
    void overwriteAt(int index, const QByteArray& record);
    // The same when confirm, called under the write lock with the bytes stored at index now,
    // agrees; false when it declined and nothing was written. No other program can write
    // between the check and the write.
    // written, when given, runs after the write and still under the lock, for a record of
    // what was written that must land before another program's next write; it must not throw.
    bool overwriteConfirmed(int index, const QByteArray& record,
                            const std::function<bool(const QByteArray& stored)>& confirm,
                            const std::function<void()>& written = {});
    // Writes the record at index count, over any trailing fragment, and returns its
    // 1-based position. Count and write happen under one exclusive lock on the file,
    // so two programs appending to a shared archive never take the same index. When the
    // write stops short (a full disk), the file is cut back to its last whole record and
    // the error says why the system stopped.
    // written, when given, runs after the write and still under the lock, with the position;
    // it must not throw.
    int append(const QByteArray& record, const std::function<void(int position)>& written = {});
    int currentIndex() const { return m_current; }

    // Appends whole records back to back at index count, all under one hold of the lock, so
    // that another program's appends land before or after them, never among them. next fills
    // chunk with the following records (a multiple of the record size) and returns false once
    // there are none. On any failure the file is cut back to its count before the first
    // record. Returns the 1-based position of the first record appended.
    int appendAll(const std::function<bool(QByteArray& chunk)>& next);
    // Cuts the file back to its first keep records when confirm, called under the lock with
    // the file as it is now, agrees; false when it declined and nothing changed. Used only to
    // take back records appended just before.
    bool cutBackConfirmed(int keep, const std::function<bool()>& confirm);

    // Reads records first .. first + wanted - 1 (all of them present) back to back into
    // buffer, reusing its memory, and returns how many; the current index moves past them.
    int readBlock(int first, int wanted, QByteArray& buffer);
    int recordSize() const { return m_recordSize; }
    void close();

    // Every byte of the file, trailing fragment included, handed to sink in chunks of at most
    // chunkSize while the write lock is held, so that no other program's write lands in the
    // middle of the copy. An exception from sink ends the copy and passes to the caller.
    void readAllUnderLock(const std::function<void(const char* bytes, qint64 size)>& sink, qint64 chunkSize = 1 << 20);

    // A write waits for another program's lock: told Started once it has waited BusyAfter,
    // then StillWaiting at every try, and Ended when the wait is over, taken or given up
    // after GiveUpAfter (a failure). The window layer shows a busy cursor meanwhile.
    enum class LockWait { Started, StillWaiting, Ended };
    static void setLockWaitObserver(std::function<void(LockWait)> observer);
    struct LockPatience {
        int busyAfterMs = 2000;
        int giveUpAfterMs = 10000;
    };
    static void setLockPatience(LockPatience patience);

private:
    class WriteLock;
    enum class Extends { No, Yes };
    void writeAt(int index, const QByteArray& record, Extends extends);
    bool flushedToDevice(QString& reason);

    QFile m_file;
    int m_recordSize;
    int m_current = 0;
};

#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <functional>

class QIODevice;

// Replaces a whole file so that a failure at any step leaves the old file byte for byte.
// The new bytes go unbuffered into a temporary file beside the old one, so a full disk
// fails the write itself instead of a flush that QSaveFile would not report. Every write
// is checked; commit() flushes them to the device and only then renames the temporary
// file over the old one. Any failure drops the temporary file.
class SafeFile final {
public:
    explicit SafeFile(const QString& path);
    ~SafeFile();
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    bool open();
    // false, and the temporary file dropped, when not every byte was written.
    bool write(const QByteArray& bytes);
    // For writers that stream into a device themselves (an image encoder); commit()
    // notices a failed write through the device's error.
    QIODevice* device();
    // Flushes, syncs and renames; false leaves the old file as it was.
    bool commit();
    // Drops the temporary file; the old file stays.
    void cancel();
    QString errorString() const;

private:
    bool fail(const QString& reason);

    QSaveFile m_file;
    QString m_error;
    bool m_failed = false;
};

// The whole content at once; false, with the reason in error when given, leaves the old
// file as it was.
bool writeWholeFile(const QString& path, const QByteArray& content, QString* error = nullptr);

// The same step for a file that a library writes by its path itself (libxlsxwriter,
// libzip): the library writes the whole file at temporaryPath(), a fresh name beside the
// target, and commit() flushes it to the device and only then renames it over the target.
// Any failure, or destruction before commit(), drops the temporary file; the old file stays.
class SafePath final {
public:
    explicit SafePath(const QString& path);
    ~SafePath();
    SafePath(const SafePath&) = delete;
    SafePath& operator=(const SafePath&) = delete;

    // Empty when no temporary file could be made beside the target (errorString() says why).
    QString temporaryPath() const { return m_temporaryPath; }
    // readBack, when given, runs while the device takes the bytes: an exception from it
    // passes on once the flush has ended, and nothing is renamed. false leaves the old file.
    bool commit(const std::function<void()>& readBack = {});
    void cancel();
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& reason);

    QString m_path;
    QString m_temporaryPath;
    QString m_error;
};

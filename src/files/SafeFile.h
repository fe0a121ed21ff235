#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

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

#pragma once

#include "jobs/JobControl.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

class QIODevice;
struct zip;
struct zip_source;

// The one owner of libzip: a ZIP file written entry by entry and read back entry by entry.
// The program never writes the format itself.
namespace Zip {

// Takes an entry's bytes in order.
using Sink = std::function<void(const char* bytes, qint64 size)>;
// Hands every byte of an entry to the sink, or throws to give up; an exception from the
// sink must pass through it.
using Feed = std::function<void(const Sink& sink)>;

// A new ZIP file at path, which replaces whatever is there once closed. Entries are read
// from their files only when the archive is closed, so every file must stay in place until
// then.
class Writer final {
public:
    enum class Method { Deflate, Store };

    explicit Writer(const QString& path);
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    bool isOpen() const { return m_zip != nullptr; }
    // name is relative, with forward slashes; false when libzip refused it.
    bool addFile(const QString& name, const QString& sourcePath, const QDateTime& modified, Method method);
    // The same with the bytes handed over by feed, run on a thread of its own while libzip
    // reads the entry at close, so that it may hold a lock for just that long. expectedSize
    // only guides libzip: the entry holds what feed gave.
    bool addFed(const QString& name, Feed feed, qint64 expectedSize, const QDateTime& modified, Method method);
    bool addFolder(const QString& name);
    // Compresses and writes everything; libzip writes beside path and renames only at the
    // end, so a failure or a cancel leaves path as it was.
    bool close(const Job::Progress& progress, const Job::Cancelled& cancelled);
    QString errorString() const { return m_error; }

private:
    bool fail();
    bool add(const QString& name, zip_source* source, const QDateTime& modified, Method method);

    zip* m_zip = nullptr;
    QString m_error;
};

struct Entry {
    QString name;
    qint64 size = 0;
    QDateTime modified;
    bool isFolder = false;
    bool isLink = false;
};

// An existing ZIP file opened for reading, its central directory checked for consistency.
class Reader final {
public:
    explicit Reader(const QString& path);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    bool isOpen() const { return m_zip != nullptr; }
    const QList<Entry>& entries() const { return m_entries; }
    // Streams entry index into sink (nullptr only checks it); false when the data or its CRC
    // is wrong, the sink refused a write, or cancelled said so between chunks.
    bool extract(int index, QIODevice* sink, const Job::Cancelled& cancelled = {});
    QString errorString() const { return m_error; }

private:
    zip* m_zip = nullptr;
    QList<Entry> m_entries;
    QString m_error;
};

} // namespace Zip

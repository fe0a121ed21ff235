#include "files/SafeFile.h"

#include "files/DiskSync.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdio>
#include <future>

SafeFile::SafeFile(const QString& path) : m_file(path) {}

SafeFile::~SafeFile()
{
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool SafeFile::open()
{
    m_failed = false;
    m_error.clear();
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(m_file.errorString());
    return true;
}

bool SafeFile::write(const QByteArray& bytes)
{
    if (m_failed || !m_file.isOpen())
        return false;
    if (m_file.write(bytes) != bytes.size())
        return fail(m_file.errorString());
    return true;
}

QIODevice* SafeFile::device()
{
    return &m_file;
}

bool SafeFile::commit()
{
    if (m_failed || !m_file.isOpen())
        return false;
    if (m_file.error() != QFileDevice::NoError)
        return fail(m_file.errorString());
    if (!m_file.flush())
        return fail(m_file.errorString());
    if (!DiskSync::flushToDevice(m_file.handle()))
        return fail(QStringLiteral("the device did not take the written bytes"));
    if (!m_file.commit()) {
        m_failed = true;
        m_error = m_file.errorString();
        return false;
    }
    // The rename lives in the folder's own blocks.
    DiskSync::flushFolder(QFileInfo(m_file.fileName()).absolutePath());
    return true;
}

void SafeFile::cancel()
{
    if (m_file.isOpen())
        m_file.cancelWriting();
    m_failed = true;
}

QString SafeFile::errorString() const
{
    return m_error;
}

bool SafeFile::fail(const QString& reason)
{
    m_error = reason;
    cancel();
    return false;
}

bool writeWholeFile(const QString& path, const QByteArray& content, QString* error)
{
    SafeFile file(path);
    const bool written = file.open() && file.write(content) && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}

SafePath::SafePath(const QString& path) : m_path(path)
{
    // A fresh name beside the target, so that the rename stays inside one file system. It is
    // made as any new file is, or with the old file's permissions as QSaveFile does, since
    // the file keeps them once renamed: another user of a shared folder can read it.
    const QFileInfo old(path);
    for (int attempt = 0; attempt < 16; ++attempt) {
        QFile reserved(path +
                       QStringLiteral(".%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        if (reserved.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (old.exists())
                reserved.setPermissions(old.permissions());
            m_temporaryPath = reserved.fileName();
            return;
        }
        m_error = reserved.errorString();
        if (!reserved.exists())
            return; // not a name taken: the folder refuses
    }
}

SafePath::~SafePath()
{
    cancel();
}

bool SafePath::commit(const std::function<void()>& readBack)
{
    if (m_temporaryPath.isEmpty())
        return false;
    const auto flush = [written = m_temporaryPath] {
        QFile file(written);
        return file.open(QIODevice::ReadWrite) && DiskSync::flushToDevice(file.handle());
    };
    bool flushed = false;
    if (readBack) {
        // The device takes the bytes on another core while they are read back; a failed
        // read waits for the flush, in the future's destructor, before the file goes.
        std::future<bool> flushing = std::async(std::launch::async, flush);
        readBack();
        flushed = flushing.get();
    } else {
        flushed = flush();
    }
    if (!flushed)
        return fail(QStringLiteral("the device did not take the written bytes"));
    // rename() replaces the old file in one step; QFile::rename would refuse an existing one.
    if (std::rename(QFile::encodeName(m_temporaryPath).constData(), QFile::encodeName(m_path).constData()) != 0)
        return fail(QStringLiteral("the written file could not replace %1").arg(m_path));
    m_temporaryPath.clear();
    // The rename lives in the folder's own blocks.
    DiskSync::flushFolder(QFileInfo(m_path).absolutePath());
    return true;
}

void SafePath::cancel()
{
    if (!m_temporaryPath.isEmpty())
        QFile::remove(m_temporaryPath);
    m_temporaryPath.clear();
}

bool SafePath::fail(const QString& reason)
{
    m_error = reason;
    cancel();
    return false;
}

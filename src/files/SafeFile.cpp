#include "files/SafeFile.h"

#include "files/DiskSync.h"

#include <QFileInfo>

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

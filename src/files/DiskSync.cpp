#include "files/DiskSync.h"

#include <QFile>
#include <QString>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

std::function<bool(int)>& replacement()
{
    static std::function<bool(int)> flush;
    return flush;
}

bool realFlush(int descriptor)
{
#ifdef Q_OS_UNIX
    int result;
    do
        result = ::fdatasync(descriptor);
    while (result != 0 && errno == EINTR);
    return result == 0;
#else
    return descriptor >= 0;
#endif
}

} // namespace

namespace DiskSync {

bool flushToDevice(int descriptor)
{
    if (replacement())
        return replacement()(descriptor);
    return realFlush(descriptor);
}

bool flushFolder(const QString& folder)
{
#ifdef Q_OS_UNIX
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return true;
    const bool flushed = ::fsync(descriptor) == 0 || errno == EINVAL; // some file systems cannot sync folders
    ::close(descriptor);
    return flushed;
#else
    Q_UNUSED(folder);
    return true;
#endif
}

void setFlushForTesting(std::function<bool(int descriptor)> flush)
{
    replacement() = std::move(flush);
}

} // namespace DiskSync

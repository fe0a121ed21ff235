#include "SmallDisk.h"

#include "FileTest.h"

#include <QFile>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

SmallDisk::SmallDisk(const QString& folder) : m_folder(folder)
{
#ifdef Q_OS_LINUX
    m_mounted = FileTest::runningAsRoot() &&
                ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") == 0;
#endif
}

SmallDisk::~SmallDisk()
{
#ifdef Q_OS_LINUX
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
#endif
}

void SmallDisk::fill() const
{
    QFile filler(m_folder + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray page(4096, 'x');
    while (filler.write(page) == page.size()) {
    }
    while (filler.write("x", 1) == 1) {
    }
}

// Every writer that replaces a whole file, on a disk that is full or a device that refuses
// the flush: each reports the failure and leaves the old file byte for byte.
#include "access/PasswordFile.h"
#include "card/Attachments.h"
#include "files/DiskSync.h"
#include "files/IniFile.h"
#include "files/SafeFile.h"
#include "output/ExportFile.h"
#include "photo/PhotoFile.h"

#include "FileTest.h"
#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

using FileTest::readFile;
using FileTest::writeFile;

enum class Writer { Password, Export, Photo, Attachment, Plain };

// The file each writer replaces, inside programFolder.
QString targetOf(Writer writer, const QString& programFolder)
{
    switch (writer) {
    case Writer::Password:
        return programFolder + PasswordFile::fileName();
    case Writer::Export:
        return ExportFile::path(programFolder);
    case Writer::Photo:
        return PhotoFile::pathFor(programFolder, QStringLiteral("1"));
    case Writer::Attachment:
        return Attachments::folder(programFolder) + QStringLiteral("libretto.pdf");
    case Writer::Plain:
        break;
    }
    return programFolder + QStringLiteral("plain.txt");
}

QImage picture(QRgb colour)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Writes a new version of the writer's file; true when the writer reports success.
bool replaceWith(Writer writer, const QString& programFolder, const QString& outsideFolder, char version)
{
    switch (writer) {
    case Writer::Password:
        try {
            PasswordFile::storeNew(programFolder, QStringLiteral("parola") + QLatin1Char(version));
            return true;
        } catch (const std::exception&) {
            return false;
        }
    case Writer::Export: {
        ExportTableModel::Row row;
        row.fill(QString(40, QLatin1Char(version)));
        return ExportFile::write(programFolder, {row});
    }
    case Writer::Photo:
        return PhotoFile::save(picture(qRgb(version, 0, 0)), targetOf(writer, programFolder));
    case Writer::Attachment: {
        const QString source = outsideFolder + QStringLiteral("libretto.pdf");
        writeFile(source, QByteArray(3000, version));
        QDir().mkpath(Attachments::folder(programFolder));
        return Attachments::copyFile(source, targetOf(writer, programFolder)) == Attachments::Copy::Copied;
    }
    case Writer::Plain:
        break;
    }
    return writeWholeFile(targetOf(writer, programFolder), QByteArray(3000, version));
}

QStringList filesUnder(const QString& folder)
{
    QStringList names;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        names << info.fileName();
        if (info.isDir())
            for (const QString& inner : filesUnder(info.filePath()))
                names << info.fileName() + QLatin1Char('/') + inner;
    }
    return names;
}

} // namespace

class TestSafeFile : public QObject {
    Q_OBJECT
private slots:
    void writers_data();
    void fullDiskKeepsTheOldFile_data() { writers_data(); }
    void fullDiskKeepsTheOldFile();
    void refusedFlushKeepsTheOldFile_data() { writers_data(); }
    void refusedFlushKeepsTheOldFile();
    void flushComesBeforeTheRename();
    void cleanup() { DiskSync::setFlushForTesting({}); }
};

void TestSafeFile::writers_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::newRow("password") << Writer::Password;
    QTest::newRow("export") << Writer::Export;
    QTest::newRow("photo") << Writer::Photo;
    QTest::newRow("attachment") << Writer::Attachment;
    QTest::newRow("plain") << Writer::Plain;
}

void TestSafeFile::fullDiskKeepsTheOldFile()
{
    QFETCH(Writer, writer);
    QTemporaryDir program;
    SmallDisk disk(program.path());
    if (!disk.mounted())
        QSKIP("mounting a small file system needs root");
    QTemporaryDir outside;
    const QString outsideFolder = outside.path() + QLatin1Char('/');
    const QString folder = program.path() + QLatin1Char('/');

    QVERIFY(replaceWith(writer, folder, outsideFolder, 'a'));
    const QByteArray before = readFile(targetOf(writer, folder));
    QVERIFY(!before.isEmpty());
    disk.fill();
    const QStringList filesBefore = filesUnder(folder);

    QVERIFY(!replaceWith(writer, folder, outsideFolder, 'b'));
    QCOMPARE(readFile(targetOf(writer, folder)), before);
    QCOMPARE(filesUnder(folder), filesBefore); // no temporary file left behind
}

void TestSafeFile::refusedFlushKeepsTheOldFile()
{
    QFETCH(Writer, writer);
    QTemporaryDir program;
    QTemporaryDir outside;
    const QString folder = program.path() + QLatin1Char('/');
    const QString outsideFolder = outside.path() + QLatin1Char('/');
    QVERIFY(replaceWith(writer, folder, outsideFolder, 'a'));
    const QByteArray before = readFile(targetOf(writer, folder));
    const QStringList filesBefore = filesUnder(folder);

    DiskSync::setFlushForTesting([](int) { return false; });
    QVERIFY(!replaceWith(writer, folder, outsideFolder, 'b'));
    QCOMPARE(readFile(targetOf(writer, folder)), before);
    QCOMPARE(filesUnder(folder), filesBefore);
}

void TestSafeFile::flushComesBeforeTheRename()
{
    QTemporaryDir program;
    const QString path = program.path() + QStringLiteral("/plain.txt");
    writeFile(path, "old");
    QByteArray seenAtFlush;
    DiskSync::setFlushForTesting([&](int) {
        seenAtFlush = readFile(path);
        return true;
    });
    QVERIFY(writeWholeFile(path, "new"));
    QCOMPARE(seenAtFlush, QByteArray("old"));
    QCOMPARE(readFile(path), QByteArray("new"));
}

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safe_file.moc"

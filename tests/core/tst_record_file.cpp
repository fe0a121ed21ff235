#include "archive/RecordScanner.h"
#include "archive/VehicleArchive.h"

#include "FileTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <cstring>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

using FileTest::readFile;
using FileTest::runningAsRoot;
using FileTest::writeFile;
constexpr int Size = TSchedaVeicolo::RecordSize;

TSchedaVeicolo vehicle(const QString& tipo)
{
    TSchedaVeicolo record;
    record.Tipo = tipo;
    record.Targa = QStringLiteral("AB123CD");
    record.Desc03 = QStringLiteral("ultimo campo di ") + tipo;
    return record;
}

// count encoded records with Tipo "R1", "R2", ..., then extra bytes of a trailing fragment.
QByteArray archiveBytes(int count, int fragment = 0)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += encodeRecord(vehicle(QStringLiteral("R%1").arg(i)));
    bytes += QByteArray(fragment, '\x5a');
    return bytes;
}

} // namespace

class tst_RecordFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void missingArchiveIsCreatedEmpty();
    void appendOverTrailingFragment();
    void overwriteRewritesOnlyItsRecord();
    void readAtFindsEachRecord();
    void currentIndexFollowsEveryAccess();
    void outOfRangeThrows_data();
    void outOfRangeThrows();
    void wrongRecordSizeThrows();
    void openFailureThrows_data();
    void openFailureThrows();
    void readOnlyArchiveThrows();
    void folderWithoutWritePermissionThrows();
    void countBeyondPositionsFails_data();
    void countBeyondPositionsFails();
    void shortAppendLeavesNoTornRecord();
    void blockReadsHandOutEveryRecord_data();
    void blockReadsHandOutEveryRecord();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QString m_archive;
};

void tst_RecordFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
    m_archive = m_folder + VehicleArchive::fileName();
}

void tst_RecordFile::missingArchiveIsCreatedEmpty()
{
    QVERIFY(!QFile::exists(m_archive));
    VehicleArchive archive(m_folder);
    QCOMPARE(archive.count(), 0);
    archive.close();
    QVERIFY(QFile::exists(m_archive));
    QCOMPARE(QFileInfo(m_archive).size(), 0);
}

void tst_RecordFile::appendOverTrailingFragment()
{
    const QByteArray before = archiveBytes(3, 100);
    writeFile(m_archive, before);

    VehicleArchive archive(m_folder);
    QCOMPARE(archive.count(), 3);
    QCOMPARE(archive.append(vehicle(QStringLiteral("nuovo"))), 4);
    QCOMPARE(archive.count(), 4);
    archive.close();

    const QByteArray after = readFile(m_archive);
    QCOMPARE(after.size(), 4 * Size);
    QCOMPARE(after.left(3 * Size), before.left(3 * Size));
    QCOMPARE(after.mid(10110), encodeRecord(vehicle(QStringLiteral("nuovo"))));
}

void tst_RecordFile::overwriteRewritesOnlyItsRecord()
{
    const QByteArray before = archiveBytes(7);
    writeFile(m_archive, before);

    VehicleArchive archive(m_folder);
    archive.overwriteAt(2, vehicle(QStringLiteral("sostituito")));
    archive.close();

    QByteArray expected = before;
    expected.replace(6740, Size, encodeRecord(vehicle(QStringLiteral("sostituito"))));
    QCOMPARE(readFile(m_archive), expected);
}

void tst_RecordFile::readAtFindsEachRecord()
{
    writeFile(m_archive, archiveBytes(7));
    VehicleArchive archive(m_folder);
    // Position 7 is index 6, at byte 20220.
    QCOMPARE(archive.readAt(6), vehicle(QStringLiteral("R7")));
    QCOMPARE(archive.readAt(0), vehicle(QStringLiteral("R1")));
    QCOMPARE(archive.readAt(3), vehicle(QStringLiteral("R4")));
}

void tst_RecordFile::currentIndexFollowsEveryAccess()
{
    writeFile(m_archive, archiveBytes(7));
    VehicleArchive archive(m_folder);
    QCOMPARE(archive.currentIndex(), 0);
    QCOMPARE(archive.readNext().Tipo, QStringLiteral("R1"));
    QCOMPARE(archive.currentIndex(), 1);
    archive.readAt(4);
    QCOMPARE(archive.currentIndex(), 5);
    QCOMPARE(archive.readNext().Tipo, QStringLiteral("R6"));
    QCOMPARE(archive.currentIndex(), 6);
    archive.overwriteAt(1, vehicle(QStringLiteral("due")));
    QCOMPARE(archive.currentIndex(), 2);
    QCOMPARE(archive.readNext().Tipo, QStringLiteral("R3"));
    QCOMPARE(archive.append(vehicle(QStringLiteral("otto"))), 8);
    QCOMPARE(archive.currentIndex(), 8);
}

void tst_RecordFile::outOfRangeThrows_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("fragment");
    QTest::addColumn<int>("index");

    QTest::newRow("negative") << 7 << 0 << -1;
    QTest::newRow("count") << 7 << 0 << 7;
    QTest::newRow("far beyond") << 7 << 0 << 100000;
    QTest::newRow("empty archive") << 0 << 0 << 0;
    QTest::newRow("trailing fragment") << 3 << 100 << 3;
}

void tst_RecordFile::outOfRangeThrows()
{
    QFETCH(int, records);
    QFETCH(int, fragment);
    QFETCH(int, index);

    const QByteArray before = archiveBytes(records, fragment);
    writeFile(m_archive, before);
    {
        VehicleArchive archive(m_folder);
        QVERIFY_THROWS_EXCEPTION(FileAccessError, archive.readAt(index));
        QVERIFY_THROWS_EXCEPTION(FileAccessError, archive.overwriteAt(index, vehicle(QStringLiteral("x"))));
        // A read past the end through readNext fails the same way.
        if (records > 0) {
            archive.readAt(records - 1);
            QVERIFY_THROWS_EXCEPTION(FileAccessError, archive.readNext());
        }
        archive.close();
    }
    QCOMPARE(readFile(m_archive), before);
}

void tst_RecordFile::wrongRecordSizeThrows()
{
    const QByteArray before = archiveBytes(2);
    writeFile(m_archive, before);
    {
        FixedRecordFile file(m_archive, Size);
        QVERIFY_THROWS_EXCEPTION(FileAccessError, file.overwriteAt(0, QByteArray(Size - 1, 'x')));
        QVERIFY_THROWS_EXCEPTION(FileAccessError, file.append(QByteArray(Size + 1, 'x')));
        QVERIFY_THROWS_EXCEPTION(FileAccessError, file.append(QByteArray()));
        file.close();
    }
    QCOMPARE(readFile(m_archive), before);
}

void tst_RecordFile::openFailureThrows_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("folder"); // relative to the temporary folder

    QTest::newRow("archive is a folder") << QStringLiteral("archive-folder") << QString();
    QTest::newRow("program folder missing") << QString() << QStringLiteral("assente/");
    QTest::newRow("program folder through a file") << QStringLiteral("file") << QStringLiteral("blocco/");
}

void tst_RecordFile::openFailureThrows()
{
    QFETCH(QString, setup);
    QFETCH(QString, folder);

    if (setup == QLatin1String("archive-folder"))
        QVERIFY(QDir().mkdir(m_archive));
    if (setup == QLatin1String("file"))
        writeFile(m_folder + QStringLiteral("blocco"), "non una cartella");

    QVERIFY_THROWS_EXCEPTION(FileAccessError, VehicleArchive archive(m_folder + folder));
    QVERIFY(!QFileInfo(m_folder + folder + VehicleArchive::fileName()).isFile());
}

void tst_RecordFile::readOnlyArchiveThrows()
{
    if (runningAsRoot())
        QSKIP("running as root, which writes to read-only files anyway");
    const QByteArray before = archiveBytes(2);
    writeFile(m_archive, before);
    QVERIFY(QFile::setPermissions(m_archive, QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    QVERIFY_THROWS_EXCEPTION(FileAccessError, VehicleArchive archive(m_folder));
    QCOMPARE(readFile(m_archive), before);
}

void tst_RecordFile::folderWithoutWritePermissionThrows()
{
    if (runningAsRoot())
        QSKIP("running as root, which creates files in read-only folders anyway");
    const QString folder = m_folder + QStringLiteral("programma");
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    // Writable again afterwards, so the temporary folder can remove itself.
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });

    QVERIFY_THROWS_EXCEPTION(FileAccessError, VehicleArchive archive(folder + QLatin1Char('/')));
    QVERIFY(!QFile::exists(folder + QLatin1Char('/') + VehicleArchive::fileName()));
}

void tst_RecordFile::countBeyondPositionsFails_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("fails");

    // Records of 2 bytes in a sparse file: the count is the size over 2.
    QTest::newRow("INT_MAX - 1 records") << qint64(INT_MAX - 1) * 2 + 1 << false;
    QTest::newRow("INT_MAX records") << qint64(INT_MAX) * 2 << true;
    QTest::newRow("beyond 32 bits") << qint64(UINT_MAX) * 2 + 6 << true;
}

void tst_RecordFile::countBeyondPositionsFails()
{
    QFETCH(qint64, size);
    QFETCH(bool, fails);

    {
        QFile sparse(m_archive);
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        if (!sparse.resize(size))
            QSKIP("this file system holds no sparse file of that size");
    }
    FixedRecordFile file(m_archive, 2);
    if (fails) {
        QVERIFY_THROWS_EXCEPTION(FileAccessError, file.count());
        QVERIFY_THROWS_EXCEPTION(FileAccessError, file.append("ab"));
        QVERIFY_THROWS_EXCEPTION(FileAccessError, file.readNext());
        file.close();
        QCOMPARE(QFileInfo(m_archive).size(), size);
    } else {
        QCOMPARE(file.count(), INT_MAX - 1);
        // The last position a vehicle can have; the fragment goes under it.
        QCOMPARE(file.append("ab"), INT_MAX);
        QVERIFY_THROWS_EXCEPTION(FileAccessError, file.append("cd"));
        file.close();
        QCOMPARE(QFileInfo(m_archive).size(), qint64(INT_MAX) * 2);
    }
}

void tst_RecordFile::shortAppendLeavesNoTornRecord()
{
#ifdef Q_OS_UNIX
    const QByteArray before = archiveBytes(2, 100);
    writeFile(m_archive, before);

    // A file-size limit makes the system stop the write part way, as a full disk does.
    struct rlimit old = {};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
    if (old.rlim_cur != RLIM_INFINITY && old.rlim_cur < rlim_t(3 * Size))
        QSKIP("a file-size limit is already in force");
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = old;
    limited.rlim_cur = 2 * Size + 1000;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
    QString error;
    {
        VehicleArchive archive(m_folder);
        try {
            archive.append(vehicle(QStringLiteral("terzo")));
        } catch (const FileAccessError& failure) {
            error = QString::fromLocal8Bit(failure.what());
        }
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(error));
    QCOMPARE(readFile(m_archive), before.left(2 * Size));
#else
    QSKIP("file-size limits are a Unix facility");
#endif
}

void tst_RecordFile::blockReadsHandOutEveryRecord_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("blockBytes");

    QTest::newRow("empty") << 0 << (1 << 20);
    QTest::newRow("one block") << 5 << (1 << 20);
    QTest::newRow("blocks of 2, trailing fragment") << 7 << 2 * Size + 5;
    QTest::newRow("block smaller than a record") << 3 << 10;
}

void tst_RecordFile::blockReadsHandOutEveryRecord()
{
    QFETCH(int, records);
    QFETCH(int, blockBytes);

    writeFile(m_archive, archiveBytes(records, 77));
    VehicleArchive archive(m_folder);
    RecordScanner scanner(archive.records(), blockBytes);
    QCOMPARE(scanner.count(), records);
    QByteArrayView bytes;
    int seen = 0;
    while (scanner.next(bytes)) {
        QCOMPARE(scanner.index(), seen);
        QCOMPARE(decodeRecord<TSchedaVeicolo>(bytes), vehicle(QStringLiteral("R%1").arg(seen + 1)));
        ++seen;
    }
    QCOMPARE(seen, records);
    QVERIFY(!scanner.next(bytes));
    QCOMPARE(archive.currentIndex(), records);

    // Only the fields asked for are decoded.
    if (records > 0) {
        const FieldDecoder<TSchedaVeicolo> decoder({&TSchedaVeicolo::Desc03, &TSchedaVeicolo::Targa});
        TSchedaVeicolo partial;
        partial.Tipo = QStringLiteral("prima");
        decoder.decode(encodeRecord(vehicle(QStringLiteral("R1"))), partial);
        TSchedaVeicolo expected;
        expected.Tipo = QStringLiteral("prima");
        expected.Targa = QStringLiteral("AB123CD");
        expected.Desc03 = QStringLiteral("ultimo campo di R1");
        QCOMPARE(partial, expected);
    }
}

QTEST_GUILESS_MAIN(tst_RecordFile)
#include "tst_record_file.moc"

#include "archive/VehicleArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
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

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool runningAsRoot()
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
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

QTEST_GUILESS_MAIN(tst_RecordFile)
#include "tst_record_file.moc"

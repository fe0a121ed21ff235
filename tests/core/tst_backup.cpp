// The backups of the program folder: what a ZIP holds, the round trip through a restore,
// the ZIPs a restore refuses, the failures that must leave everything as it was, and
// which dated backups rotation keeps.
#include "archive/TSchedaVeicolo.h"
#include "backup/BackupCheck.h"
#include "backup/BackupMessages.h"
#include "backup/BackupName.h"
#include "backup/BackupRestore.h"
#include "backup/BackupRotation.h"
#include "backup/BackupSummary.h"
#include "backup/BackupWriter.h"
#include "backup/ZipArchive.h"
#include "costs/TCostoVeicolo.h"
#include "history/TEventoVeicolo.h"

#include "FileTest.h"
#include "SmallDisk.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <zip.h>

#include <sys/stat.h>

namespace {

using FileTest::readFile;
using FileTest::writeFile;

const QDateTime Taken(QDate(2026, 12, 10), QTime(8, 30, 0));

QByteArray noise(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

// Every file of the program folder but the backups, by relative path.
QMap<QString, QByteArray> stateOf(const QString& folder)
{
    QMap<QString, QByteArray> state;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir base(folder);
    while (it.hasNext()) {
        const QString name = base.relativeFilePath(it.next());
        if (!name.startsWith(QLatin1String("Copie_di_sicurezza/")))
            state.insert(name, readFile(it.filePath()));
    }
    return state;
}

QStringList texts(std::initializer_list<const char*> latin1)
{
    QStringList list;
    for (const char* text : latin1)
        list.append(QLatin1String(text));
    return list;
}

void setModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QStringList namesIn(const QString& zipPath)
{
    QStringList names;
    const Zip::Reader reader(zipPath);
    for (const Zip::Entry& entry : reader.entries())
        names.append(entry.name);
    names.sort();
    return names;
}

// A ZIP made straight with libzip, for the shapes the program's own writer never makes.
struct RawEntry {
    QByteArray name;
    QByteArray bytes;
    bool link = false;
};

void writeRawZip(const QString& path, const QList<RawEntry>& entries)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    QVERIFY(archive);
    for (const RawEntry& entry : entries) {
        zip_source_t* source = zip_source_buffer(archive, entry.bytes.constData(), entry.bytes.size(), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.constData(), source, ZIP_FL_OVERWRITE);
        QVERIFY(index >= 0);
        if (entry.link)
            zip_file_set_external_attributes(archive, index, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777) << 16);
    }
    QCOMPARE(zip_close(archive), 0);
}

void putLittleEndian(QByteArray& bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

// Makes the ZIP at path declare size bytes for entry name, in its local header and in the
// central directory alike, so that the ZIP stays consistent yet lies about what it holds.
void declareSize(const QString& path, const QByteArray& name, quint32 size)
{
    QByteArray bytes = readFile(path);
    int patched = 0;
    // Local header: the size at 22, the name's length at 26, the name at 30; central
    // directory: the size at 24, the name's length at 28, the name at 46.
    struct Header {
        QByteArray signature;
        int sizeAt;
        int nameAt;
    };
    for (const auto& [signature, sizeAt, nameAt] :
         {Header{QByteArray("PK\x03\x04"), 22, 30}, Header{QByteArray("PK\x01\x02"), 24, 46}}) {
        for (qsizetype at = bytes.indexOf(signature); at >= 0; at = bytes.indexOf(signature, at + 4)) {
            if (bytes.mid(at + nameAt, name.size()) == name) {
                putLittleEndian(bytes, at + sizeAt, size);
                ++patched;
            }
        }
    }
    QCOMPARE(patched, 2);
    writeFile(path, bytes);
}

// Whether a staging folder of a restore is still in the program folder.
bool stagingLeftIn(const QString& folder)
{
    return !QDir(folder).entryList({QStringLiteral(".Ripristino*")}, QDir::AllEntries | QDir::Hidden).isEmpty();
}

} // namespace

class tst_Backup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void holdsTheDataFilesOnly();
    void roundTripRestoresEveryByte();
    void archiveGrownSinceListedIsHeldWhole();
    void folderWithoutArchiveRoundTrips_data();
    void folderWithoutArchiveRoundTrips();
    void refusedZipChangesNothing_data();
    void refusedZipChangesNothing();
    void restoreNeedsRoomOnDisk_data();
    void restoreNeedsRoomOnDisk();
    void failedStagingChangesNothing_data();
    void failedStagingChangesNothing();
    void failedSafetyBackupRestoresNothing();
    void failedBackupLeavesNoFile_data();
    void failedBackupLeavesNoFile();
    void fullDiskLeavesOlderBackups();
    void secondBackupAtOnceIsBusy();
    void takenNameMovesToTheNextSecond();
    void rotationKeepsNewestAndMonthly();
    void rotationDeletesOnlyBackupNames();
    void restoreQuestionCountsTheCards_data();
    void restoreQuestionCountsTheCards();
    void noticeSaysWhatIsWrong_data();
    void noticeSaysWhatIsWrong();

private:
    QString backupFolder() const { return BackupName::folderIn(m_folder); }
    BackupWriter::Result backUp(const QDateTime& when = Taken)
    {
        return BackupWriter::make({m_folder, backupFolder(), when, {}, {}});
    }
    BackupRestore::Result restore(const QString& zipPath)
    {
        return BackupRestore::restore({zipPath, m_folder, backupFolder(), Taken.addSecs(3600), {}, {}});
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void tst_Backup::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
    QDir(m_folder).mkpath(QStringLiteral("Autoparco"));
    QDir(m_folder).mkpath(QStringLiteral("Documenti_Allegati/verbali"));
    writeFile(m_folder + QStringLiteral("Parco_Automezzi.pro"), noise(3 * TSchedaVeicolo::RecordSize, 1));
    writeFile(m_folder + QStringLiteral("Costi_Veicolo_1.pro"), noise(4 * TCostoVeicolo::RecordSize, 2));
    writeFile(m_folder + QStringLiteral("Costi_Veicolo_3.pro"), noise(TCostoVeicolo::RecordSize, 3));
    writeFile(m_folder + QStringLiteral("Storico_Automezzi.pro"), noise(2 * TEventoVeicolo::RecordSize, 14));
    writeFile(m_folder + QStringLiteral("Autoparco/Scheda_Veicolo_1.jpg"), noise(20000, 4));
    writeFile(m_folder + QStringLiteral("Autoparco/Scheda_Veicolo_3.jpg"), noise(5000, 5));
    writeFile(m_folder + QStringLiteral("Documenti_Allegati/libretto.pdf"), noise(7000, 6));
    writeFile(m_folder + QStringLiteral("Documenti_Allegati/verbali/multa.txt"), QByteArray("multa 2026"));
    writeFile(m_folder + QStringLiteral("unins000.dll"), QByteArray("[Accesso]\r\nValore=AB12\r\n"));
    writeFile(m_folder + QStringLiteral("Corvanta.ini"), QByteArray("[CopieSicurezza]\r\nCartella=/media/x\r\n"));
    // What a backup leaves out.
    writeFile(m_folder + QStringLiteral("Parco_Automezzi.xls"), QByteArray("<html>"));
    writeFile(m_folder + QStringLiteral("Guida.pdf"), QByteArray("%PDF"));
    writeFile(m_folder + QStringLiteral("corvanta"), QByteArray("\x7f"
                                                                "ELF"));
    writeFile(m_folder + QStringLiteral("Costi_Veicolo_x.pro"), QByteArray("not a cost file"));
    setModified(m_folder + QStringLiteral("Costi_Veicolo_1.pro"), QDateTime(QDate(2024, 5, 6), QTime(7, 8, 10)));
}

void tst_Backup::cleanup()
{
    BackupRestore::setFreeSpaceForTesting({});
}

void tst_Backup::holdsTheDataFilesOnly()
{
    const BackupWriter::Result made = backUp();
    QVERIFY2(made.made(), qPrintable(made.error));
    QCOMPARE(made.path, backupFolder() + QStringLiteral("Corvanta_2026-12-10_083000.zip"));
    QCOMPARE(namesIn(made.path), (texts({"Autoparco/Scheda_Veicolo_1.jpg", "Autoparco/Scheda_Veicolo_3.jpg",
                                         "Corvanta.ini", "Costi_Veicolo_1.pro", "Costi_Veicolo_3.pro",
                                         "Documenti_Allegati/libretto.pdf", "Documenti_Allegati/verbali/multa.txt",
                                         "Parco_Automezzi.pro", "Storico_Automezzi.pro", "unins000.dll"})));
    const Zip::Reader reader(made.path);
    for (const Zip::Entry& entry : reader.entries())
        if (entry.name == QLatin1String("Costi_Veicolo_1.pro"))
            QCOMPARE(entry.modified, QDateTime(QDate(2024, 5, 6), QTime(7, 8, 10)));
    // Nothing but the backup is left in its folder.
    QCOMPARE(QDir(backupFolder()).entryList(QDir::Files | QDir::Hidden), texts({"Corvanta_2026-12-10_083000.zip"}));
    // Made as any new file is, so that another user of a shared folder can read it.
    QFile fresh(m_folder + QStringLiteral("nuovo.txt"));
    QVERIFY(fresh.open(QIODevice::WriteOnly));
    QCOMPARE(QFileInfo(made.path).permissions(), fresh.permissions());

    const BackupSummary summary = BackupSummary::of(made.path);
    QVERIFY(summary.readable);
    QCOMPARE(summary.cards, 3);
    QCOMPARE(summary.costEntries, 5);
    QCOMPARE(summary.photos, 2);
    QCOMPARE(summary.attachments, 2);
}

void tst_Backup::roundTripRestoresEveryByte()
{
    const QMap<QString, QByteArray> before = stateOf(m_folder);
    const BackupWriter::Result made = backUp();
    QVERIFY2(made.made(), qPrintable(made.error));

    // Everything changes: records, a photo gone, a later vehicle's files, a new attachment.
    writeFile(m_folder + QStringLiteral("Parco_Automezzi.pro"), noise(5 * TSchedaVeicolo::RecordSize, 9));
    writeFile(m_folder + QStringLiteral("Costi_Veicolo_1.pro"), noise(TCostoVeicolo::RecordSize, 10));
    writeFile(m_folder + QStringLiteral("Storico_Automezzi.pro"), noise(5 * TEventoVeicolo::RecordSize, 15));
    QFile::remove(m_folder + QStringLiteral("Autoparco/Scheda_Veicolo_3.jpg"));
    writeFile(m_folder + QStringLiteral("Autoparco/Scheda_Veicolo_5.jpg"), noise(900, 11));
    writeFile(m_folder + QStringLiteral("Costi_Veicolo_5.pro"), noise(TCostoVeicolo::RecordSize, 12));
    writeFile(m_folder + QStringLiteral("Documenti_Allegati/nuovo.pdf"), noise(300, 13));
    writeFile(m_folder + QStringLiteral("unins000.dll"), QByteArray("[Accesso]\r\nValore=FF\r\n"));
    const QMap<QString, QByteArray> changed = stateOf(m_folder);

    const BackupRestore::Result restored = restore(made.path);
    QVERIFY2(restored.restored(), qPrintable(restored.error));
    QCOMPARE(stateOf(m_folder), before);
    QCOMPARE(QFileInfo(m_folder + QStringLiteral("Costi_Veicolo_1.pro")).lastModified(),
             QDateTime(QDate(2024, 5, 6), QTime(7, 8, 10)));

    // The safety backup holds the changed state, and restoring it brings that back.
    QCOMPARE(restored.safetyBackup, backupFolder() + QStringLiteral("Corvanta_2026-12-10_093000.zip"));
    QVERIFY(namesIn(restored.safetyBackup).contains(QStringLiteral("Costi_Veicolo_5.pro")));
    QVERIFY(restore(restored.safetyBackup).restored());
    QCOMPARE(stateOf(m_folder), changed);
}

// The archive is listed before libzip reads it; records another PC appends meanwhile are
// read under the same lock and belong in the entry.
void tst_Backup::archiveGrownSinceListedIsHeldWhole()
{
    const QString archive = m_folder + QStringLiteral("Parco_Automezzi.pro");
    bool appended = false;
    const BackupWriter::Result made = BackupWriter::make({m_folder,
                                                          backupFolder(),
                                                          Taken,
                                                          [&](double) {
                                                              if (appended)
                                                                  return;
                                                              appended = true;
                                                              QFile file(archive);
                                                              QVERIFY(file.open(QIODevice::Append));
                                                              file.write(noise(2 * TSchedaVeicolo::RecordSize, 20));
                                                          },
                                                          {}});
    QVERIFY2(made.made(), qPrintable(made.error));
    QVERIFY(appended);
    Zip::Reader reader(made.path);
    QBuffer held;
    held.open(QIODevice::WriteOnly);
    int index = 0;
    while (index < reader.entries().size() && reader.entries().at(index).name != QLatin1String("Parco_Automezzi.pro"))
        ++index;
    QVERIFY2(reader.extract(index, &held), qPrintable(reader.errorString()));
    QCOMPARE(held.data(), readFile(archive));
}

// The day's first backup of a folder that never saved a card: nothing is created, the ZIP
// holds what there is, and restoring it brings back that folder, without the later archive.
void tst_Backup::folderWithoutArchiveRoundTrips_data()
{
    QTest::addColumn<bool>("withCostFile");
    QTest::newRow("password and settings only") << false;
    QTest::newRow("a cost file left without its archive") << true;
}

void tst_Backup::folderWithoutArchiveRoundTrips()
{
    QFETCH(bool, withCostFile);
    QVERIFY(QDir(m_folder).removeRecursively());
    QVERIFY(QDir().mkpath(m_folder));
    writeFile(m_folder + QStringLiteral("unins000.dll"), QByteArray("[Accesso]\r\nValore=AB12\r\n"));
    writeFile(m_folder + QStringLiteral("Corvanta.ini"), QByteArray("[Stampa]\r\n"));
    if (withCostFile)
        writeFile(m_folder + QStringLiteral("Costi_Veicolo_2.pro"), noise(TCostoVeicolo::RecordSize, 50));
    const QMap<QString, QByteArray> before = stateOf(m_folder);

    const BackupWriter::Result made = backUp();
    QVERIFY2(made.made(), qPrintable(made.error));
    QVERIFY(!QFile::exists(m_folder + QStringLiteral("Parco_Automezzi.pro")));
    QStringList expected = texts({"Corvanta.ini", "unins000.dll"});
    if (withCostFile) {
        expected.append(QStringLiteral("Costi_Veicolo_2.pro"));
        expected.sort();
    }
    QCOMPARE(namesIn(made.path), expected);

    // Cards saved afterwards, with their history, cost files and a photo.
    writeFile(m_folder + QStringLiteral("Parco_Automezzi.pro"), noise(2 * TSchedaVeicolo::RecordSize, 51));
    writeFile(m_folder + QStringLiteral("Storico_Automezzi.pro"), noise(TEventoVeicolo::RecordSize, 52));
    writeFile(m_folder + QStringLiteral("Costi_Veicolo_1.pro"), noise(TCostoVeicolo::RecordSize, 53));
    QVERIFY(QDir(m_folder).mkpath(QStringLiteral("Autoparco")));
    writeFile(m_folder + QStringLiteral("Autoparco/Scheda_Veicolo_1.jpg"), noise(300, 54));
    const QMap<QString, QByteArray> later = stateOf(m_folder);

    const BackupRestore::Result restored = restore(made.path);
    QVERIFY2(restored.restored(), qPrintable(restored.error));
    QCOMPARE(stateOf(m_folder), before);
    QVERIFY(restore(restored.safetyBackup).restored());
    QCOMPARE(stateOf(m_folder), later);
}

void tst_Backup::refusedZipChangesNothing_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("why"); // a part of the reason, where the shape has one cause only
    QTest::newRow("truncated") << QStringLiteral("truncated") << QString();
    QTest::newRow("not a zip") << QStringLiteral("not a zip") << QString();
    QTest::newRow("another program's") << QStringLiteral("another program") << QString();
    QTest::newRow("../x") << QStringLiteral("../x") << QString();
    QTest::newRow("/etc/x") << QStringLiteral("/etc/x") << QString();
    QTest::newRow("Autoparco/../x") << QStringLiteral("Autoparco/../x") << QString();
    QTest::newRow("link") << QStringLiteral("link") << QString();
    QTest::newRow("wrong CRC") << QStringLiteral("crc") << QString();
    QTest::newRow("archive not whole records") << QStringLiteral("archive size") << QString();
    QTest::newRow("cost file not whole records") << QStringLiteral("cost size") << QString();
    QTest::newRow("empty ZIP") << QStringLiteral("empty") << QStringLiteral("nothing in it");
    // Each would fail part-way through the moves, or fill the disk, if it got that far.
    const QString clash = QStringLiteral("a file and a folder of one name");
    QTest::newRow("file a and folder a/") << QStringLiteral("file and folder") << clash;
    QTest::newRow("folder a/ and file a") << QStringLiteral("folder and file") << clash;
    QTest::newRow("file a and a/b, case apart") << QStringLiteral("file and folder, case") << clash;
    QTest::newRow("attachment declaring 3 GiB") << QStringLiteral("3 GiB attachment") << QStringLiteral("over 2 GiB");
    QTest::newRow("archive declaring 3.37 GB") << QStringLiteral("3.37 GB archive") << QStringLiteral("over 2 GiB");
    QTest::newRow("attachment longer than declared") << QStringLiteral("long attachment") << QString();
}

void tst_Backup::refusedZipChangesNothing()
{
    QFETCH(QString, shape);
    QFETCH(QString, why);
    const QString zipPath = m_dir->path() + QStringLiteral("/scelto.zip");
    const QByteArray archive = noise(2 * TSchedaVeicolo::RecordSize, 20);
    const RawEntry archiveEntry{"Parco_Automezzi.pro", archive};
    if (shape == QLatin1String("truncated") || shape == QLatin1String("crc")) {
        const BackupWriter::Result made = backUp(Taken.addDays(-1));
        QVERIFY(made.made());
        QByteArray bytes = readFile(made.path);
        QFile::remove(made.path);
        if (shape == QLatin1String("truncated")) {
            bytes.truncate(bytes.size() / 2);
        } else {
            // The photo is stored as it is, so its bytes can be found and spoiled in place.
            const qsizetype at = bytes.indexOf(noise(20000, 4).mid(100, 64));
            QVERIFY(at > 0);
            bytes[at] = static_cast<char>(bytes.at(at) ^ 0x01);
        }
        writeFile(zipPath, bytes);
    } else if (shape == QLatin1String("not a zip")) {
        writeFile(zipPath, QByteArray("PK\x03\x04 nothing more"));
    } else if (shape == QLatin1String("another program")) {
        writeRawZip(zipPath, {{"readme.txt", "ciao"}, {"data/table.db", noise(100, 1)}});
    } else if (shape == QLatin1String("link")) {
        writeRawZip(zipPath, {archiveEntry, {"Autoparco/Scheda_Veicolo_1.jpg", "/etc/passwd", true}});
    } else if (shape == QLatin1String("archive size")) {
        writeRawZip(zipPath, {{"Parco_Automezzi.pro", noise(TSchedaVeicolo::RecordSize + 1, 2)}});
    } else if (shape == QLatin1String("cost size")) {
        writeRawZip(zipPath, {archiveEntry, {"Costi_Veicolo_1.pro", noise(TCostoVeicolo::RecordSize - 1, 3)}});
    } else if (shape == QLatin1String("empty")) {
        // libzip writes no file for an empty archive: the end of the central directory alone.
        writeFile(zipPath, QByteArray("PK\x05\x06") + QByteArray(18, '\0'));
    } else if (shape == QLatin1String("file and folder")) {
        writeRawZip(zipPath, {archiveEntry, {"Autoparco/a", "file"}, {"Autoparco/a/b", "in the folder"}});
    } else if (shape == QLatin1String("folder and file")) {
        writeRawZip(zipPath, {archiveEntry, {"Autoparco/a/", ""}, {"Autoparco/a", "file"}});
    } else if (shape == QLatin1String("file and folder, case")) {
        writeRawZip(zipPath,
                    {archiveEntry, {"Documenti_Allegati/Verbali", "file"}, {"Documenti_Allegati/verbali/b", "x"}});
    } else if (shape == QLatin1String("3 GiB attachment")) {
        writeRawZip(zipPath, {archiveEntry, {"Documenti_Allegati/zeri.bin", QByteArray(100000, '\0')}});
        declareSize(zipPath, "Documenti_Allegati/zeri.bin", 3u << 30);
    } else if (shape == QLatin1String("3.37 GB archive")) {
        writeRawZip(zipPath, {{"Parco_Automezzi.pro", QByteArray(TSchedaVeicolo::RecordSize, '\0')}});
        declareSize(zipPath, "Parco_Automezzi.pro", 1000000u * TSchedaVeicolo::RecordSize);
    } else if (shape == QLatin1String("long attachment")) {
        writeRawZip(zipPath, {archiveEntry, {"Documenti_Allegati/zeri.bin", QByteArray(300000, '\0')}});
        declareSize(zipPath, "Documenti_Allegati/zeri.bin", 1000);
    } else {
        writeRawZip(zipPath, {archiveEntry, {shape.toUtf8(), "fuori"}});
    }
    const QMap<QString, QByteArray> before = stateOf(m_folder);
    const QStringList backupsBefore = BackupName::listIn(backupFolder());

    const BackupRestore::Result result = restore(zipPath);
    QCOMPARE(result.outcome, BackupRestore::Result::Outcome::NotABackup);
    QVERIFY2(result.error.contains(why), qPrintable(result.error));
    QCOMPARE(stateOf(m_folder), before);
    QCOMPARE(BackupName::listIn(backupFolder()), backupsBefore);
    QVERIFY(!QFile::exists(m_dir->path() + QStringLiteral("/x")));
    QVERIFY(!stagingLeftIn(m_folder));
}

// The entries' declared sizes must fit in the free space less the spare; the free space
// comes from the test, so that a large disk needs no large ZIP.
void tst_Backup::restoreNeedsRoomOnDisk_data()
{
    QTest::addColumn<qint64>("beyondNeeded");
    QTest::addColumn<bool>("restores");
    QTest::newRow("room and the spare left") << qint64(0) << true;
    QTest::newRow("one byte short") << qint64(-1) << false;
    QTest::newRow("nothing free") << qint64(-BackupCheck::SpareSpace) << false;
}

void tst_Backup::restoreNeedsRoomOnDisk()
{
    QFETCH(qint64, beyondNeeded);
    QFETCH(bool, restores);
    const BackupWriter::Result made = backUp();
    QVERIFY(made.made());
    const qint64 needed = BackupCheck::neededSpace(Zip::Reader(made.path).entries());
    QVERIFY(needed > 3 * TSchedaVeicolo::RecordSize);
    writeFile(m_folder + QStringLiteral("Parco_Automezzi.pro"), noise(TSchedaVeicolo::RecordSize, 31));
    const QMap<QString, QByteArray> before = stateOf(m_folder);
    const QStringList backupsBefore = BackupName::listIn(backupFolder());

    QString askedAbout;
    BackupRestore::setFreeSpaceForTesting([&](const QString& folder) {
        askedAbout = folder;
        return needed + BackupCheck::SpareSpace + beyondNeeded;
    });
    const BackupRestore::Result result = restore(made.path);
    QCOMPARE(askedAbout, m_folder);
    if (restores) {
        QVERIFY2(result.restored(), qPrintable(result.error));
        QCOMPARE(readFile(m_folder + QStringLiteral("Parco_Automezzi.pro")), noise(3 * TSchedaVeicolo::RecordSize, 1));
    } else {
        QCOMPARE(result.outcome, BackupRestore::Result::Outcome::NoSpace);
        QVERIFY2(result.error.contains(QString::number(needed)), qPrintable(result.error));
        QCOMPARE(stateOf(m_folder), before);
        // Refused before anything is written: not even the safety backup.
        QCOMPARE(BackupName::listIn(backupFolder()), backupsBefore);
    }
    QVERIFY(!stagingLeftIn(m_folder));
}

// Failures after the safety backup but before the first move: everything was staged, and the
// program folder stays byte for byte as it was.
void tst_Backup::failedStagingChangesNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("a folder where the backup has a file") << QStringLiteral("folder in the way");
    QTest::newRow("cancelled while staging") << QStringLiteral("cancelled");
}

void tst_Backup::failedStagingChangesNothing()
{
    QFETCH(QString, fault);
    const BackupWriter::Result made = backUp();
    QVERIFY(made.made());
    writeFile(m_folder + QStringLiteral("Parco_Automezzi.pro"), noise(TSchedaVeicolo::RecordSize, 32));
    writeFile(m_folder + QStringLiteral("Costi_Veicolo_1.pro"), noise(TCostoVeicolo::RecordSize, 33));
    bool cancel = false;
    if (fault == QLatin1String("folder in the way")) {
        // The photo's name is now a folder, whose file the restore would remove; the folder
        // itself would stay in the way of the photo's move.
        QVERIFY(QFile::remove(m_folder + QStringLiteral("Autoparco/Scheda_Veicolo_3.jpg")));
        QVERIFY(QDir(m_folder).mkpath(QStringLiteral("Autoparco/Scheda_Veicolo_3.jpg")));
        writeFile(m_folder + QStringLiteral("Autoparco/Scheda_Veicolo_3.jpg/dentro.jpg"), noise(100, 34));
    }
    const QMap<QString, QByteArray> before = stateOf(m_folder);

    const BackupRestore::Result result =
        BackupRestore::restore({made.path, m_folder, backupFolder(), Taken.addSecs(3600),
                                [&](double) { cancel = fault == QLatin1String("cancelled"); }, [&] { return cancel; }});
    if (fault == QLatin1String("cancelled")) {
        QCOMPARE(result.outcome, BackupRestore::Result::Outcome::Cancelled);
    } else {
        QCOMPARE(result.outcome, BackupRestore::Result::Outcome::WriteFailed);
        QVERIFY2(result.error.contains(QStringLiteral("Autoparco/Scheda_Veicolo_3.jpg")), qPrintable(result.error));
    }
    QVERIFY(QFile::exists(result.safetyBackup));
    QCOMPARE(stateOf(m_folder), before);
    QVERIFY(!stagingLeftIn(m_folder));
}

void tst_Backup::failedSafetyBackupRestoresNothing()
{
    const BackupWriter::Result made = backUp();
    QVERIFY(made.made());
    writeFile(m_folder + QStringLiteral("Parco_Automezzi.pro"), noise(TSchedaVeicolo::RecordSize, 30));
    const QMap<QString, QByteArray> before = stateOf(m_folder);

    // The safety backup has nowhere to go: its folder is a file.
    QTemporaryDir elsewhere;
    const QString blocked = elsewhere.path() + QStringLiteral("/bloccata");
    writeFile(blocked, "file");
    const BackupRestore::Result result =
        BackupRestore::restore({made.path, m_folder, blocked + QLatin1Char('/'), Taken.addSecs(60), {}, {}});
    QCOMPARE(result.outcome, BackupRestore::Result::Outcome::SafetyBackupFailed);
    QCOMPARE(stateOf(m_folder), before);
}

void tst_Backup::failedBackupLeavesNoFile_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("needsUser");
    QTest::newRow("backup folder is a file") << QStringLiteral("folder is a file") << false;
    QTest::newRow("read-only backup folder") << QStringLiteral("read-only") << true;
    QTest::newRow("unreadable photo") << QStringLiteral("unreadable") << true;
    QTest::newRow("unreadable archive") << QStringLiteral("unreadable archive") << true;
    QTest::newRow("written ZIP spoiled before the check") << QStringLiteral("spoiled") << false;
    QTest::newRow("cancelled") << QStringLiteral("cancelled") << false;
}

void tst_Backup::failedBackupLeavesNoFile()
{
    QFETCH(QString, fault);
    QFETCH(bool, needsUser);
    if (needsUser && FileTest::runningAsRoot())
        QSKIP("root ignores file permissions");
    const BackupWriter::Result older = backUp(Taken.addDays(-1));
    QVERIFY(older.made());
    const QByteArray olderBytes = readFile(older.path);
    const QMap<QString, QByteArray> before = stateOf(m_folder);

    QString folder = backupFolder();
    bool cancel = false;
    const QString unreadable =
        m_folder + (fault == QLatin1String("unreadable archive") ? QStringLiteral("Parco_Automezzi.pro")
                                                                 : QStringLiteral("Autoparco/Scheda_Veicolo_1.jpg"));
    QTemporaryDir elsewhere;
    if (fault == QLatin1String("folder is a file")) {
        folder = elsewhere.path() + QStringLiteral("/bloccata/");
        writeFile(elsewhere.path() + QStringLiteral("/bloccata"), "file");
    } else if (fault == QLatin1String("read-only")) {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    } else if (fault.startsWith(QLatin1String("unreadable"))) {
        QFile::setPermissions(unreadable, QFileDevice::WriteOwner);
    } else if (fault == QLatin1String("spoiled")) {
        BackupWriter::setAfterCloseForTesting([](const QString& path) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.resize(file.size() - 10);
        });
    } else {
        cancel = true;
    }
    const BackupWriter::Result result = BackupWriter::make({m_folder, folder, Taken, {}, [cancel] { return cancel; }});
    BackupWriter::setAfterCloseForTesting({});
    QFile::setPermissions(backupFolder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(result.outcome, cancel ? BackupWriter::Result::Outcome::Cancelled : BackupWriter::Result::Outcome::Failed);
    QCOMPARE(QDir(backupFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(older.path).fileName()});
    QCOMPARE(readFile(older.path), olderBytes);
    QFile::setPermissions(unreadable, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(stateOf(m_folder), before);
}

void tst_Backup::fullDiskLeavesOlderBackups()
{
    QDir().mkpath(backupFolder());
    SmallDisk disk(backupFolder());
    if (!disk.mounted())
        QSKIP("a small file system needs root");
    const QString older = backupFolder() + QStringLiteral("Corvanta_2026-12-01_080000.zip");
    writeFile(older, "older backup");
    // Far more than 64 KiB of bytes that do not compress.
    writeFile(m_folder + QStringLiteral("Autoparco/Scheda_Veicolo_2.jpg"), noise(200000, 40));
    const BackupWriter::Result result = backUp();
    QCOMPARE(result.outcome, BackupWriter::Result::Outcome::Failed);
    QCOMPARE(QDir(backupFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(older).fileName()});
    QCOMPARE(readFile(older), QByteArray("older backup"));
}

void tst_Backup::secondBackupAtOnceIsBusy()
{
    QSemaphore started;
    QSemaphore release;
    BackupWriter::Result first;
    QThread* running = QThread::create([&] {
        bool told = false;
        first = BackupWriter::make({m_folder,
                                    backupFolder(),
                                    Taken,
                                    [&](double) {
                                        if (!told) {
                                            told = true;
                                            started.release();
                                            release.acquire();
                                        }
                                    },
                                    {}});
    });
    running->start();
    started.acquire();
    const BackupWriter::Result second = backUp(Taken.addSecs(5));
    release.release();
    running->wait();
    delete running;
    QCOMPARE(second.outcome, BackupWriter::Result::Outcome::Busy);
    QVERIFY(first.made());
    QCOMPARE(BackupName::listIn(backupFolder()), texts({"Corvanta_2026-12-10_083000.zip"}));
}

void tst_Backup::takenNameMovesToTheNextSecond()
{
    QVERIFY(backUp().made());
    const BackupWriter::Result again = backUp();
    QVERIFY(again.made());
    QCOMPARE(BackupName::listIn(backupFolder()),
             (texts({"Corvanta_2026-12-10_083001.zip", "Corvanta_2026-12-10_083000.zip"})));
}

void tst_Backup::rotationKeepsNewestAndMonthly()
{
    // 40 names: 20 daily ones up to today, then two a month back to January 2025.
    const QDate today(2026, 12, 10);
    QStringList names;
    for (int day = 0; day < 20; ++day)
        names << BackupName::of(QDateTime(today.addDays(-day), QTime(9, 0, 0)));
    for (int month = 1; names.size() < 40; ++month) {
        const QDate first = QDate(2026, 11, 1).addMonths(-month);
        names << BackupName::of(QDateTime(first.addDays(3), QTime(9, 0, 0)))
              << BackupName::of(QDateTime(first.addDays(20), QTime(18, 0, 0)));
    }
    QCOMPARE(names.size(), 40);

    QStringList kept = names;
    for (const QString& doomed : BackupRotation::toDelete(names, today))
        kept.removeOne(doomed);
    std::sort(kept.begin(), kept.end(), std::greater<QString>());

    QStringList expected;
    for (int day = 0; day < 14; ++day)
        expected << BackupName::of(QDateTime(today.addDays(-day), QTime(9, 0, 0)));
    // The daily run reaches back into November 2026, whose newest is among the 14 already;
    // from October 2026 back to January 2026 the month's newest stays.
    for (int month = 1; month <= 10; ++month)
        expected << BackupName::of(QDateTime(QDate(2026, 11, 1).addMonths(-month).addDays(20), QTime(18, 0, 0)));
    QCOMPARE(kept, expected);
}

void tst_Backup::rotationDeletesOnlyBackupNames()
{
    const QString folder = backupFolder();
    QDir().mkpath(folder);
    const QStringList others = texts({"Corvanta_vecchia.zip", "note.txt", "Corvanta_2020-01-01_000000.zip.tmp"});
    for (const QString& name : others)
        writeFile(folder + name, "x");
    for (int i = 0; i < 16; ++i)
        writeFile(folder + BackupName::of(QDateTime(QDate(2020, 1, 1).addDays(i), QTime(0, 0))), "x");
    QVERIFY(BackupRotation::rotate(folder, QDate(2026, 12, 10)).isEmpty());
    QCOMPARE(BackupName::listIn(folder).size(), BackupRotation::NewestKept);
    for (const QString& name : others)
        QVERIFY(QFile::exists(folder + name));
}

void tst_Backup::restoreQuestionCountsTheCards_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("backup");
    QTest::addColumn<bool>("warned");
    QTest::newRow("fewer in the backup") << 5 << 2 << true;
    QTest::newRow("as many") << 3 << 3 << false;
    QTest::newRow("more in the backup") << 0 << 4 << false;
}

void tst_Backup::restoreQuestionCountsTheCards()
{
    QFETCH(int, current);
    QFETCH(int, backup);
    QFETCH(bool, warned);
    const QString question = BackupMessages::restoreQuestion(QDateTime({2026, 12, 10}, {8, 5}), current, backup);
    const QString asked = QStringLiteral("Ripristinare la copia del 10/12/2026 08:05?\n\rI dati attuali verranno "
                                         "prima salvati in una nuova copia di sicurezza.\n\rLe %1 schede attuali "
                                         "verranno sostituite dalle %2 schede della copia.")
                              .arg(current)
                              .arg(backup);
    QCOMPARE(question, warned ? QStringLiteral("Attenzione: ") + asked : asked);
}

void tst_Backup::noticeSaysWhatIsWrong_data()
{
    QTest::addColumn<bool>("failed");
    QTest::addColumn<bool>("vehicle");
    QTest::addColumn<QDate>("lastCopy");
    QTest::addColumn<QString>("text");
    const QDate today(2026, 12, 10);
    const QString none = BackupMessages::noExternalCopyNotice();
    QTest::newRow("never copied") << false << true << QDate() << none;
    QTest::newRow("copied 31 days ago") << false << true << today.addDays(-31) << none;
    QTest::newRow("copied 30 days ago") << false << true << today.addDays(-30) << QString();
    QTest::newRow("empty archive") << false << false << QDate() << QString();
    QTest::newRow("automatic backup failed") << true << true << today << BackupMessages::automaticFailedNotice();
    QTest::newRow("failure goes first") << true << true << QDate() << BackupMessages::automaticFailedNotice();
}

void tst_Backup::noticeSaysWhatIsWrong()
{
    QFETCH(bool, failed);
    QFETCH(bool, vehicle);
    QFETCH(QDate, lastCopy);
    QFETCH(QString, text);
    QCOMPARE(BackupMessages::notice(failed, vehicle, lastCopy, QDate(2026, 12, 10)), text);
}

QTEST_GUILESS_MAIN(tst_Backup)
#include "tst_backup.moc"

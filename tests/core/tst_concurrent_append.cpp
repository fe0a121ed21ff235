#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"
#include "history/HistoryFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

// Two programs appending to one archive, one cost file or the history on a shared folder
// must never take the same index, nor put one's records among the other's.
class tst_ConcurrentAppend : public QObject {
    Q_OBJECT

private slots:
    void twoProgramsLoseNoVehicle_data();
    void twoProgramsLoseNoVehicle();
    void confirmSeesTheBytesStoredNow();
    void heldLockIsWaitedFor_data();
    void heldLockIsWaitedFor();
    void oneProgramsCommandsExcludeEachOther();
};

void tst_ConcurrentAppend::twoProgramsLoseNoVehicle_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("archive") << QString();
    QTest::newRow("cost file") << QStringLiteral("--costs");
    QTest::newRow("history") << QStringLiteral("--history");
}

void tst_ConcurrentAppend::twoProgramsLoseNoVehicle()
{
    QFETCH(QString, option);
    const bool costs = option == QLatin1String("--costs");
    const bool history = option == QLatin1String("--history");
    constexpr int PerProgram = 1000;
    const QStringList tags = {QStringLiteral("A"), QStringLiteral("B")};

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path() + QLatin1Char('/');

    std::vector<std::unique_ptr<QProcess>> programs;
    for (const QString& tag : tags) {
        auto program = std::make_unique<QProcess>();
        program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList arguments = {folder, tag, QString::number(PerProgram), QStringLiteral("--wait")};
        if (!option.isEmpty())
            arguments << option;
        program->start(QStringLiteral(CORVANTA_ARCHIVE_APPENDER), arguments);
        programs.push_back(std::move(program));
    }
    // Released together once all are up, so their appends overlap for the whole run.
    for (const auto& program : programs) {
        while (!program->canReadLine())
            QVERIFY2(program->waitForReadyRead(30000), qPrintable(program->errorString()));
        QCOMPARE(program->readLine().trimmed(), QByteArray("ready"));
    }
    // QProcess writes only while waiting, so flush each at once rather than in turn.
    for (const auto& program : programs) {
        program->write("go\n");
        QVERIFY(program->waitForBytesWritten(30000));
    }
    for (const auto& program : programs) {
        QVERIFY2(program->waitForFinished(100000), qPrintable(program->errorString()));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
    }

    const int total = PerProgram * int(tags.size());
    QHash<QString, int> seen;
    if (history) {
        // Each command's two events lie side by side.
        QCOMPARE(QFileInfo(folder + HistoryFile::fileName()).size(), qint64(total) * 2 * TEventoVeicolo::RecordSize);
        HistoryFile file(folder);
        QCOMPARE(file.count(), total * 2);
        for (int i = 0; i < total; ++i) {
            const QString first = file.readNext().Nota;
            const QString second = file.readNext().Nota;
            QVERIFY2(first.endsWith(QLatin1String("-a")), qPrintable(first));
            QCOMPARE(second, first.chopped(1) + QLatin1Char('b'));
            ++seen[first.chopped(2)];
        }
        file.close();
    } else if (costs) {
        QCOMPARE(QFileInfo(folder + CostFile::fileName(1)).size(), qint64(total) * TCostoVeicolo::RecordSize);
        CostFile file(folder, 1);
        QCOMPARE(file.count(), total);
        for (int i = 0; i < total; ++i)
            ++seen[file.readNext().Causale];
        file.close();
    } else {
        QCOMPARE(QFileInfo(folder + VehicleArchive::fileName()).size(), qint64(total) * TSchedaVeicolo::RecordSize);
        VehicleArchive archive(folder);
        QCOMPARE(archive.count(), total);
        for (int i = 0; i < total; ++i)
            ++seen[archive.readNext().Tipo];
        archive.close();
    }

    for (const QString& tag : tags) {
        for (int i = 0; i < PerProgram; ++i) {
            const QString tipo = tag + QLatin1Char('-') + QString::number(i);
            QVERIFY2(seen.value(tipo) == 1,
                     qPrintable(tipo + QStringLiteral(" appears %1 times").arg(seen.value(tipo))));
        }
    }
}

namespace {

// Another program on the folder, run to its end.
void runRecordWriter(const QStringList& arguments)
{
    QProcess writer;
    writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writer.start(QStringLiteral(CORVANTA_RECORD_WRITER), arguments);
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitCode(), 0);
}

} // namespace

// The check of an overwrite sees another program's write, also one in the unused bytes,
// and a declined overwrite writes nothing.
void tst_ConcurrentAppend::confirmSeesTheBytesStoredNow()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    TSchedaVeicolo record;
    record.Tipo = QStringLiteral("Furgone");
    {
        VehicleArchive archive(folder);
        archive.append(record);
        archive.close();
    }
    VehicleArchive archive(folder);
    const QByteArray shown = archive.records().readAt(0);
    runRecordWriter({folder, QStringLiteral("padding"), QStringLiteral("1")});
    QByteArray seen;
    const QByteArray mine = encodeRecord(record);
    QVERIFY(!archive.records().overwriteConfirmed(0, mine, [&seen](const QByteArray& now) {
        seen = now;
        return false;
    }));
    QVERIFY(seen != shown);
    QCOMPARE(decodeRecord<TSchedaVeicolo>(seen).Tipo, record.Tipo); // the texts alone look the same
    QCOMPARE(archive.records().readAt(0), seen);                    // declined: nothing written
    QVERIFY(archive.records().overwriteConfirmed(0, mine, [](const QByteArray&) { return true; }));
    QCOMPARE(archive.records().readAt(0), mine);
    archive.close();
}

void tst_ConcurrentAppend::heldLockIsWaitedFor_data()
{
    QTest::addColumn<int>("heldMs");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("wholeCopy");
    QTest::newRow("released within the wait") << 600 << true << false;
    QTest::newRow("held beyond the wait") << 4000 << false << false;
    // The backup's copy of the whole file waits for the same lock, so it never sees half a save.
    QTest::newRow("whole copy, released within the wait") << 600 << true << true;
    QTest::newRow("whole copy, held beyond the wait") << 4000 << false << true;
}

// A writer waits for another program's lock, tells that it is busy once the wait is long,
// and fails, rather than freezing, when the lock is held beyond the wait.
void tst_ConcurrentAppend::heldLockIsWaitedFor()
{
    QFETCH(int, heldMs);
    QFETCH(bool, written);
    QFETCH(bool, wholeCopy);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    {
        VehicleArchive archive(folder);
        archive.append(TSchedaVeicolo());
        archive.close();
    }
    QStringList told;
    FixedRecordFile::setLockPatience({200, 1500});
    FixedRecordFile::setLockWaitObserver([&told](FixedRecordFile::LockWait wait) {
        if (wait != FixedRecordFile::LockWait::StillWaiting)
            told << (wait == FixedRecordFile::LockWait::Started ? QStringLiteral("busy") : QStringLiteral("done"));
    });

    QProcess holder;
    holder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    holder.start(QStringLiteral(CORVANTA_RECORD_WRITER), {folder, QStringLiteral("hold"), QString::number(heldMs)});
    while (!holder.canReadLine())
        QVERIFY(holder.waitForReadyRead(30000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

    bool appended = false;
    QByteArray copied;
    try {
        VehicleArchive archive(folder);
        if (wholeCopy)
            archive.records().readAllUnderLock(
                [&copied](const char* bytes, qint64 size) { copied.append(bytes, size); }, 1000);
        else
            archive.append(TSchedaVeicolo());
        archive.close();
        appended = true;
    } catch (const FileAccessError&) {
    }
    if (wholeCopy && appended) {
        QFile stored(folder + QStringLiteral("Parco_Automezzi.pro"));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(copied, stored.readAll());
    }
    FixedRecordFile::setLockWaitObserver({});
    FixedRecordFile::setLockPatience({});
    QVERIFY(holder.waitForFinished(30000));
    QCOMPARE(appended, written);
    QCOMPARE(told, (QStringList{QStringLiteral("busy"), QStringLiteral("done")}));
}

// Two commands of one program, such as a save and the background backup, take the lock
// from each other as two programs do.
void tst_ConcurrentAppend::oneProgramsCommandsExcludeEachOther()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    VehicleArchive holder(folder);
    holder.append(TSchedaVeicolo());
    FixedRecordFile::setLockPatience({50, 300});
    bool secondWrote = true;
    holder.records().overwriteConfirmed(0, holder.records().readAt(0), [&](const QByteArray&) {
        try {
            VehicleArchive second(folder);
            second.append(TSchedaVeicolo());
            second.close();
        } catch (const FileAccessError&) {
            secondWrote = false;
        }
        return false;
    });
    FixedRecordFile::setLockPatience({});
    holder.close();
    QVERIFY(!secondWrote);
}

QTEST_GUILESS_MAIN(tst_ConcurrentAppend)
#include "tst_concurrent_append.moc"

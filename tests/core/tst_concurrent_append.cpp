#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"

#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

// Two programs appending to one archive, or to one cost file, on a shared folder must
// never take the same index.
class tst_ConcurrentAppend : public QObject {
    Q_OBJECT

private slots:
    void twoProgramsLoseNoVehicle_data();
    void twoProgramsLoseNoVehicle();
};

void tst_ConcurrentAppend::twoProgramsLoseNoVehicle_data()
{
    QTest::addColumn<bool>("costs");
    QTest::newRow("archive") << false;
    QTest::newRow("cost file") << true;
}

void tst_ConcurrentAppend::twoProgramsLoseNoVehicle()
{
    QFETCH(bool, costs);
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
        if (costs)
            arguments << QStringLiteral("--costs");
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
    if (costs) {
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

QTEST_GUILESS_MAIN(tst_ConcurrentAppend)
#include "tst_concurrent_append.moc"

// The backups as the clerk meets them: the day's automatic backup behind the launcher, its
// notice, and the backups window's copy, copy to another disk and restore.
#include "FakePlatform.h"
#include "WindowTest.h"

#include "app/AppWindows.h"
#include "app/TfrmAvvio.h"
#include "archive/TSchedaVeicolo.h"
#include "backup/BackupCopy.h"
#include "backup/BackupMessages.h"
#include "backup/BackupName.h"
#include "backup/BackupSettings.h"
#include "backup/TfrmCopieSicurezza.h"
#include "widgets/LineList.h"
#include "widgets/TextLink.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString backupFolder(const FakePlatform& platform)
{
    return BackupName::folderIn(platform.folder());
}

void writeArchive(const FakePlatform& platform, int records, char fill)
{
    QVERIFY(Gui::writeFile(platform.archivePath(), QByteArray(records * TSchedaVeicolo::RecordSize, fill)));
}

TextLink* notice(const AppWindows& windows)
{
    return windows.frmAvvio()->findChild<TextLink*>(QStringLiteral("lblAvvisoCopie"));
}

// Waits for the backups window's background work to end.
bool idle(const QWidget* window)
{
    const auto* backups = qobject_cast<const TfrmCopieSicurezza*>(window);
    return backups && QTest::qWaitFor([backups] { return !backups->isWorking(); }, 10000);
}

// The files of folder that are not listed backups: what a stopped run would leave.
QStringList temporaryFiles(const QString& folder)
{
    QStringList others = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& backup : BackupName::listIn(folder))
        others.removeOne(backup);
    return others;
}

// The name of a backup made at the fake platform's now(), 10/12/2026 10:30:00, and of one
// made a second later in the same minute, when that name is taken.
// A folder on another device than the temporary program folder: /dev/shm is a memory
// disk of its own wherever it is mounted.
QString otherDiskTemplate()
{
    return QStringLiteral("/dev/shm/corvanta-XXXXXX");
}

const QString Now = QStringLiteral("Corvanta_2026-12-10_103000.zip");
const QString SecondLater = QStringLiteral("Corvanta_2026-12-10_103001.zip");

} // namespace

class tst_GuiBackups : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void launcherMakesOneBackupADay();
    void noticeSaysWhenCopiesAreOld_data();
    void noticeSaysWhenCopiesAreOld();
    void closingStopsTheBackupCleanly();
    void copyNowThenRestore();
    void copyToAnotherDiskIsRemembered();
    void copyOntoTheProgramDiskIsRefused_data();
    void copyOntoTheProgramDiskIsRefused();
    void openedZipThatIsNoBackupChangesNothing();
    void backupDeletedWhileListed();
};

void tst_GuiBackups::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_GuiBackups::launcherMakesOneBackupADay()
{
    FakePlatform platform;
    writeArchive(platform, 2, 'a');
    AppWindows windows;
    windows.showLauncher();
    QTRY_COMPARE(BackupName::listIn(backupFolder(platform)).size(), 1);
    QTRY_VERIFY(!windows.frmAvvio()->findChild<QProgressBar*>(QStringLiteral("prgCopiaAutomatica"))->isVisible());
    QCOMPARE(BackupName::listIn(backupFolder(platform)), QStringList{Now});

    // Back from the card, the same day: no second backup.
    windows.frmAvvio()->hide();
    windows.showLauncher();
    QTest::qWait(100);
    QCOMPARE(BackupName::listIn(backupFolder(platform)).size(), 1);
}

void tst_GuiBackups::noticeSaysWhenCopiesAreOld_data()
{
    QTest::addColumn<int>("vehicles");
    QTest::addColumn<int>("daysSinceExternalCopy"); // -1: never
    QTest::addColumn<bool>("blockBackups");
    QTest::addColumn<QString>("text");
    const QString old = BackupMessages::noExternalCopyNotice();
    QTest::newRow("never copied elsewhere") << 1 << -1 << false << old;
    QTest::newRow("copied 40 days ago") << 3 << 40 << false << old;
    QTest::newRow("copied last week") << 3 << 7 << false << QString();
    QTest::newRow("no vehicle yet") << 0 << -1 << false << QString();
    QTest::newRow("automatic backup failed") << 1 << 7 << true << BackupMessages::automaticFailedNotice();
}

void tst_GuiBackups::noticeSaysWhenCopiesAreOld()
{
    QFETCH(int, vehicles);
    QFETCH(int, daysSinceExternalCopy);
    QFETCH(bool, blockBackups);
    QFETCH(QString, text);
    FakePlatform platform;
    writeArchive(platform, vehicles, 'b');
    if (daysSinceExternalCopy >= 0)
        BackupSettings::rememberExternalCopy(platform.folder(), QStringLiteral("/media/chiavetta"),
                                             platform.fixedToday.addDays(-daysSinceExternalCopy));
    if (blockBackups) // the backups' folder is a file: every backup fails
        QVERIFY(Gui::writeFile(platform.folder() + QStringLiteral("Copie_di_sicurezza"), "bloccata"));
    AppWindows windows;
    windows.showLauncher();
    QTRY_VERIFY(!windows.frmAvvio()->findChild<QProgressBar*>(QStringLiteral("prgCopiaAutomatica"))->isVisible());
    QTRY_COMPARE(notice(windows)->text(), text);
    QCOMPARE(notice(windows)->isVisible(), !text.isEmpty());
    QVERIFY(platform.messages.isEmpty());

    if (!text.isEmpty()) {
        QString opened;
        Gui::whileModal([&opened](QWidget* modal) { opened = modal ? modal->objectName() : QString(); });
        QTest::mouseClick(notice(windows), Qt::LeftButton);
        QCOMPARE(opened, QStringLiteral("frmCopieSicurezza"));
    }
}

void tst_GuiBackups::closingStopsTheBackupCleanly()
{
    FakePlatform platform;
    // Enough bytes that the backup is still running when the launcher closes.
    writeArchive(platform, 20000, 'c');
    {
        AppWindows windows;
        windows.showLauncher();
        // The backup starts once the launcher has painted.
        QTRY_VERIFY(windows.frmAvvio()->findChild<QProgressBar*>(QStringLiteral("prgCopiaAutomatica"))->value() > 0 ||
                    !BackupName::listIn(backupFolder(platform)).isEmpty());
        windows.frmAvvio()->close();
    }
    QCOMPARE(temporaryFiles(backupFolder(platform)), QStringList());
    QVERIFY(BackupName::listIn(backupFolder(platform)).size() <= 1);
}

void tst_GuiBackups::copyNowThenRestore()
{
    FakePlatform platform;
    writeArchive(platform, 2, 'd');
    TfrmCopieSicurezza window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Gui::pushButton(&window, "btnCopiaOra")->click();
    QVERIFY(idle(&window));
    QCOMPARE(window.listedNames(), QStringList{Now});
    auto* list = window.findChild<LineList*>(QStringLiteral("lstCopie"));
    QCOMPARE(list->count(), 1);
    QVERIFY2(list->line(0).contains(QStringLiteral("2 schede")), qPrintable(list->line(0)));

    writeArchive(platform, 5, 'e');
    list->selectRow(0);
    platform.queueAnswer(Platform::Answer::Yes);
    Gui::pushButton(&window, "btnRipristina")->click();
    QVERIFY(idle(&window));
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages.at(0).kind, Platform::MessageKind::CarefulQuestion);
    QCOMPARE(platform.messages.at(0).defaultButton, Platform::Answer::No);
    QCOMPARE(platform.messages.at(0).text,
             QStringLiteral("Attenzione: Ripristinare la copia del 10/12/2026 10:30?\n\rI dati attuali verranno prima "
                            "salvati in una nuova copia di sicurezza.\n\rLe 5 schede attuali verranno sostituite "
                            "dalle 2 schede della copia."));
    QCOMPARE(platform.messages.at(1).text, QStringLiteral("Ripristino completato."));
    QCOMPARE(platform.messages.at(1).buttons, QList<Platform::Answer>{Platform::Answer::Ok});
    QCOMPARE(Gui::readFile(platform.archivePath()), QByteArray(2 * TSchedaVeicolo::RecordSize, 'd'));
    // The safety backup, made the same second, is listed beside the restored one and told apart.
    QCOMPARE(window.listedNames(), (QStringList{SecondLater, Now}));
    QVERIFY2(list->line(0).contains(QStringLiteral("5 schede")) &&
                 list->line(0).endsWith(QStringLiteral(" allegati (prima del ripristino)")),
             qPrintable(list->line(0)));
    QVERIFY2(!list->line(1).contains(QStringLiteral("prima del ripristino")), qPrintable(list->line(1)));

    // No, the default, restores nothing; the backup holds more cards, so no "Attenzione: ".
    writeArchive(platform, 1, 'f');
    list->selectRow(1);
    Gui::pushButton(&window, "btnRipristina")->click();
    QVERIFY(idle(&window));
    QCOMPARE(platform.messages.constLast().text,
             QStringLiteral("Ripristinare la copia del 10/12/2026 10:30?\n\rI dati attuali verranno prima salvati in "
                            "una nuova copia di sicurezza.\n\rLe 1 schede attuali verranno sostituite dalle 2 schede "
                            "della copia."));
    QCOMPARE(Gui::readFile(platform.archivePath()), QByteArray(TSchedaVeicolo::RecordSize, 'f'));
}

void tst_GuiBackups::copyToAnotherDiskIsRemembered()
{
    FakePlatform platform;
    writeArchive(platform, 1, 'g');
    QTemporaryDir otherDisk(otherDiskTemplate());
    if (!otherDisk.isValid() || BackupCopy::onProgramDisk(otherDisk.path(), platform.folder()))
        QSKIP("No folder on a device other than the temporary program folder");
    TfrmCopieSicurezza window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    platform.queueFolderName(otherDisk.path());
    Gui::pushButton(&window, "btnCopiaSuDisco")->click();
    QVERIFY(idle(&window));

    // Nothing was selected, so a fresh backup was made and copied.
    QCOMPARE(window.listedNames(), QStringList{Now});
    QCOMPARE(BackupName::listIn(otherDisk.path()), window.listedNames());
    QCOMPARE(Gui::readFile(otherDisk.path() + QLatin1Char('/') + window.listedNames().constFirst()),
             Gui::readFile(backupFolder(platform) + window.listedNames().constFirst()));
    QCOMPARE(BackupSettings::externalFolder(platform.folder()), otherDisk.path());
    QCOMPARE(BackupSettings::lastExternalCopy(platform.folder()), platform.fixedToday);
    QCOMPARE(platform.messages.constLast().kind, Platform::MessageKind::Notice);
    QCOMPARE(platform.messages.constLast().buttons, QList<Platform::Answer>{Platform::Answer::Ok});

    // The dialog opens at the folder remembered.
    platform.queueFolderName(QString());
    Gui::pushButton(&window, "btnCopiaSuDisco")->click();
    QCOMPARE(platform.folderDialogs.constLast().startFolder, otherDisk.path());
}

void tst_GuiBackups::copyOntoTheProgramDiskIsRefused_data()
{
    QTest::addColumn<QString>("inside");

    QTest::newRow("program folder itself") << QString();
    QTest::newRow("folder inside it") << QStringLiteral("chiavetta");
}

// The clerk must not believe a copy sits on another disk: nothing is written, nothing is
// remembered, and the launcher's notice keeps reminding.
void tst_GuiBackups::copyOntoTheProgramDiskIsRefused()
{
    QFETCH(QString, inside);

    FakePlatform platform;
    writeArchive(platform, 1, 'k');
    const QString folder = QDir(platform.folder()).filePath(inside);
    QVERIFY(QDir().mkpath(folder));
    AppWindows windows;
    windows.showLauncher();
    QTRY_VERIFY(!windows.frmAvvio()->findChild<QProgressBar*>(QStringLiteral("prgCopiaAutomatica"))->isVisible());
    const QString noticeBefore = notice(windows)->text();
    QVERIFY(!noticeBefore.isEmpty());

    Gui::whileModal([&](QWidget* window) {
        QVERIFY(window);
        const int listed = qobject_cast<TfrmCopieSicurezza*>(window)->listedNames().size();
        platform.queueFolderName(folder);
        Gui::pushButton(window, "btnCopiaSuDisco")->click();
        QVERIFY(idle(window));
        QCOMPARE(platform.messages.constLast().text,
                 QStringLiteral("Attenzione: la cartella scelta è sullo stesso disco del programma. Scegliere una "
                                "chiavetta USB o un altro disco."));
        QCOMPARE(qobject_cast<TfrmCopieSicurezza*>(window)->listedNames().size(), listed);
        Gui::pushButton(window, "btnChiudi")->click();
    });
    Gui::click(windows.frmAvvio(), "imgCopieSicurezza");
    QVERIFY(BackupName::listIn(folder).isEmpty());
    QVERIFY(!BackupSettings::lastExternalCopy(platform.folder()).isValid());
    QCOMPARE(notice(windows)->text(), noticeBefore);
}

void tst_GuiBackups::openedZipThatIsNoBackupChangesNothing()
{
    FakePlatform platform;
    writeArchive(platform, 1, 'h');
    const QString other = platform.folder() + QStringLiteral("altro.zip");
    QVERIFY(Gui::writeFile(other, "PK\x05\x06 not really"));
    TfrmCopieSicurezza window;
    window.show();
    platform.queueFileName(other);
    platform.queueAnswer(Platform::Answer::Yes);
    Gui::pushButton(&window, "btnApri")->click();
    QVERIFY(idle(&window));
    QCOMPARE(platform.messages.constLast().text,
             QStringLiteral("Attenzione: il file scelto non è una copia di sicurezza valida di Corvanta."));
    QCOMPARE(platform.messages.constLast().kind, Platform::MessageKind::Caution);
    QCOMPARE(platform.messages.constLast().buttons, QList<Platform::Answer>{Platform::Answer::Ok});
    QCOMPARE(Gui::readFile(platform.archivePath()), QByteArray(TSchedaVeicolo::RecordSize, 'h'));
    QVERIFY(BackupName::listIn(backupFolder(platform)).isEmpty());
}

void tst_GuiBackups::backupDeletedWhileListed()
{
    FakePlatform platform;
    writeArchive(platform, 1, 'i');
    TfrmCopieSicurezza window;
    window.show();
    Gui::pushButton(&window, "btnCopiaOra")->click();
    QVERIFY(idle(&window));
    QVERIFY(QFile::remove(backupFolder(platform) + window.listedNames().constFirst()));
    window.findChild<LineList*>(QStringLiteral("lstCopie"))->selectRow(0);
    Gui::pushButton(&window, "btnRipristina")->click();
    QCOMPARE(platform.messages.constLast().text, QStringLiteral("Attenzione: la copia scelta non esiste più."));
    QVERIFY(window.listedNames().isEmpty());
    QCOMPARE(Gui::readFile(platform.archivePath()), QByteArray(TSchedaVeicolo::RecordSize, 'i'));
}

QTEST_MAIN(tst_GuiBackups)
#include "tst_gui_backups.moc"

#include "access/Crypt.h"
#include "access/PasswordFile.h"
#include "files/IniFile.h"

#include "FileTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using PasswordFile::NewPasswordCheck;

namespace {

using FileTest::runningAsRoot;
using FileTest::writeFile;
// "PAROLAINIZIALE" and "NUOVA" scrambled.
const QByteArray FirstHex = QByteArrayLiteral("4321189BC5233140640BC1822CE8");
const QByteArray NuovaHex = QByteArrayLiteral("5D9EF43C36");
const QByteArray Missing = QByteArrayLiteral("<no file>");

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : Missing;
}

} // namespace

class tst_PasswordFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void readStored_data();
    void readStored();
    void storeKeepsEveryOtherLine_data();
    void storeKeepsEveryOtherLine();
    void normalFormChangesOnlyAtoZ_data();
    void normalFormChangesOnlyAtoZ();
    void checkNewPassword_data();
    void checkNewPassword();
    void refusedPasswordIsNotStored();
    void passwordFileThatIsAFolder();
    void programFolderThatCannotHoldFiles();
    void readOnlyPasswordFileKeepsOldPassword();
    void readOnlyProgramFolderKeepsOldPassword();
    void installationLaysFirstPasswordOnlyOnce();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QString m_file;
};

void tst_PasswordFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
    m_file = m_folder + PasswordFile::fileName();
}

void tst_PasswordFile::readStored_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("conversionError");

    const QString first = QStringLiteral("PAROLAINIZIALE");
    QTest::newRow("no file") << Missing << QString() << false;
    QTest::newRow("empty file") << QByteArray() << QString() << false;
    QTest::newRow("as the program writes it") << "[Accesso]\r\nValore=" + FirstHex + "\r\n" << first << false;
    QTest::newRow("section missing") << "[Altro]\r\nValore=" + FirstHex + "\r\n" << QString() << false;
    QTest::newRow("key missing") << QByteArray("[Accesso]\r\nChiave=1\r\n") << QString() << false;
    QTest::newRow("empty value") << QByteArray("[Accesso]\r\nValore=\r\n") << QString() << false;
    QTest::newRow("names in other letter cases") << "[ACCESSO]\r\nvALORE=" + FirstHex + "\r\n" << first << false;
    QTest::newRow("line feeds only, blanks around") << " [ accesso ] \n  valore = " + FirstHex + " \n"
                                                    << first << false;
    QTest::newRow("no line end at the end") << "[Accesso]\r\nValore=" + FirstHex << first << false;
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF[Accesso]\r\nValore=" + FirstHex + "\r\n" << first << false;
    QTest::newRow("lower-case digits") << "[Accesso]\r\nValore=" + FirstHex.toLower() + "\r\n" << first << false;
    QTest::newRow("odd number of digits") << "[Accesso]\r\nValore=" + FirstHex + "7\r\n" << first << false;
    QTest::newRow("other sections and keys around")
        << "; Corvanta\r\nValore=ZZ\r\n[altro]\r\nvalore=ZZ\r\n[Accesso]\r\nChiave=ZZ\r\nValore=" + FirstHex +
               "\r\nvalore=ZZ\r\n[Fine]\r\nValore=ZZ\r\n"
        << first << false;
    QTest::newRow("first of two matching sections")
        << "[accesso]\r\nValore=" + NuovaHex + "\r\n[ACCESSO]\r\nValore=" + FirstHex + "\r\n"
        << QStringLiteral("NUOVA") << false;
    QTest::newRow("key only in a later section") << "[Accesso]\r\n[Fine]\r\nValore=" + FirstHex + "\r\n"
                                                 << QString() << false;
    // Blanks and control characters around the unscrambled password do not count.
    QTest::newRow("blanks around the password")
        << "[Accesso]\r\nValore=" + Crypt::CriptaPassword(QStringLiteral(" \tPAROLA\r ")).toLatin1() + "\r\n"
        << QStringLiteral("PAROLA") << false;
    QTest::newRow("ZZ") << QByteArray("[Accesso]\r\nValore=ZZ\r\n") << QString() << true;
    QTest::newRow("blank inside a pair") << QByteArray("[Accesso]\r\nValore=43 1\r\n") << QString() << true;
}

void tst_PasswordFile::readStored()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, stored);
    QFETCH(bool, conversionError);

    if (content != Missing)
        writeFile(m_file, content);
    if (conversionError)
        QVERIFY_THROWS_EXCEPTION(Crypt::ConversionError, PasswordFile::readStored(m_folder));
    else
        QCOMPARE(PasswordFile::readStored(m_folder), stored);
    QCOMPARE(readFile(m_file), content); // reading never writes
}

void tst_PasswordFile::storeKeepsEveryOtherLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    const QByteArray line = "Valore=" + NuovaHex + "\r\n";
    QTest::newRow("no file") << Missing << "[Accesso]\r\n" + line;
    QTest::newRow("empty file") << QByteArray() << "[Accesso]\r\n" + line;
    QTest::newRow("as the program writes it") << "[Accesso]\r\nValore=" + FirstHex + "\r\n"
                                              << "[Accesso]\r\n" + line;
    QTest::newRow("not hexadecimal before") << QByteArray("[Accesso]\r\nValore=ZZ\r\n") << "[Accesso]\r\n" + line;
    QTest::newRow("other sections, cases and line ends")
        << QByteArray("; commento\n[Altro]\nValore=1\n\n[ACCESSO]\n  VALORE = 00 \nAltra=2\n\n[Fine]\r\nY=\xE8\r\nZ")
        << "; commento\n[Altro]\nValore=1\n\n[ACCESSO]\n" + line + "Altra=2\n\n[Fine]\r\nY=\xE8\r\nZ";
    QTest::newRow("only the first matching key")
        << QByteArray("[Accesso]\r\nValore=00\r\nvalore=11\r\n") << "[Accesso]\r\n" + line + "valore=11\r\n";
    QTest::newRow("key added after the section's last entry")
        << QByteArray("[Accesso]\r\nAltra=1\r\n\r\n[Fine]\r\n") << "[Accesso]\r\nAltra=1\r\n" + line + "\r\n[Fine]\r\n";
    QTest::newRow("key added to a section on the last line")
        << QByteArray("[Altro]\r\nX=1\r\n[accesso]") << "[Altro]\r\nX=1\r\n[accesso]\r\n" + line;
    QTest::newRow("section added to a file without final line end")
        << QByteArray("[Altro]\r\nX=1") << "[Altro]\r\nX=1\r\n[Accesso]\r\n" + line;
    QTest::newRow("key before any section is not the key")
        << QByteArray("Valore=00\r\n") << "Valore=00\r\n[Accesso]\r\n" + line;
}

void tst_PasswordFile::storeKeepsEveryOtherLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    if (before != Missing)
        writeFile(m_file, before);
    PasswordFile::storeNew(m_folder, QStringLiteral("  nuova\t"));
    QCOMPARE(readFile(m_file), after);
    QCOMPARE(PasswordFile::readStored(m_folder), QStringLiteral("NUOVA"));
    QCOMPARE(QDir(m_folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{PasswordFile::fileName()});
}

void tst_PasswordFile::normalFormChangesOnlyAtoZ_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("normal");

    QTest::newRow("lower case and blanks around")
        << QStringLiteral(" \t parolainiziale \r\n") << QStringLiteral("PAROLAINIZIALE");
    QTest::newRow("inner blanks and digits stay") << QStringLiteral("a b\t1") << QStringLiteral("A B\t1");
    QTest::newRow("accented letters keep their case")
        << QStringLiteral("\u00E8t\u00C0") << QStringLiteral("\u00E8T\u00C0");
    QTest::newRow("control characters around") << QStringLiteral("\x01x\x1F") << QStringLiteral("X");
    QTest::newRow("non-breaking space stays") << QStringLiteral("\u00A0x") << QStringLiteral("\u00A0X");
}

void tst_PasswordFile::normalFormChangesOnlyAtoZ()
{
    QFETCH(QString, typed);
    QFETCH(QString, normal);

    QCOMPARE(PasswordFile::normalForm(typed), normal);
    PasswordFile::storeNew(m_folder, typed);
    QCOMPARE(PasswordFile::readStored(m_folder), normal);
}

void tst_PasswordFile::checkNewPassword_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<NewPasswordCheck>("check");

    QTest::newRow("ordinary") << QStringLiteral("Parola Nuova 1") << NewPasswordCheck::Acceptable;
    QTest::newRow("Latin-1 letters and signs")
        << QStringLiteral("\u00E0\u00E8\u00A7\u00B0\u00A3\u00FF") << NewPasswordCheck::Acceptable;
    QTest::newRow("255 characters") << QString(255, QLatin1Char('a')) << NewPasswordCheck::Acceptable;
    QTest::newRow("255 characters with blanks around")
        << QString(20, QLatin1Char(' ')) + QString(255, QLatin1Char('a')) + QString(20, QLatin1Char(' '))
        << NewPasswordCheck::Acceptable;
    QTest::newRow("256 characters") << QString(256, QLatin1Char('a')) << NewPasswordCheck::TooLong;
    QTest::newRow("euro sign") << QStringLiteral("costo\u20AC") << NewPasswordCheck::OutsideLatin1;
    QTest::newRow("Greek letter") << QStringLiteral("\u03C0") << NewPasswordCheck::OutsideLatin1;
    QTest::newRow("outside the basic plane") << QStringLiteral("x\U0001F600") << NewPasswordCheck::OutsideLatin1;
    QTest::newRow("empty") << QString() << NewPasswordCheck::Empty;
    QTest::newRow("blanks and control characters only") << QStringLiteral(" \x01\t ") << NewPasswordCheck::Empty;
}

void tst_PasswordFile::checkNewPassword()
{
    QFETCH(QString, typed);
    QFETCH(NewPasswordCheck, check);

    QCOMPARE(PasswordFile::checkNewPassword(typed), check);
    QCOMPARE(PasswordFile::refusalMessage(check).isEmpty(), check == NewPasswordCheck::Acceptable);
    if (check == NewPasswordCheck::Acceptable) {
        PasswordFile::storeNew(m_folder, typed);
        QCOMPARE(PasswordFile::readStored(m_folder), PasswordFile::normalForm(typed));
    }
}

void tst_PasswordFile::refusedPasswordIsNotStored()
{
    const QByteArray before = "[Accesso]\r\nValore=" + FirstHex + "\r\n";
    writeFile(m_file, before);
    for (const QString& typed : {QString(256, QLatin1Char('a')), QStringLiteral("\u20AC"), QStringLiteral(" ")})
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, PasswordFile::storeNew(m_folder, typed));
    QCOMPARE(readFile(m_file), before);
}

void tst_PasswordFile::passwordFileThatIsAFolder()
{
    QVERIFY(QDir().mkdir(m_file));
    QVERIFY_THROWS_EXCEPTION(IniFileError, PasswordFile::readStored(m_folder));
    QVERIFY_THROWS_EXCEPTION(IniFileError, PasswordFile::storeNew(m_folder, QStringLiteral("nuova")));
    QVERIFY(QFileInfo(m_file).isDir());
    QCOMPARE(QDir(m_folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{PasswordFile::fileName()});
}

void tst_PasswordFile::programFolderThatCannotHoldFiles()
{
    writeFile(m_folder + QStringLiteral("blocco"), "non una cartella");
    const QString folder = m_folder + QStringLiteral("blocco/");
    QCOMPARE(PasswordFile::readStored(folder), QString()); // no file there: empty, as a missing file
    QVERIFY_THROWS_EXCEPTION(IniFileError, PasswordFile::storeNew(folder, QStringLiteral("nuova")));
    QCOMPARE(readFile(m_folder + QStringLiteral("blocco")), QByteArray("non una cartella"));
}

void tst_PasswordFile::readOnlyPasswordFileKeepsOldPassword()
{
    if (runningAsRoot())
        QSKIP("running as root, which writes to read-only files anyway");
    const QByteArray before = "[Accesso]\r\nValore=" + FirstHex + "\r\n";
    writeFile(m_file, before);
    QVERIFY(QFile::setPermissions(m_file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    QCOMPARE(PasswordFile::readStored(m_folder), QStringLiteral("PAROLAINIZIALE"));
    QVERIFY_THROWS_EXCEPTION(IniFileError, PasswordFile::storeNew(m_folder, QStringLiteral("nuova")));
    QCOMPARE(readFile(m_file), before);
}

void tst_PasswordFile::readOnlyProgramFolderKeepsOldPassword()
{
    if (runningAsRoot())
        QSKIP("running as root, which creates files in read-only folders anyway");
    const QString folder = m_folder + QStringLiteral("programma/");
    QVERIFY(QDir().mkdir(folder));
    const QString file = folder + PasswordFile::fileName();
    const QByteArray before = "[Accesso]\r\nValore=" + FirstHex + "\r\n";
    writeFile(file, before);
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    // Writable again afterwards, so the temporary folder can remove itself.
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });

    // The file itself is writable: a write in place would succeed, but the new file is
    // written beside it, which the folder does not allow.
    QVERIFY_THROWS_EXCEPTION(IniFileError, PasswordFile::storeNew(folder, QStringLiteral("nuova")));
    QCOMPARE(readFile(file), before);
    QCOMPARE(PasswordFile::readStored(folder), QStringLiteral("PAROLAINIZIALE"));
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{PasswordFile::fileName()});
}

void tst_PasswordFile::installationLaysFirstPasswordOnlyOnce()
{
    const QString folder = m_folder + QStringLiteral("build/Corvanta/");
    const auto install = [&] { return QProcess::execute(QStringLiteral(CORVANTA_FIRST_PASSWORD), {folder}); };

    QCOMPARE(install(), 0);
    QCOMPARE(readFile(folder + PasswordFile::fileName()), "[Accesso]\r\nValore=" + FirstHex + "\r\n");
    QCOMPARE(PasswordFile::readStored(folder), PasswordFile::normalForm(QStringLiteral("parolainiziale")));

    // A changed password, even one the program could not read, survives the next build.
    PasswordFile::storeNew(folder, QStringLiteral("nuova"));
    QCOMPARE(install(), 0);
    QCOMPARE(PasswordFile::readStored(folder), QStringLiteral("NUOVA"));
    writeFile(folder + PasswordFile::fileName(), "[Accesso]\r\nValore=ZZ\r\n");
    QCOMPARE(install(), 0);
    QCOMPARE(readFile(folder + PasswordFile::fileName()), QByteArray("[Accesso]\r\nValore=ZZ\r\n"));
}

QTEST_GUILESS_MAIN(tst_PasswordFile)
#include "tst_password_file.moc"

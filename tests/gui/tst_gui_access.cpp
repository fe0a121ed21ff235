// The login and change-password windows over a real password file, and the start-up that
// shows the login first.
#include "FakePlatform.h"
#include "SmallDisk.h"
#include "WindowTest.h"

#include "access/PasswordFile.h"
#include "access/TfrmCambiaPassword.h"
#include "access/TfrmPassword.h"
#include "app/AppWindows.h"
#include "app/TfrmAvvio.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <unistd.h>

namespace {

const QString Wrong = QStringLiteral("Plain: Attenzione: password errata.");
const QString ReadFailed = QStringLiteral("Plain: Attenzione: si è verificato un errore durante la procedura di "
                                          "lettura della password. Si consiglia di reinstallare il software.");
const QString ChangeFailed = QStringLiteral("Plain: Attenzione: si è verificato un errore durante la procedura di "
                                            "modifica della password. Si consiglia di reinstallare il software.");
const QString OldWrong = QStringLiteral("Plain: Attenzione: vecchia password errata.");
const QString NotConfirmed = QStringLiteral("Plain: Attenzione: la nuova password non è stata confermata "
                                            "correttamente. E' necessario reinserire entrambi i valori.");
const QString Changed = QStringLiteral("Plain: Modifica della password completata con successo.");

// The program's windows at start, over a password file holding the first password.
struct Program {
    Program()
    {
        PasswordFile::storeNew(platform.folder(), QStringLiteral("parolainiziale"));
        windows.showFirst();
        QVERIFY(QTest::qWaitForWindowActive(windows.frmPassword()));
    }
    QLineEdit* box(const QWidget* window, const char* name) const { return Gui::editBox(window, name); }
    QStringList takeMessages()
    {
        QStringList shown;
        for (const FakePlatform::ShownMessage& message : std::as_const(platform.messages))
            shown << QLatin1String(kindName(message.kind)) + QStringLiteral(": ") + message.text;
        platform.messages.clear();
        return shown;
    }
    void login(const QString& typed)
    {
        QLineEdit* password = box(windows.frmPassword(), "txtPassword");
        Gui::typeInto(password, typed);
        QTest::keyClick(password, Qt::Key_Return);
    }
    // Opens the change window and fills its three boxes.
    void change(const QString& old, const QString& fresh, const QString& confirmation)
    {
        if (!windows.frmCambiaPassword()->isVisible())
            Gui::push(windows.frmPassword(), "btnCambiaPassword");
        TfrmCambiaPassword* window = windows.frmCambiaPassword();
        Gui::typeInto(box(window, "txtPasswordOld"), old);
        Gui::typeInto(box(window, "txtPasswordNew"), fresh);
        Gui::typeInto(box(window, "txtConferma"), confirmation);
        Gui::push(window, "cmdOK");
    }
    QString stored() const { return PasswordFile::readStored(platform.folder()); }

    FakePlatform platform;
    AppWindows windows;
};

} // namespace

class tst_GuiAccess : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startsWithTheLogin();
    void okFollowsTheBox_data();
    void okFollowsTheBox();
    void login_data();
    void login();
    void unreadablePasswordFile();
    void change_data();
    void change();
    void changedPasswordLogsIn();
    void returnWalksTheChangeBoxes();
    void closingTheChangeReturnsToAnEmptyLogin();
    void unwritablePasswordFile();
    void fullDiskKeepsThePassword();
    void firstPasswordHintOnlyWhileItHolds();
    void esciEndsTheProgram();
};

void tst_GuiAccess::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_GuiAccess::startsWithTheLogin()
{
    Program p;
    TfrmPassword* login = p.windows.frmPassword();
    QVERIFY(login->isVisible());
    QVERIFY(!p.windows.frmAvvio()->isVisible());
    QCOMPARE(login->windowTitle(), QStringLiteral(" Corvanta - Accesso"));
    QVERIFY(p.box(login, "txtPassword")->hasFocus());
    QCOMPARE(p.box(login, "txtPassword")->echoMode(), QLineEdit::Password);
    QVERIFY(!Gui::pushButton(login, "cmdOK")->isEnabled());
    // The focused box shows its yellow rectangle.
    QVERIFY(login->findChild<QWidget*>(QStringLiteral("effPassword"))->isVisible());
}

void tst_GuiAccess::okFollowsTheBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << "   " << false;
    QTest::newRow("a letter") << "a" << true;
    QTest::newRow("blanks around") << " a " << true;
}

void tst_GuiAccess::okFollowsTheBox()
{
    QFETCH(QString, typed);
    QFETCH(bool, enabled);

    Program p;
    p.login(typed);
    if (!enabled) {
        // Return does nothing while OK is disabled.
        QVERIFY(p.takeMessages().isEmpty());
        QVERIFY(p.windows.frmPassword()->isVisible());
        QVERIFY(!Gui::pushButton(p.windows.frmPassword(), "cmdOK")->isEnabled());
    } else {
        QCOMPARE(p.takeMessages(), QStringList{Wrong});
    }
}

void tst_GuiAccess::login_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("as stored") << "parolainiziale" << true;
    QTest::newRow("other case and blanks") << "  ParolaIniziale\t" << true;
    QTest::newRow("wrong") << "parola" << false;
    QTest::newRow("a letter beyond a to z") << "parolainizialè" << false;
}

void tst_GuiAccess::login()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);

    Program p;
    p.login(typed);
    QCOMPARE(p.windows.frmAvvio()->isVisible(), accepted);
    QCOMPARE(p.windows.frmPassword()->isVisible(), !accepted);
    QCOMPARE(p.takeMessages(), accepted ? QStringList{} : QStringList{Wrong});
    if (!accepted) {
        QVERIFY(p.box(p.windows.frmPassword(), "txtPassword")->text().isEmpty());
        QVERIFY(!Gui::pushButton(p.windows.frmPassword(), "cmdOK")->isEnabled());
    }
}

void tst_GuiAccess::unreadablePasswordFile()
{
    Program p;
    QFile file(p.platform.folder() + PasswordFile::fileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Accesso]\r\nValore=ZZ\r\n");
    file.close();
    p.login(QStringLiteral("parolainiziale"));
    QCOMPARE(p.takeMessages(), QStringList{ReadFailed});
    QCOMPARE(p.box(p.windows.frmPassword(), "txtPassword")->text(), QStringLiteral("parolainiziale"));
    QVERIFY(p.windows.frmPassword()->isVisible());
}

void tst_GuiAccess::change_data()
{
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("boxesAfter"); // old, new, confirmation; empty list: window closed

    const QString first = QStringLiteral("PAROLAINIZIALE");
    QTest::newRow("done") << "parolainiziale"
                          << "  Nuova1 "
                          << "Nuova1" << Changed << "NUOVA1" << QStringList{};
    QTest::newRow("old password wrong") << "sbagliata"
                                        << "nuova"
                                        << "nuova" << OldWrong << first
                                        << QStringList{QString(), QStringLiteral("nuova"), QStringLiteral("nuova")};
    QTest::newRow("confirmation differs in case")
        << "parolainiziale"
        << "nuova"
        << "Nuova" << NotConfirmed << first << QStringList{QStringLiteral("parolainiziale"), QString(), QString()};
    QTest::newRow("too long") << "parolainiziale" << QString(256, QLatin1Char('x')) << QString(256, QLatin1Char('x'))
                              << QStringLiteral("Plain: ") +
                                     PasswordFile::refusalMessage(PasswordFile::NewPasswordCheck::TooLong)
                              << first << QStringList{QStringLiteral("parolainiziale"), QString(), QString()};
    QTest::newRow("euro sign") << "parolainiziale" << QStringLiteral("dieci€") << QStringLiteral("dieci€")
                               << QStringLiteral("Plain: ") +
                                      PasswordFile::refusalMessage(PasswordFile::NewPasswordCheck::OutsideLatin1)
                               << first << QStringList{QStringLiteral("parolainiziale"), QString(), QString()};
}

void tst_GuiAccess::change()
{
    QFETCH(QString, old);
    QFETCH(QString, fresh);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    QFETCH(QStringList, boxesAfter);

    Program p;
    p.change(old, fresh, confirmation);
    QCOMPARE(p.takeMessages(), QStringList{message});
    QCOMPARE(p.stored(), stored);
    TfrmCambiaPassword* window = p.windows.frmCambiaPassword();
    QCOMPARE(window->isVisible(), !boxesAfter.isEmpty());
    if (boxesAfter.isEmpty()) {
        // Back to the login, not logged in.
        QVERIFY(p.windows.frmPassword()->isVisible());
        QVERIFY(!p.windows.frmAvvio()->isVisible());
        return;
    }
    const QStringList boxes{p.box(window, "txtPasswordOld")->text(), p.box(window, "txtPasswordNew")->text(),
                            p.box(window, "txtConferma")->text()};
    QCOMPARE(boxes, boxesAfter);
}

void tst_GuiAccess::changedPasswordLogsIn()
{
    Program p;
    p.change(QStringLiteral("parolainiziale"), QStringLiteral("rossa"), QStringLiteral("rossa"));
    QCOMPARE(p.takeMessages(), QStringList{Changed});
    p.login(QStringLiteral("parolainiziale"));
    QCOMPARE(p.takeMessages(), QStringList{Wrong});
    p.login(QStringLiteral("rossa"));
    QVERIFY(p.windows.frmAvvio()->isVisible());
}

void tst_GuiAccess::returnWalksTheChangeBoxes()
{
    Program p;
    Gui::push(p.windows.frmPassword(), "btnCambiaPassword");
    TfrmCambiaPassword* window = p.windows.frmCambiaPassword();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(!p.windows.frmPassword()->isVisible());
    const char* const ring[] = {"txtPasswordOld", "txtPasswordNew", "txtConferma", "txtPasswordOld"};
    for (std::size_t i = 0; i + 1 < std::size(ring); ++i) {
        QLineEdit* current = p.box(window, ring[i]);
        QVERIFY2(current->hasFocus(), ring[i]);
        Gui::typeInto(current, QStringLiteral("parolainiziale"));
        QTest::keyClick(current, Qt::Key_Return);
    }
    // Return never changes the password, even with all three boxes filled.
    QVERIFY(Gui::pushButton(window, "cmdOK")->isEnabled());
    QVERIFY(p.takeMessages().isEmpty());
    QVERIFY(window->isVisible());
}

void tst_GuiAccess::closingTheChangeReturnsToAnEmptyLogin()
{
    Program p;
    Gui::typeInto(p.box(p.windows.frmPassword(), "txtPassword"), QStringLiteral("qualcosa"));
    Gui::push(p.windows.frmPassword(), "btnCambiaPassword");
    Gui::push(p.windows.frmCambiaPassword(), "cmdEsci");
    QVERIFY(!p.windows.frmCambiaPassword()->isVisible());
    QVERIFY(p.windows.frmPassword()->isVisible());
    QVERIFY(p.box(p.windows.frmPassword(), "txtPassword")->text().isEmpty());
    QVERIFY(!Gui::pushButton(p.windows.frmPassword(), "cmdOK")->isEnabled());
    // A second opening starts empty.
    Gui::push(p.windows.frmPassword(), "btnCambiaPassword");
    QVERIFY(p.box(p.windows.frmCambiaPassword(), "txtPasswordOld")->text().isEmpty());
}

void tst_GuiAccess::unwritablePasswordFile()
{
    if (geteuid() == 0)
        QSKIP("root writes into read-only files and folders");
    Program p;
    const QString path = p.platform.folder() + PasswordFile::fileName();
    QFile::setPermissions(path, QFile::ReadOwner);
    QFile::setPermissions(p.platform.folder(), QFile::ReadOwner | QFile::ExeOwner);
    p.change(QStringLiteral("parolainiziale"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    QFile::setPermissions(p.platform.folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(p.takeMessages(), QStringList{ChangeFailed});
    QCOMPARE(p.stored(), QStringLiteral("PAROLAINIZIALE"));
    QVERIFY(p.windows.frmCambiaPassword()->isVisible());
    QCOMPARE(p.box(p.windows.frmCambiaPassword(), "txtConferma")->text(), QStringLiteral("nuova"));
}

// A change on a full disk is refused with the change's message, and the old password
// file stays byte for byte, so the old password still logs in.
void tst_GuiAccess::fullDiskKeepsThePassword()
{
    Program p;
    SmallDisk disk(p.platform.folder());
    if (!disk.mounted())
        QSKIP("mounting a small file system needs root");
    PasswordFile::storeNew(p.platform.folder(), QStringLiteral("parolainiziale"));
    const QString path = p.platform.folder() + PasswordFile::fileName();
    const QByteArray before = Gui::readFile(path);
    disk.fill();
    p.change(QStringLiteral("parolainiziale"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    QCOMPARE(p.takeMessages(), QStringList{ChangeFailed});
    QCOMPARE(Gui::readFile(path), before);
    QCOMPARE(p.stored(), QStringLiteral("PAROLAINIZIALE"));
}

// The login's picture gives the first password only while it is the password: a password
// of the clerk's own is never readable on screen.
void tst_GuiAccess::firstPasswordHintOnlyWhileItHolds()
{
    Program p;
    const auto hint = [&p] { return p.windows.frmPassword()->findChild<QWidget*>(QStringLiteral("imgPrimoAccesso")); };
    QVERIFY(hint());
    QVERIFY(hint()->isVisible());
    p.change(QStringLiteral("parolainiziale"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    QCOMPARE(p.takeMessages(), QStringList{Changed});
    QTRY_VERIFY(p.windows.frmPassword()->isVisible());
    QVERIFY(!hint()->isVisible());
}

void tst_GuiAccess::esciEndsTheProgram()
{
    Program p;
    bool ended = false;
    QTimer::singleShot(0, p.windows.frmPassword(), [&p] { Gui::push(p.windows.frmPassword(), "cmdEsci"); });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, &safety, [] { QCoreApplication::exit(1); });
    safety.start(10000);
    ended = QCoreApplication::exec() == 0;
    QVERIFY(ended);
    QVERIFY(!p.windows.frmPassword()->isVisible());
    QVERIFY(!p.windows.frmAvvio()->isVisible());
}

QTEST_MAIN(tst_GuiAccess)
#include "tst_gui_access.moc"

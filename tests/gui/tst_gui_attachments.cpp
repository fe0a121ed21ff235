// The attached-files window: choosing and copying files into the shared folder, opening
// them through the shell, and handing the slots back to the card.
#include "CardFixture.h"

#include "archive/VehicleArchive.h"
#include "card/TfrmAllegaCartella.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

namespace {

const QString Overwrite = QStringLiteral("Question: Attenzione: nella cartella dei documenti allegati è presente un "
                                         "file con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

// The attached-files window over the card, as cmdFile opens it.
struct Window {
    explicit Window(CardFixture& f) : attachments(&f.card)
    {
        attachments.setTag(QStringLiteral("autoparco"));
        attachments.setCard(f.card);
        attachments.show();
    }
    QLineEdit* box(const char* name) const { return Gui::editBox(&attachments, name); }
    void click(const QByteArray& name) { Gui::push(&attachments, name.constData()); }

    TfrmAllegaCartella attachments;
};

QString folderOf(const CardFixture& f)
{
    return f.platform.folder() + QStringLiteral("Documenti_Allegati/");
}

QString userFile(const CardFixture& f, const QString& name, const QByteArray& content)
{
    const QString path = f.platform.folder() + QStringLiteral("utente/") + name;
    Gui::writeFile(path, content);
    return path;
}

} // namespace

class tst_GuiAttachments : public QObject {
    Q_OBJECT

private slots:
    void choosing_data();
    void choosing();
    void cancelledDialogChangesNothing();
    void readOnlyFolderIsSilent();
    void open_data();
    void open();
    void eraserKeepsDescription();
    void writeBack_data();
    void writeBack();
    void cardOpensAndSaves();
};

void tst_GuiAttachments::choosing_data()
{
    QTest::addColumn<QString>("chosen");      // the chosen file's name
    QTest::addColumn<QByteArray>("existing"); // already in the folder; empty: none
    QTest::addColumn<bool>("answerNo");
    QTest::addColumn<bool>("unreadableSource");
    QTest::addColumn<bool>("chooseFromFolder"); // the chosen file is the one in the folder
    QTest::addColumn<QByteArray>("inFolder");   // the folder's file afterwards
    QTest::addColumn<bool>("asked");

    const QString libretto = QStringLiteral("libretto.pdf");
    QTest::newRow("new name") << libretto << QByteArray() << false << false << false << QByteArray("nuovo") << false;
    QTest::newRow("existing, Yes replaces")
        << libretto << QByteArray("vecchio") << false << false << false << QByteArray("nuovo") << true;
    QTest::newRow("existing, No keeps") << libretto << QByteArray("vecchio") << true << false << false
                                        << QByteArray("vecchio") << true;
    QTest::newRow("the same file, nothing lost")
        << libretto << QByteArray("vecchio") << false << false << true << QByteArray("vecchio") << true;
    QTest::newRow("failing copy keeps the old file")
        << libretto << QByteArray("vecchio") << false << true << false << QByteArray("vecchio") << true;
    QTest::newRow("name of 250 characters") << QString(246, QLatin1Char('n')) + QStringLiteral(".pdf") << QByteArray()
                                            << false << false << false << QByteArray("nuovo") << false;
}

void tst_GuiAttachments::choosing()
{
    QFETCH(QString, chosen);
    QFETCH(QByteArray, existing);
    QFETCH(bool, answerNo);
    QFETCH(bool, unreadableSource);
    QFETCH(bool, chooseFromFolder);
    QFETCH(QByteArray, inFolder);
    QFETCH(bool, asked);

    CardFixture f;
    const QString target = folderOf(f) + chosen;
    if (!existing.isEmpty())
        QVERIFY(Gui::writeFile(target, existing));
    // An unreadable source: a folder of that name stands where the file should be.
    QString source = chooseFromFolder ? target : userFile(f, chosen, "nuovo");
    if (unreadableSource) {
        QFile::remove(source);
        QVERIFY(QDir().mkpath(source));
    }
    Window w(f);
    f.platform.queueFileName(source);
    if (answerNo)
        f.platform.queueAnswer(Platform::Answer::No);
    w.click("btnSfoglia02");

    QCOMPARE(w.box("txtFile02")->text(), chosen);
    QVERIFY(w.box("txtFile01")->text().isEmpty() && w.box("txtFile03")->text().isEmpty());
    QCOMPARE(Gui::readFile(target), inFolder);
    QCOMPARE(f.takeMessages(), asked ? QStringList{Overwrite} : QStringList{});
    QCOMPARE(f.platform.dialogs.size(), 1);
    QCOMPARE(f.platform.dialogs[0].options.title, QStringLiteral("Selezionare il file da allegare:"));
    QVERIFY(f.platform.dialogs[0].options.filter.startsWith(QStringLiteral("Tutti i file (*.*)|")));
    // No temporary file is left beside the attachments.
    QCOMPARE(QDir(folderOf(f)).entryList(QDir::Files), QStringList{chosen});
}

void tst_GuiAttachments::cancelledDialogChangesNothing()
{
    CardFixture f;
    Window w(f);
    w.click("btnSfoglia01");
    QVERIFY(w.box("txtFile01")->text().isEmpty());
    QVERIFY(!QFileInfo::exists(folderOf(f)));
}

void tst_GuiAttachments::readOnlyFolderIsSilent()
{
    if (geteuid() == 0)
        QSKIP("root writes into read-only folders");
    CardFixture f;
    QVERIFY(QDir().mkpath(folderOf(f)));
    QFile::setPermissions(folderOf(f), QFile::ReadOwner | QFile::ExeOwner);
    Window w(f);
    f.platform.queueFileName(userFile(f, QStringLiteral("polizza.pdf"), "polizza"));
    w.click("btnSfoglia01");
    QFile::setPermissions(folderOf(f), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(w.box("txtFile01")->text(), QStringLiteral("polizza.pdf"));
    QVERIFY(!QFileInfo::exists(folderOf(f) + QStringLiteral("polizza.pdf")));
    QVERIFY(f.takeMessages().isEmpty());
}

void tst_GuiAttachments::open_data()
{
    QTest::addColumn<QString>("stored"); // File02 as the archive holds it
    QTest::addColumn<QString>("opened"); // after the attachments folder; empty: nothing opened

    QTest::newRow("plain name") << "libretto.pdf"
                                << "libretto.pdf";
    QTest::newRow("blanks around") << "  bollo 2026.pdf "
                                   << "bollo 2026.pdf";
    QTest::newRow("backslash folders") << "..\\..\\x.exe"
                                       << "x.exe";
    QTest::newRow("slash folders") << "/etc/passwd"
                                   << "passwd";
    QTest::newRow("parent folder alone") << ".."
                                         << "";
}

void tst_GuiAttachments::open()
{
    QFETCH(QString, stored);
    QFETCH(QString, opened);

    CardFixture f;
    Gui::label(&f.card, "lblFile02")->setText(stored);
    Window w(f);
    // "Apri" follows the name the card put into the slot.
    QVERIFY(Gui::pushButton(&w.attachments, "btnApri02")->isEnabled());
    QVERIFY(!Gui::pushButton(&w.attachments, "btnApri01")->isEnabled());
    w.click("btnApri02");
    const QStringList expected =
        opened.isEmpty() ? QStringList{} : QStringList{QLatin1Char('"') + folderOf(f) + opened + QLatin1Char('"')};
    QCOMPARE(f.platform.shellOpened, expected);
}

void tst_GuiAttachments::eraserKeepsDescription()
{
    CardFixture f;
    Gui::label(&f.card, "lblFile03")->setText(QStringLiteral("contratto.pdf"));
    Gui::label(&f.card, "lblDesc03")->setText(QStringLiteral("Contratto di assicurazione"));
    Window w(f);
    Gui::click(&w.attachments, "imgCancella03");
    QVERIFY(w.box("txtFile03")->text().isEmpty());
    QVERIFY(!Gui::pushButton(&w.attachments, "btnApri03")->isEnabled());
    QCOMPARE(w.box("txtDesc03")->text(), QStringLiteral("Contratto di assicurazione"));
}

void tst_GuiAttachments::writeBack_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("written");

    QTest::newRow("Applica e chiudi") << "autoparco" << QByteArray("btnApplica") << true;
    QTest::newRow("tag with blanks") << " autoparco " << QByteArray("btnApplica") << true;
    QTest::newRow("another opener") << "trova" << QByteArray("btnApplica") << false;
    QTest::newRow("Annulla") << "autoparco" << QByteArray("btnAnnulla") << false;
}

void tst_GuiAttachments::writeBack()
{
    QFETCH(QString, tag);
    QFETCH(QByteArray, button);
    QFETCH(bool, written);

    CardFixture f;
    Gui::label(&f.card, "lblFile01")->setText(QStringLiteral("vecchio.pdf"));
    Gui::label(&f.card, "lblDesc02")->setText(QStringLiteral("da togliere"));
    Window w(f);
    w.attachments.setTag(tag);
    w.box("txtDesc01")->setText(QStringLiteral("  Libretto di circolazione  "));
    w.box("txtDesc02")->clear();
    w.box("txtFile03")->setText(QStringLiteral(" bollo.pdf "));
    w.click(button);

    QVERIFY(!w.attachments.isVisible());
    const QStringList expected = written ? QStringList{QStringLiteral("vecchio.pdf"),
                                                       QStringLiteral("Libretto di circolazione"),
                                                       QString(),
                                                       QString(),
                                                       QStringLiteral("bollo.pdf"),
                                                       QString()}
                                         : QStringList{QStringLiteral("vecchio.pdf"), QString(), QString(),
                                                       QStringLiteral("da togliere"), QString(), QString()};
    const char* const labels[] = {"lblFile01", "lblDesc01", "lblFile02", "lblDesc02", "lblFile03", "lblDesc03"};
    QStringList actual;
    for (const char* name : labels)
        actual << Gui::label(&f.card, name)->text();
    QCOMPARE(actual, expected);
}

void tst_GuiAttachments::cardOpensAndSaves()
{
    CardFixture f;
    f.type("txtTipo", QStringLiteral("Autocarro"));
    f.type("txtMarca", QStringLiteral("Iveco"));
    f.type("txtModello", QStringLiteral("Daily"));
    f.type("txtTarga", QStringLiteral("EF456GH"));
    const QString source = userFile(f, QStringLiteral("libretto.pdf"), "libretto");
    f.platform.queueFileName(source);
    Gui::whileModal([](QWidget* window) {
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("frmAllegaCartella"));
        QTest::mouseClick(Gui::pushButton(window, "btnSfoglia01"), Qt::LeftButton);
        Gui::editBox(window, "txtDesc01")->setText(QStringLiteral("Libretto"));
        QTest::mouseClick(Gui::pushButton(window, "btnApplica"), Qt::LeftButton);
    });
    f.click("cmdFile");
    // Not in the archive until the card is saved.
    QVERIFY(!QFileInfo::exists(f.archivePath()) || f.archiveBytes().isEmpty());
    f.click("cmdSalva");

    VehicleArchive archive(f.platform.folder());
    const TSchedaVeicolo stored = archive.readAt(0);
    archive.close();
    QCOMPARE(stored.File01, QStringLiteral("libretto.pdf"));
    QCOMPARE(stored.Desc01, QStringLiteral("Libretto"));
    QCOMPARE(Gui::readFile(folderOf(f) + QStringLiteral("libretto.pdf")), QByteArray("libretto"));
}

QTEST_MAIN(tst_GuiAttachments)
#include "tst_gui_attachments.moc"

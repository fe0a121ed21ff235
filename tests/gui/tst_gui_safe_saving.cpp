// Salva against what another program on the same folder wrote meanwhile: the card's and
// the cost window's questions, byte for byte, the kilometres' question, and the flush that
// comes before the message that a save succeeded.
#include "CardFixture.h"

#include "archive/RecordCodec.h"
#include "archive/VehicleArchive.h"
#include "costs/CostFile.h"
#include "costs/TfrmAllegaExcel.h"
#include "files/DiskSync.h"
#include "widgets/LineList.h"

#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

using Kind = Platform::MessageKind;
using Answer = Platform::Answer;

const QString CardConflict = QStringLiteral("Attenzione: la scheda è stata modificata da un'altra postazione dopo "
                                            "che è stata aperta.\n\rSovrascriverla con i dati mostrati?");
const QString CostConflict = QStringLiteral("Attenzione: la voce di costo è stata modificata da un'altra postazione "
                                            "dopo che è stata aperta.\n\rSovrascriverla con i dati mostrati?");

QString question(const QString& text)
{
    return CardFixture::shown(Kind::Question, text);
}

QString changesSaved()
{
    return CardFixture::shown(
        Kind::Information,
        QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
}

// Another program on the folder, run to its end.
void otherProgram(const QString& folder, const QStringList& arguments)
{
    QProcess writer;
    writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writer.start(QStringLiteral(CORVANTA_RECORD_WRITER), QStringList{folder} + arguments);
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitCode(), 0);
}

QByteArray recordBytes(const QByteArray& file, int position, int size)
{
    return file.mid(qsizetype(position - 1) * size, size);
}

} // namespace

class tst_GuiSafeSaving : public QObject {
    Q_OBJECT
private slots:
    void cardConflict_data();
    void cardConflict();
    void costConflict_data();
    void costConflict();
    void kilometresAsk_data();
    void kilometresAsk();
    void conflictIsAskedBeforeKilometres();
    void flushComesBeforeTheMessage();
    void cleanup() { DiskSync::setFlushForTesting({}); }
};

void tst_GuiSafeSaving::cardConflict_data()
{
    QTest::addColumn<QStringList>("otherWrite");
    QTest::addColumn<bool>("overwrite");
    const QStringList tipo = {QStringLiteral("tipo"), QStringLiteral("1"), QStringLiteral("Autocarro")};
    const QStringList padding = {QStringLiteral("padding"), QStringLiteral("1")};
    QTest::newRow("other text, No") << tipo << false;
    QTest::newRow("other text, Yes") << tipo << true;
    QTest::newRow("only padding changed, No") << padding << false;
    QTest::newRow("only padding changed, Yes") << padding << true;
}

void tst_GuiSafeSaving::cardConflict()
{
    QFETCH(QStringList, otherWrite);
    QFETCH(bool, overwrite);
    CardFixture f;
    f.writeVehicles(2);
    f.showStored(1);
    f.loadPhoto(f.pictureFile(QStringLiteral("foto.bmp"), QImage(40, 30, QImage::Format_RGB32), "BMP"));
    f.type("txtNote", QStringLiteral("Scritto su questa postazione"));
    f.takeMessages();

    otherProgram(f.platform.folder(), otherWrite);
    const QByteArray theirs = f.archiveBytes();
    f.platform.queueAnswer(overwrite ? Answer::Yes : Answer::No);
    f.click("cmdSalva");

    if (!overwrite) {
        QCOMPARE(f.takeMessages(), QStringList{question(CardConflict)});
        QCOMPARE(f.archiveBytes(), theirs);
        QVERIFY(!QFileInfo::exists(f.photoPath(1)));
        QCOMPARE(f.box("txtNote")->text(), QStringLiteral("Scritto su questa postazione"));
        return;
    }
    QCOMPARE(f.takeMessages(), (QStringList{question(CardConflict), changesSaved()}));
    const QByteArray mine = encodeRecord(f.card.recordOnCard());
    QCOMPARE(recordBytes(f.archiveBytes(), 1, TSchedaVeicolo::RecordSize), mine);
    QCOMPARE(recordBytes(f.archiveBytes(), 2, TSchedaVeicolo::RecordSize),
             recordBytes(theirs, 2, TSchedaVeicolo::RecordSize));
    QVERIFY(QFileInfo::exists(f.photoPath(1)));
    // The card now holds the bytes it wrote: saving again asks nothing.
    f.click("cmdSalva");
    QCOMPARE(f.takeMessages(), QStringList{changesSaved()});
}

void tst_GuiSafeSaving::costConflict_data()
{
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("No") << false;
    QTest::newRow("Yes") << true;
}

void tst_GuiSafeSaving::costConflict()
{
    QFETCH(bool, overwrite);
    CardFixture f;
    f.writeVehicles(1);
    f.showStored(1);
    {
        CostFile costs(f.platform.folder(), 1);
        costs.append({QStringLiteral("12/01/2026"), QStringLiteral("Tagliando"), QStringLiteral("Ufficio"),
                      QStringLiteral("Officina"), QStringLiteral("245,80")});
        costs.close();
    }
    const QString costPath = f.platform.folder() + CostFile::fileName(1);
    TfrmAllegaExcel window(&f.card);
    window.setCard(&f.card);
    window.show();
    window.findChild<LineList*>(QStringLiteral("lstRecords"))->selectRow(0);
    window.findChild<QPushButton*>(QStringLiteral("btnModifica"))->click();
    window.findChild<QLineEdit*>(QStringLiteral("txtPagatore"))->setText(QStringLiteral("Mario Rossi"));
    f.takeMessages();

    otherProgram(f.platform.folder(), {QStringLiteral("causale"), QStringLiteral("1"), QStringLiteral("Revisione")});
    const QByteArray theirs = Gui::readFile(costPath);
    f.platform.queueAnswer(overwrite ? Answer::Yes : Answer::No);
    QPushButton* salva = window.findChild<QPushButton*>(QStringLiteral("btnSalva"));
    salva->click();

    const QString saved = CardFixture::shown(
        Kind::Information,
        QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    if (!overwrite) {
        QCOMPARE(f.takeMessages(), QStringList{question(CostConflict)});
        QCOMPARE(Gui::readFile(costPath), theirs);
        return;
    }
    QCOMPARE(f.takeMessages(), (QStringList{question(CostConflict), saved}));
    CostFile costs(f.platform.folder(), 1);
    const TCostoVeicolo stored = costs.readAt(0);
    costs.close();
    QCOMPARE(stored.Causale, QStringLiteral("Tagliando"));
    QCOMPARE(stored.Pagatore, QStringLiteral("Mario Rossi"));
    salva->click();
    QCOMPARE(f.takeMessages(), QStringList{saved});
}

void tst_GuiSafeSaving::kilometresAsk_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer"); // -1: no question
    QTest::addColumn<bool>("written");
    QTest::newRow("fewer, No") << "4.820" << int(Answer::No) << false;
    QTest::newRow("fewer, Yes") << "4.820" << int(Answer::Yes) << true;
    QTest::newRow("more, sane") << "49.000" << -1 << true;
}

void tst_GuiSafeSaving::kilometresAsk()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, written);
    CardFixture f;
    TSchedaVeicolo vehicle = CardFixture::vehicle(1);
    vehicle.Chilometri = QStringLiteral("48.200");
    vehicle.Lettura = QStringLiteral("01/03/2026");
    f.writeRecord(vehicle);
    f.showStored(1);
    f.type("txtChilometri", typed);
    const QByteArray before = f.archiveBytes();
    if (answer >= 0)
        f.platform.queueAnswer(Answer(answer));
    f.click("cmdSalva");

    QStringList expected;
    if (answer >= 0)
        expected << question(QStringLiteral("Attenzione: i chilometri inseriti (4.820) sono meno di quelli già "
                                            "registrati (48.200).\n\rSalvare comunque?"));
    if (written)
        expected << changesSaved();
    QCOMPARE(f.takeMessages(), expected);
    QCOMPARE(f.archiveBytes() == before, !written);
}

void tst_GuiSafeSaving::conflictIsAskedBeforeKilometres()
{
    CardFixture f;
    TSchedaVeicolo vehicle = CardFixture::vehicle(1);
    vehicle.Chilometri = QStringLiteral("48.200");
    f.writeRecord(vehicle);
    f.showStored(1);
    f.type("txtChilometri", QStringLiteral("4.820"));
    otherProgram(f.platform.folder(), {QStringLiteral("tipo"), QStringLiteral("1"), QStringLiteral("Autocarro")});
    const QByteArray theirs = f.archiveBytes();
    f.platform.queueAnswer(Answer::Yes);
    f.platform.queueAnswer(Answer::No);
    f.click("cmdSalva");
    QCOMPARE(f.takeMessages(),
             (QStringList{question(CardConflict),
                          question(QStringLiteral("Attenzione: i chilometri inseriti (4.820) sono meno di quelli già "
                                                  "registrati (48.200).\n\rSalvare comunque?"))}));
    QCOMPARE(f.archiveBytes(), theirs);
}

void tst_GuiSafeSaving::flushComesBeforeTheMessage()
{
    CardFixture f;
    f.writeVehicles(1);
    f.showStored(1);
    f.type("txtNote", QStringLiteral("Controllato"));
    f.takeMessages();
    QList<qsizetype> messagesAtFlush;
    DiskSync::setFlushForTesting([&](int) {
        messagesAtFlush << f.platform.messages.size();
        return true;
    });
    f.click("cmdSalva");
    QVERIFY(!messagesAtFlush.isEmpty());
    QCOMPARE(messagesAtFlush.constFirst(), 0);
    QCOMPARE(f.takeMessages(), QStringList{changesSaved()});

    // A device that refuses the bytes is an archive failure, never a success.
    DiskSync::setFlushForTesting([](int) { return false; });
    f.type("txtNote", QStringLiteral("Non arriva sul disco"));
    f.click("cmdSalva");
    QCOMPARE(f.takeMessages(), QStringList{CardFixture::accessFailure()});
}

QTEST_MAIN(tst_GuiSafeSaving)
#include "tst_gui_safe_saving.moc"

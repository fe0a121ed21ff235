// Paging through the archive with First, Previous, Next and Last.
#include "CardFixture.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <unistd.h>

class tst_GuiNavigation : public QObject {
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void nextAfterDuplicate();
    void showsEveryStoredField();
    void readsArchiveWrittenElsewhere();
    void failures_data();
    void failures();
};

void tst_GuiNavigation::commands_data()
{
    QTest::addColumn<int>("records"); // -1: no archive file
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<bool>("emptyMessage");

    // Every row starts from a card whose Tipo was changed to "Bozza" without saving;
    // "Bozza" afterwards means the card was left as it was.
    const struct {
        const char* name;
        int records;
        const char *start, *command, *position, *tipo;
        bool emptyMessage;
    } rows[] = {
        {"missing archive, first", -1, "", "cmdPrimo", "", "Bozza", true},
        {"missing archive, previous", -1, "", "cmdIndietro", "", "Bozza", true},
        {"missing archive, next", -1, "", "cmdAvanti", "", "Bozza", true},
        {"missing archive, last", -1, "", "cmdUltimo", "", "Bozza", true},
        {"empty archive, first", 0, "", "cmdPrimo", "", "Bozza", true},
        {"empty archive, previous", 0, "", "cmdIndietro", "", "Bozza", true},
        {"empty archive, next", 0, "", "cmdAvanti", "", "Bozza", true},
        {"empty archive, last", 0, "", "cmdUltimo", "", "Bozza", true},
        // The first position is tested before the record count.
        {"empty archive, previous from 1", 0, "1", "cmdIndietro", "1", "Bozza", false},
        {"empty archive, previous from 2", 0, "2", "cmdIndietro", "2", "Bozza", true},
        {"empty archive, next from 1 forgets the position", 0, "1", "cmdAvanti", "", "Bozza", true},
        {"first from new", 3, "", "cmdPrimo", "1", "Veicolo 1", false},
        {"first from 3", 3, "3", "cmdPrimo", "1", "Veicolo 1", false},
        {"last from new", 3, "", "cmdUltimo", "3", "Veicolo 3", false},
        {"last from 1", 3, "1", "cmdUltimo", "3", "Veicolo 3", false},
        {"next from new", 3, "", "cmdAvanti", "1", "Veicolo 1", false},
        {"next from 1", 3, "1", "cmdAvanti", "2", "Veicolo 2", false},
        {"next from 2", 3, "2", "cmdAvanti", "3", "Veicolo 3", false},
        {"next from last", 3, "3", "cmdAvanti", "3", "Bozza", false},
        {"previous from new shows the first", 3, "", "cmdIndietro", "1", "Veicolo 1", false},
        {"previous from 3", 3, "3", "cmdIndietro", "2", "Veicolo 2", false},
        {"previous from 2", 3, "2", "cmdIndietro", "1", "Veicolo 1", false},
        {"previous from 1", 3, "1", "cmdIndietro", "1", "Bozza", false},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.name) << row.records << QString::fromLatin1(row.start) << QString::fromLatin1(row.command)
                                << QString::fromLatin1(row.position) << QString::fromLatin1(row.tipo)
                                << row.emptyMessage;
    }
}

void tst_GuiNavigation::commands()
{
    QFETCH(int, records);
    QFETCH(QString, start);
    QFETCH(QString, command);
    QFETCH(QString, position);
    QFETCH(QString, tipo);
    QFETCH(bool, emptyMessage);

    CardFixture f;
    f.writeVehicles(records);
    const QByteArray before = f.archiveBytes();
    // The start position is shown as the archive would show it, even where the archive
    // no longer holds it.
    if (!start.isEmpty())
        f.card.subMostraScheda(CardFixture::vehicle(start.toInt()), start.toInt());
    f.type("txtTipo", QStringLiteral("Bozza"));

    // The typed Tipo is offered for saving first; No goes on without saving.
    f.platform.queueAnswer(Platform::Answer::No);
    f.click(command.toLatin1().constData());

    QCOMPARE(f.positionText(), position);
    QCOMPARE(f.tipo(), tipo);
    if (tipo != QLatin1String("Bozza"))
        QCOMPARE(f.box("txtMarca")->text(), CardFixture::vehicle(position.toInt()).Marca);
    QStringList expected{CardFixture::shown(
        Platform::MessageKind::Question,
        QStringLiteral("Le modifiche alla scheda corrente non sono state salvate.\n\rSalvarle adesso?"))};
    if (emptyMessage)
        expected << CardFixture::emptyArchive();
    QCOMPARE(f.takeMessages(), expected);
    // Paging never writes; a missing archive is created empty.
    const QFileInfo archive(f.archivePath());
    QVERIFY(archive.isFile());
    QCOMPARE(f.archiveBytes(), before);
}

void tst_GuiNavigation::nextAfterDuplicate()
{
    CardFixture f;
    f.writeVehicles(3);
    f.showStored(2);
    f.click("cmdDuplica");
    QCOMPARE(f.positionText(), QString());
    f.takeMessages();

    f.click("cmdAvanti");
    QCOMPARE(f.positionText(), QStringLiteral("1"));
    QCOMPARE(f.tipo(), QStringLiteral("Veicolo 1"));
    QCOMPARE(f.takeMessages(), QStringList());
}

void tst_GuiNavigation::showsEveryStoredField()
{
    CardFixture f;
    TSchedaVeicolo record;
    const auto& fields = TSchedaVeicolo::fields();
    for (int i = 0; i < TSchedaVeicolo::FieldCount; ++i)
        record.*(fields[i].member) = QStringLiteral("C%1").arg(i + 1);
    f.writeRecord(record);
    f.writeRecord(CardFixture::vehicle(2));
    f.showStored(2);

    f.click("cmdPrimo");

    QCOMPARE(f.positionText(), QStringLiteral("1"));
    const QList<QLineEdit*> boxes = Gui::editBoxes(&f.card);
    for (int i = 0; i < boxes.size(); ++i)
        QCOMPARE(boxes[i]->text(), QStringLiteral("C%1").arg(i + 1));
    const QList<QLabel*> hidden = Gui::attachmentLabels(&f.card);
    for (int i = 0; i < hidden.size(); ++i)
        QCOMPARE(hidden[i]->text(), QStringLiteral("C%1").arg(TSchedaVeicolo::EditFieldCount + i + 1));
}

void tst_GuiNavigation::readsArchiveWrittenElsewhere()
{
    // Another program leaves bytes after the text and may write a length byte beyond
    // the field's capacity; each field must still come from its own bytes.
    CardFixture f;
    f.writeVehicles(2);
    QByteArray bytes = f.archiveBytes();
    auto field = [&bytes](int offset, int capacity, const QByteArray& length, const QByteArray& content) {
        const QByteArray stored = QByteArray(length + content).leftJustified(capacity + 1, 'Z', true);
        bytes.replace(offset, capacity + 1, stored);
    };
    field(0, 50, QByteArray(1, 7), "Furgone\x01garbage");
    // Telaio, capacity 10, ends in spaces: read beyond its field it would take in Pneumatici.
    field(289, 10, QByteArray(1, char(200)), "TELAIO    ");
    field(300, 120, QByteArray(1, 9), "Michelin "); // Pneumatici follows Telaio
    QVERIFY(Gui::writeFile(f.archivePath(), bytes));

    f.click("cmdPrimo");

    QCOMPARE(f.tipo(), QStringLiteral("Furgone"));
    QCOMPARE(f.box("txtTelaio")->text(), QStringLiteral("TELAIO"));
    QCOMPARE(f.box("txtPneumatici")->text(), QStringLiteral("Michelin"));
    QCOMPARE(f.box("txtMarca")->text(), QStringLiteral("Marca 1"));

    f.click("cmdAvanti");
    QCOMPARE(f.positionText(), QStringLiteral("2"));
    QCOMPARE(f.tipo(), QStringLiteral("Veicolo 2"));
    QCOMPARE(f.box("txtTelaio")->text(), QStringLiteral("TL2"));
}

void tst_GuiNavigation::failures_data()
{
    QTest::addColumn<CardFixture::Failure>("failure");
    QTest::addColumn<QString>("command");

    const struct {
        const char* name;
        CardFixture::Failure failure;
    } failures[] = {
        {"archive is a folder", CardFixture::Failure::ArchiveIsFolder},
        {"program folder under a file", CardFixture::Failure::FolderUnderFile},
        {"read-only archive", CardFixture::Failure::ReadOnlyArchive},
        {"read-only folder", CardFixture::Failure::ReadOnlyFolder},
    };
    for (const auto& failure : failures) {
        for (const char* command : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo"})
            QTest::addRow("%s, %s", failure.name, command) << failure.failure << QString::fromLatin1(command);
    }
}

void tst_GuiNavigation::failures()
{
    QFETCH(CardFixture::Failure, failure);
    QFETCH(QString, command);
    if (CardFixture::needsPermissions(failure) && geteuid() == 0)
        QSKIP("permissions do not bind the superuser");

    CardFixture f;
    if (failure == CardFixture::Failure::ReadOnlyArchive) {
        f.writeVehicles(3);
        f.showStored(2);
    }
    f.type("txtMarca", QStringLiteral("Modificata"));
    const TSchedaVeicolo before = f.card.recordOnCard();
    const QString position = f.positionText();
    f.makeUnreachable(failure);

    // The typed make is offered for saving first; No goes on to the failing read.
    f.platform.queueAnswer(Platform::Answer::No);
    f.click(command.toLatin1().constData());

    QCOMPARE(f.takeMessages(),
             (QStringList{CardFixture::shown(Platform::MessageKind::Question,
                                             QStringLiteral("Le modifiche alla scheda corrente non sono state "
                                                            "salvate.\n\rSalvarle adesso?")),
                          CardFixture::accessFailure()}));
    QCOMPARE(f.positionText(), position);
    QVERIFY(f.card.recordOnCard() == before);
}

QTEST_MAIN(tst_GuiNavigation)
#include "tst_gui_navigation.moc"

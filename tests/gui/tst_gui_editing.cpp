// Saving, New and Duplicate on the vehicle card.
#include "CardFixture.h"

#include "archive/VehicleArchive.h"
#include "widgets/PhotoView.h"
#include "widgets/Placeholder.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

namespace {

using Kind = Platform::MessageKind;

QString inserted()
{
    return CardFixture::shown(Kind::Information, QStringLiteral("La scheda corrente è stata inserita in archivio."));
}

QString changesSaved()
{
    return CardFixture::shown(
        Kind::Information,
        QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
}

TSchedaVeicolo storedAt(const QString& folder, int position)
{
    VehicleArchive archive(folder);
    TSchedaVeicolo record = archive.readAt(position - 1);
    archive.close();
    return record;
}

void fillRequired(CardFixture& f)
{
    f.type("txtTipo", QStringLiteral("Autocarro"));
    f.type("txtMarca", QStringLiteral("Iveco"));
    f.type("txtModello", QStringLiteral("Daily"));
    f.type("txtTarga", QStringLiteral("EF456GH"));
}

// A stored field as the archive holds it: length byte, Windows-1252 text, zero fill.
QByteArray storedField(const QByteArray& text, int capacity)
{
    return QByteArray(1, char(text.size())).append(text).leftJustified(capacity + 1, '\0');
}

// The photo files of the program folder.
QStringList storedPhotos(const CardFixture& f)
{
    return QDir(f.platform.folder() + QStringLiteral("Autoparco")).entryList(QDir::Files);
}

// A record with attachments, shown on the card as position 2 of 3, with its photo.
TSchedaVeicolo withAttachments()
{
    TSchedaVeicolo record = CardFixture::vehicle(2);
    record.File01 = QStringLiteral("C:\\Documenti\\libretto.pdf");
    record.File02 = QStringLiteral("C:\\Documenti\\polizza.pdf");
    record.File03 = QStringLiteral("C:\\Documenti\\revisione.pdf");
    record.Desc01 = QStringLiteral("Libretto");
    record.Desc02 = QStringLiteral("Polizza");
    record.Desc03 = QStringLiteral("Revisione");
    return record;
}

void writeThreeWithPhoto(CardFixture& f)
{
    f.writeRecord(CardFixture::vehicle(1));
    f.writeRecord(withAttachments());
    f.writeRecord(CardFixture::vehicle(3));
    QVERIFY(QDir().mkpath(QFileInfo(f.photoPath(2)).path()));
    QVERIFY(Gui::testPicture({200, 120}).save(f.photoPath(2), "JPG"));
}

TSchedaVeicolo withoutAttachments(TSchedaVeicolo record)
{
    record.File01 = record.File02 = record.File03 = QString();
    record.Desc01 = record.Desc02 = record.Desc03 = QString();
    return record;
}

} // namespace

class tst_GuiEditing : public QObject {
    Q_OBJECT

private slots:
    void requiredFields_data();
    void requiredFields();
    void saveNewCard_data();
    void saveNewCard();
    void saveStoredCard();
    void saveTwiceAppendsOnce();
    void storedBytes();
    void telaioTakesTenCharacters();
    void saveFailures_data();
    void saveFailures();
    void saveOverTrailingFragment();
    void newCard();
    void duplicateNewCard();
    void duplicateStoredCard();
};

void tst_GuiEditing::requiredFields_data()
{
    QTest::addColumn<QStringList>("typed"); // into txtTipo, txtMarca, txtModello, txtTarga
    QTest::addColumn<QString>("missing");   // as the message names it
    QTest::addColumn<QString>("focused");

    const struct {
        const char *name, *tipo, *marca, *modello, *targa, *missing, *focused;
    } rows[] = {
        {"nothing", "", "", "", "", "il tipo di veicolo", "txtTipo"},
        {"tipo only spaces", "   ", "Fiat", "Doblò", "AB123CD", "il tipo di veicolo", "txtTipo"},
        {"tipo", "Furgone", "", "", "", "la marca del veicolo", "txtMarca"},
        {"marca missing, later ones filled", "Furgone", "", "Doblò", "AB123CD", "la marca del veicolo", "txtMarca"},
        {"tipo, marca", "Furgone", "Fiat", "", "", "il modello del veicolo", "txtModello"},
        {"targa only spaces", "Furgone", "Fiat", "Doblò", "  ", "la targa del veicolo", "txtTarga"},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.name) << QStringList{QString::fromUtf8(row.tipo), QString::fromUtf8(row.marca),
                                               QString::fromUtf8(row.modello), QString::fromUtf8(row.targa)}
                                << QString::fromUtf8(row.missing) << QString::fromLatin1(row.focused);
    }
}

void tst_GuiEditing::requiredFields()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, missing);
    QFETCH(QString, focused);

    CardFixture f;
    const char* const boxes[] = {"txtTipo", "txtMarca", "txtModello", "txtTarga"};
    for (int i = 0; i < 4; ++i)
        f.type(boxes[i], typed[i]);
    f.type("txtNote", QStringLiteral("Il fuoco parte da qui"));

    f.click("cmdSalva");

    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages.first().buttons,
             (QList<Platform::Answer>{Platform::Answer::Ok, Platform::Answer::Cancel}));
    QCOMPARE(f.takeMessages(),
             QStringList{CardFixture::shown(Kind::Warning,
                                            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ") +
                                                missing + QLatin1Char('.'))});
    QCOMPARE(f.card.focusWidget(), f.box(focused.toLatin1().constData()));
    QCOMPARE(f.positionText(), QString());
    QVERIFY(!QFileInfo::exists(f.archivePath()));
    QVERIFY(!QFileInfo::exists(f.platform.folder() + QStringLiteral("Autoparco")));
}

void tst_GuiEditing::saveNewCard_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("position");

    QTest::newRow("missing archive") << -1 << 1;
    QTest::newRow("empty archive") << 0 << 1;
    QTest::newRow("seven records") << 7 << 8;
}

void tst_GuiEditing::saveNewCard()
{
    QFETCH(int, records);
    QFETCH(int, position);

    CardFixture f;
    f.writeVehicles(records);
    const QByteArray before = f.archiveBytes();
    fillRequired(f);
    f.type("txtNote", QStringLiteral("Consegnato in sede"));

    f.click("cmdSalva");

    QCOMPARE(f.takeMessages(), QStringList{inserted()});
    QCOMPARE(f.positionText(), QString::number(position));
    QCOMPARE(f.card.focusWidget(), f.card.findChild<QPushButton*>(QStringLiteral("btnFocus")));
    const QByteArray after = f.archiveBytes();
    QCOMPARE(after.size(), position * TSchedaVeicolo::RecordSize);
    QCOMPARE(after.left(before.size()), before);
    QVERIFY(storedAt(f.platform.folder(), position) == f.card.recordOnCard());
    // The photo goes with the card, here the placeholder.
    QCOMPARE(storedPhotos(f), QStringList{QFileInfo(f.photoPath(position)).fileName()});
    QVERIFY(Gui::readFile(f.photoPath(position)).startsWith("\xFF\xD8"));
    QCOMPARE(QImage(f.photoPath(position)).size(), placeholderPicture().size());
}

void tst_GuiEditing::saveStoredCard()
{
    CardFixture f;
    f.writeVehicles(7);
    const QByteArray before = f.archiveBytes();
    f.showStored(3);
    f.type("txtMarca", QStringLiteral("Renault"));

    f.click("cmdSalva");

    QCOMPARE(f.takeMessages(), QStringList{changesSaved()});
    QCOMPARE(f.positionText(), QStringLiteral("3"));
    const QByteArray after = f.archiveBytes();
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.left(6740), before.left(6740));
    QCOMPARE(after.mid(10110), before.mid(10110));
    QVERIFY(after.mid(6740, 3370) != before.mid(6740, 3370));
    TSchedaVeicolo expected = CardFixture::vehicle(3);
    expected.Marca = QStringLiteral("Renault");
    QVERIFY(storedAt(f.platform.folder(), 3) == expected);
    QVERIFY(QFileInfo::exists(f.photoPath(3)));
}

void tst_GuiEditing::saveTwiceAppendsOnce()
{
    CardFixture f;
    fillRequired(f);

    f.click("cmdSalva");
    f.type("txtColore", QStringLiteral("Bianco"));
    f.click("cmdSalva");

    QCOMPARE(f.takeMessages(), (QStringList{inserted(), changesSaved()}));
    QCOMPARE(f.positionText(), QStringLiteral("1"));
    QCOMPARE(f.archiveBytes().size(), TSchedaVeicolo::RecordSize);
    QCOMPARE(storedAt(f.platform.folder(), 1).Colore, QStringLiteral("Bianco"));
}

void tst_GuiEditing::storedBytes()
{
    CardFixture f;
    f.type("txtTipo", QStringLiteral("Furgone"));
    f.type("txtMarca", QStringLiteral("  Fiat  "));
    f.type("txtModello", QString::fromUtf8("Città è"));
    f.type("txtTarga", QStringLiteral("AB123CD"));

    f.click("cmdSalva");

    QCOMPARE(f.positionText(), QStringLiteral("1"));
    const QByteArray bytes = f.archiveBytes();
    QCOMPARE(bytes.size(), 3370);
    QCOMPARE(bytes.mid(0, 51), storedField("Furgone", 50));
    QCOMPARE(bytes.mid(102, 51), storedField("Fiat", 50));
    QCOMPARE(bytes.mid(153, 51), storedField("Citt\xE0 \xE8", 50));
    QCOMPARE(bytes.mid(204, 13), storedField("AB123CD", 12));
    // The box keeps what the user typed.
    QCOMPARE(f.box("txtMarca")->text(), QStringLiteral("  Fiat  "));
}

void tst_GuiEditing::telaioTakesTenCharacters()
{
    CardFixture f;
    fillRequired(f);
    QTest::keyClicks(f.box("txtTelaio"), QStringLiteral("ZFA22300005556777"));
    QCOMPARE(f.box("txtTelaio")->text(), QStringLiteral("ZFA2230000"));

    f.click("cmdSalva");

    QCOMPARE(f.archiveBytes().mid(289, 11), QByteArray("\x0A"
                                                       "ZFA2230000"));
}

void tst_GuiEditing::saveFailures_data()
{
    QTest::addColumn<CardFixture::Failure>("failure");

    QTest::newRow("archive is a folder") << CardFixture::Failure::ArchiveIsFolder;
    QTest::newRow("program folder under a file") << CardFixture::Failure::FolderUnderFile;
    QTest::newRow("read-only archive") << CardFixture::Failure::ReadOnlyArchive;
    QTest::newRow("read-only folder") << CardFixture::Failure::ReadOnlyFolder;
}

void tst_GuiEditing::saveFailures()
{
    QFETCH(CardFixture::Failure, failure);
    if (CardFixture::needsPermissions(failure) && geteuid() == 0)
        QSKIP("permissions do not bind the superuser");

    CardFixture f;
    if (failure == CardFixture::Failure::ReadOnlyArchive) {
        f.writeVehicles(3);
        f.showStored(2);
        f.type("txtMarca", QStringLiteral("Renault"));
    } else {
        fillRequired(f);
    }
    f.makeUnreachable(failure);
    const QFileInfo archive(f.archivePath());
    const bool existed = archive.exists();
    const bool wasFolder = archive.isDir();
    const QByteArray before = f.archiveBytes();
    const QString position = f.positionText();

    f.click("cmdSalva");

    QCOMPARE(f.takeMessages(), QStringList{CardFixture::accessFailure()});
    QCOMPARE(f.positionText(), position);
    const QFileInfo afterwards(f.archivePath());
    QCOMPARE(afterwards.exists(), existed);
    QCOMPARE(afterwards.isDir(), wasFolder);
    QCOMPARE(f.archiveBytes(), before);
    QCOMPARE(storedPhotos(f), QStringList());
}

void tst_GuiEditing::saveOverTrailingFragment()
{
    CardFixture f;
    f.writeVehicles(3);
    QVERIFY(Gui::writeFile(f.archivePath(), f.archiveBytes() + QByteArray(100, 'X')));
    const QByteArray before = f.archiveBytes();

    f.click("cmdUltimo");
    QCOMPARE(f.positionText(), QStringLiteral("3"));
    QCOMPARE(f.tipo(), QStringLiteral("Veicolo 3"));

    f.click("cmdNuovo");
    fillRequired(f);
    f.click("cmdSalva");

    QCOMPARE(f.positionText(), QStringLiteral("4"));
    const QByteArray after = f.archiveBytes();
    QCOMPARE(after.size(), 4 * 3370);
    QCOMPARE(after.left(10110), before.left(10110));
    QVERIFY(storedAt(f.platform.folder(), 4) == f.card.recordOnCard());
}

void tst_GuiEditing::newCard()
{
    CardFixture f;
    writeThreeWithPhoto(f);
    const QByteArray archive = f.archiveBytes();
    const QByteArray photo = Gui::readFile(f.photoPath(2));
    f.showStored(2);
    QVERIFY(f.imgFoto()->picture() != placeholderPicture());
    f.type("txtNote", QStringLiteral("Da non salvare"));

    // The typed note is offered for saving; No discards it.
    f.platform.queueAnswer(Platform::Answer::No);
    f.click("cmdNuovo");

    Gui::verifyNewAndEmpty(&f.card);
    QCOMPARE(f.takeMessages(),
             QStringList{CardFixture::shown(
                 Platform::MessageKind::Question,
                 QStringLiteral("Le modifiche alla scheda corrente non sono state salvate.\n\rSalvarle adesso?"))});
    QCOMPARE(f.archiveBytes(), archive);
    QCOMPARE(Gui::readFile(f.photoPath(2)), photo);
}

void tst_GuiEditing::duplicateNewCard()
{
    CardFixture f;
    f.type("txtTipo", QStringLiteral("Furgone"));

    f.click("cmdDuplica");

    QCOMPARE(f.takeMessages(),
             QStringList{CardFixture::shown(Kind::Warning, QStringLiteral("Attenzione: la duplicazione di una "
                                                                          "scheda può avvenire soltanto dopo che "
                                                                          "questa è stata inserita in archivio."))});
    QCOMPARE(f.tipo(), QStringLiteral("Furgone"));
    QCOMPARE(f.positionText(), QString());
    QVERIFY(!QFileInfo::exists(f.archivePath()));
}

void tst_GuiEditing::duplicateStoredCard()
{
    CardFixture f;
    writeThreeWithPhoto(f);
    const QByteArray archive = f.archiveBytes();
    const QByteArray photo = Gui::readFile(f.photoPath(2));
    f.click("cmdPrimo");
    f.click("cmdAvanti");
    QCOMPARE(f.positionText(), QStringLiteral("2"));
    QVERIFY(f.imgFoto()->picture() != placeholderPicture());
    const QList<QLabel*> hidden = Gui::attachmentLabels(&f.card);
    QCOMPARE(hidden.first()->text(), withAttachments().File01);

    f.click("cmdDuplica");

    QCOMPARE(f.takeMessages(),
             QStringList{CardFixture::shown(Kind::Information,
                                            QStringLiteral("E' ora possibile apportare le proprie modifiche alla "
                                                           "scheda corrente.\n\r\n\rAl termine premere Salva per "
                                                           "inserire la scheda in archivio."))});
    QCOMPARE(f.positionText(), QString());
    for (const QLabel* label : hidden)
        QCOMPARE(label->text(), QString());
    QCOMPARE(f.imgFoto()->picture(), placeholderPicture());
    QCOMPARE(f.card.focusWidget(), f.box("txtTipo"));
    QVERIFY(f.card.recordOnCard() == withoutAttachments(withAttachments()));
    QCOMPARE(f.archiveBytes(), archive);

    f.click("cmdSalva");

    QCOMPARE(f.takeMessages(), QStringList{inserted()});
    QCOMPARE(f.positionText(), QStringLiteral("4"));
    QVERIFY(storedAt(f.platform.folder(), 4) == withoutAttachments(withAttachments()));
    QVERIFY(storedAt(f.platform.folder(), 2) == withAttachments());
    QVERIFY(Gui::readFile(f.photoPath(4)).startsWith("\xFF\xD8"));
    QCOMPARE(Gui::readFile(f.photoPath(2)), photo);
}

QTEST_MAIN(tst_GuiEditing)
#include "tst_gui_editing.moc"

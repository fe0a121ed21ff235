#include "CardFixture.h"

#include "archive/RecordCodec.h"
#include "archive/VehicleArchive.h"
#include "widgets/ArtworkImage.h"
#include "widgets/PhotoView.h"
#include "widgets/Placeholder.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace Gui {

QList<QLineEdit*> editBoxes(const TfrmAutoparco* card)
{
    QList<QLineEdit*> boxes;
    const auto& fields = TSchedaVeicolo::fields();
    for (int i = 0; i < TSchedaVeicolo::EditFieldCount; ++i)
        boxes.append(card->findChild<QLineEdit*>(QStringLiteral("txt") + QLatin1String(fields[i].name)));
    return boxes;
}

QList<QLabel*> attachmentLabels(const TfrmAutoparco* card)
{
    QList<QLabel*> labels;
    const auto& fields = TSchedaVeicolo::fields();
    for (int i = TSchedaVeicolo::EditFieldCount; i < TSchedaVeicolo::FieldCount; ++i)
        labels.append(card->findChild<QLabel*>(QStringLiteral("lbl") + QLatin1String(fields[i].name)));
    return labels;
}

void verifyNewAndEmpty(const TfrmAutoparco* card)
{
    for (const QLineEdit* box : editBoxes(card)) {
        QVERIFY(box);
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName() + QStringLiteral(": ") + box->text()));
    }
    for (const QLabel* hidden : attachmentLabels(card)) {
        QVERIFY(hidden);
        QVERIFY2(hidden->text().isEmpty(), qPrintable(hidden->objectName() + QStringLiteral(": ") + hidden->text()));
    }
    QCOMPARE(label(card, "lblPosizione")->text(), QString());
    QCOMPARE(photoView(card, "imgFoto")->picture(), placeholderPicture());
    QCOMPARE(card->focusWidget(), editBox(card, "txtTipo"));
}

} // namespace Gui

CardFixture::CardFixture()
{
    card.showMaximized();
    if (!QTest::qWaitForWindowExposed(&card))
        qWarning("the card was not exposed");
}

CardFixture::~CardFixture()
{
    for (const QString& file : std::as_const(m_lockedFiles))
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    for (const QString& folder : std::as_const(m_lockedFolders))
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TSchedaVeicolo CardFixture::vehicle(int n)
{
    const QString number = QString::number(n);
    TSchedaVeicolo record;
    record.Tipo = QStringLiteral("Veicolo ") + number;
    record.Destinazione = QStringLiteral("Consegne zona ") + number;
    record.Marca = QStringLiteral("Marca ") + number;
    record.Modello = QStringLiteral("Modello ") + number;
    record.Targa = QStringLiteral("AB") + number + QStringLiteral("CD");
    record.Telaio = QStringLiteral("TL") + number;
    record.Note = QStringLiteral("Nota del veicolo ") + number;
    return record;
}

void CardFixture::writeVehicles(int count)
{
    if (count < 0)
        return;
    VehicleArchive archive(platform.folder());
    for (int n = 1; n <= count; ++n)
        archive.append(vehicle(n));
    archive.close();
}

void CardFixture::writeRecord(const TSchedaVeicolo& record)
{
    VehicleArchive archive(platform.folder());
    archive.append(record);
    archive.close();
}

void CardFixture::showStored(int position)
{
    VehicleArchive archive(platform.folder());
    const QByteArray stored = archive.records().readAt(position - 1);
    archive.close();
    card.subMostraScheda(decodeRecord<TSchedaVeicolo>(stored), position, stored);
}

void CardFixture::type(const char* name, const QString& text)
{
    Gui::typeInto(box(name), text);
}

QString CardFixture::positionText() const
{
    return Gui::label(&card, "lblPosizione")->text();
}

QString CardFixture::tipo() const
{
    return box("txtTipo")->text();
}

void CardFixture::loadPhoto(const QString& path)
{
    platform.queueFileName(path);
    click("btnCaricaFoto");
}

QStringList CardFixture::takeMessages()
{
    QStringList lines;
    for (const FakePlatform::ShownMessage& message : std::as_const(platform.messages))
        lines.append(shown(message.kind, message.text));
    platform.messages.clear();
    return lines;
}

QString CardFixture::shown(Platform::MessageKind kind, const QString& text)
{
    return QLatin1String(kindName(kind)) + QStringLiteral(": ") + text;
}

QString CardFixture::accessFailure()
{
    return shown(Platform::MessageKind::Error,
                 QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
                                "possedere i privilegi di scrittura nella cartella di installazione del programma."));
}

QString CardFixture::emptyArchive()
{
    return shown(Platform::MessageKind::Information, QStringLiteral("L'archivio non contiene nessuna scheda."));
}

QString CardFixture::photoPath(int position) const
{
    return platform.folder() + QStringLiteral("Autoparco/Scheda_Veicolo_") + QString::number(position) +
           QStringLiteral(".jpg");
}

QString CardFixture::pictureFile(const QString& name, const QImage& picture, const char* format)
{
    const QString path = platform.folder() + QStringLiteral("immagini/") + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!picture.save(path, format))
        qWarning("could not write the picture %s", qPrintable(path));
    return path;
}

void CardFixture::makeUnreachable(Failure failure)
{
    const QString folder = platform.folder();
    switch (failure) {
    case Failure::ArchiveIsFolder:
        QDir().mkpath(archivePath());
        break;
    case Failure::FolderUnderFile:
        Gui::writeFile(folder + QStringLiteral("file.txt"), "un file, non una cartella");
        platform.setProgramFolder(folder + QStringLiteral("file.txt/"));
        break;
    case Failure::ReadOnlyArchive:
        if (!QFileInfo::exists(archivePath()))
            Gui::writeFile(archivePath(), QByteArray());
        QFile::setPermissions(archivePath(), QFile::ReadOwner);
        m_lockedFiles.append(archivePath());
        break;
    case Failure::ReadOnlyFolder:
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        m_lockedFolders.append(folder);
        break;
    }
}

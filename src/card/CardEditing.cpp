// Save, New and Duplicate.
#include "card/TfrmAutoparco.h"

#include "archive/RecordCodec.h"
#include "archive/VehicleArchive.h"
#include "card/OdometerCheck.h"
#include "platform/Platform.h"
#include "widgets/RequiredBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The fields a card cannot be saved without, in the order they are checked.
const struct {
    QString TSchedaVeicolo::*member;
    const char* message;
} RequiredFields[] = {
    {&TSchedaVeicolo::Tipo, "Attenzione: per salvare la scheda è necessario indicare il tipo di veicolo."},
    {&TSchedaVeicolo::Marca, "Attenzione: per salvare la scheda è necessario indicare la marca del veicolo."},
    {&TSchedaVeicolo::Modello, "Attenzione: per salvare la scheda è necessario indicare il modello del veicolo."},
    {&TSchedaVeicolo::Targa, "Attenzione: per salvare la scheda è necessario indicare la targa del veicolo."},
};

} // namespace

bool TfrmAutoparco::requiredFieldsPresent()
{
    QList<RequiredBox> boxes;
    for (const auto& required : RequiredFields)
        boxes.append({box(required.member), required.message});
    return requiredBoxesFilled(this, boxes);
}

void TfrmAutoparco::cmdSalvaClick()
{
    save();
}

bool TfrmAutoparco::save()
{
    btnFocus->setFocus();
    if (!requiredFieldsPresent())
        return false;

    const QString current = position();
    const TSchedaVeicolo record = recordOnCard();
    const QByteArray bytes = encodeRecord(record);
    int stored = 0;
    bool historyWritten = true;
    try {
        VehicleArchive archive(Platform::instance().programFolder());
        if (current.isEmpty()) {
            stored = archive.records().append(
                bytes, [&](int position) { historyWritten = recordHistory(position, nullptr, record); });
        } else {
            const int shown = current.toInt();
            QByteArray before;
            const bool agreed = archive.records().overwriteConfirmed(
                shown - 1, bytes,
                [&](const QByteArray& now) {
                    before = now;
                    return overwriteAgreed(shown, now, record);
                },
                [&] { historyWritten = recordHistory(shown, &before, record); });
            archive.close();
            // No writes nothing, the photo neither; the card keeps what the clerk typed.
            if (!agreed)
                return false;
            stored = archive.currentIndex();
        }
        archive.close();
    } catch (...) {
        // lblPosizione keeps its value: the card stays in the state it was in.
        Messages::error(this, ArchiveMessages::accessFailure());
        return false;
    }

    showPosition(QString::number(stored));
    m_duplicatedFrom = 0;
    keepStored(stored, bytes);
    rememberShownTexts();
    subSalvaFotoScheda();
    if (!historyWritten)
        findChild<QLabel*>(QStringLiteral("panInfo"))
            ->setText(QStringLiteral("Scheda salvata, ma lo storico non è stato aggiornato."));
    Messages::information(this, current.isEmpty()
                                    ? QStringLiteral("La scheda corrente è stata inserita in archivio.")
                                    : QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate "
                                                     "in archivio."));
    return true;
}

bool TfrmAutoparco::overwriteAgreed(int shown, const QByteArray& storedNow, const TSchedaVeicolo& record)
{
    // Bytes, not texts: a change in the unused bytes after a text counts too.
    if (m_keptPosition == shown && storedNow != m_keptBytes &&
        !Messages::question(this, QStringLiteral("Attenzione: la scheda è stata modificata da un'altra postazione "
                                                 "dopo che è stata aperta.\n\rSovrascriverla con i dati mostrati?")))
        return false;
    const TSchedaVeicolo before = decodeRecord<TSchedaVeicolo>(storedNow);
    const QString odometer =
        OdometerCheck::question(before.Chilometri, before.Lettura, record.Chilometri, record.Lettura);
    return odometer.isEmpty() || Messages::question(this, odometer);
}

void TfrmAutoparco::cmdNuovoClick()
{
    if (!offerToSaveEdits())
        return;
    subPulisciScheda();
}

void TfrmAutoparco::cmdDuplicaClick()
{
    if (position().isEmpty()) {
        Messages::warning(this, QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                                               "che questa è stata inserita in archivio."));
        return;
    }
    const int original = position().toInt();
    clearAttachments();
    showPosition(QString());
    m_duplicatedFrom = original;
    showPlaceholder();
    box(&TSchedaVeicolo::Tipo)->setFocus();
    Messages::information(this, QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                                               "corrente.\n\r\n\rAl termine premere Salva per inserire la scheda in "
                                               "archivio."));
}

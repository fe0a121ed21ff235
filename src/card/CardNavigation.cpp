// First, previous, next and last: each opens the archive, decides which record to show,
// closes the archive and only then shows the record with its photo.
#include "card/TfrmAutoparco.h"

#include "archive/RecordCodec.h"
#include "archive/VehicleArchive.h"
#include "platform/Platform.h"

#include <QLabel>

#include <optional>

void TfrmAutoparco::navigate(NavigationCommand command)
{
    if (!offerToSaveEdits())
        return;
    std::optional<QByteArray> record;
    NavigationStep step;
    try {
        VehicleArchive archive(Platform::instance().programFolder());
        step = navigationStep(command, position(), archive.count());
        if (step.kind == NavigationStep::Kind::Show)
            record = archive.records().readAt(step.index);
        archive.close();
    } catch (...) {
        Messages::error(this, ArchiveMessages::accessFailure());
        return;
    }

    if (step.forgetsPosition)
        showPosition(QString());
    if (record)
        subMostraScheda(decodeRecord<TSchedaVeicolo>(*record), step.index + 1, *record);
    else if (step.kind == NavigationStep::Kind::EmptyArchive)
        Messages::information(this, ArchiveMessages::empty());
}

void TfrmAutoparco::cmdPrimoClick()
{
    navigate(NavigationCommand::First);
}

void TfrmAutoparco::cmdIndietroClick()
{
    navigate(NavigationCommand::Previous);
}

void TfrmAutoparco::cmdAvantiClick()
{
    navigate(NavigationCommand::Next);
}

void TfrmAutoparco::cmdUltimoClick()
{
    navigate(NavigationCommand::Last);
}

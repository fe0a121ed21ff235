// The card's part in the vehicle's history: what a save writes to it, and the window that
// shows it.
#include "card/TfrmAutoparco.h"

#include "archive/FieldIndex.h"
#include "archive/RecordCodec.h"
#include "history/HistoryEvents.h"
#include "history/HistoryFile.h"
#include "history/TfrmStorico.h"
#include "platform/Platform.h"
#include "widgets/ArtworkImage.h"

#include <QLabel>

void TfrmAutoparco::showPosition(const QString& position)
{
    lblPosizione->setText(position);
    imgStorico->setEnabled(!position.isEmpty());
}

void TfrmAutoparco::imgStoricoClick()
{
    if (!position().isEmpty())
        TfrmStorico::open(this, *this);
}

QString TfrmAutoparco::captionOf(QString TSchedaVeicolo::*member) const
{
    const QLabel* caption = findChild<QLabel*>(QStringLiteral("lblTitolo") +
                                               QLatin1String(TSchedaVeicolo::fields()[fieldIndex(member)].name));
    QString text = caption ? caption->text() : QString();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

bool TfrmAutoparco::recordHistory(int position, const QByteArray* before, const TSchedaVeicolo& after) noexcept
{
    try {
        const Platform& platform = Platform::instance();
        const History::Stamp stamp{platform.now(), platform.computerName(), platform.userName()};
        std::vector<TEventoVeicolo> events;
        if (!before)
            events.push_back(History::creation(position, after.Targa, m_duplicatedFrom, stamp));
        else
            events = History::changes(decodeRecord<TSchedaVeicolo>(*before), after, position, stamp,
                                      [this](History::TrackedField field) { return captionOf(field); });
        if (events.empty())
            return true;
        HistoryFile history(platform.programFolder());
        history.appendEvents(events);
        history.close();
        return true;
    } catch (...) {
        return false;
    }
}

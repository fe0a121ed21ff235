#pragma once

#include "archive/TSchedaVeicolo.h"
#include "history/TEventoVeicolo.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <array>
#include <functional>
#include <vector>

// The kinds of event a vehicle's history holds, and how each is made. A kind is stored by
// its name, so a reader meets names it does not know in a file written by a newer program:
// those are Unknown, and every state computed from the history skips them.
namespace History {

enum class Kind { Unknown, Modifica, Creazione, Annullamento };

// The stored name of a kind; empty for Unknown.
QString nameOf(Kind kind);
Kind kindOf(QStringView storedName);

// When and by whom an event is written.
struct Stamp {
    QDateTime when;
    QString computer;
    QString user;
};

// An event of kind for the vehicle at position with plate, happened and written at stamp.
TEventoVeicolo event(Kind kind, int position, const QString& plate, const Stamp& stamp);

// The card fields whose changes a save records, in the card's order.
using TrackedField = QString TSchedaVeicolo::*;
const std::array<TrackedField, 8>& trackedFields();

// One Modifica per tracked field whose trimmed text differs between before and after;
// captionOf names a field as the card shows it, without its colon.
std::vector<TEventoVeicolo> changes(const TSchedaVeicolo& before, const TSchedaVeicolo& after, int position,
                                    const Stamp& stamp, const std::function<QString(TrackedField)>& captionOf);

// The one record of a card's first save; duplicatedFrom is the position it was copied
// from, 0 for a card typed anew.
TEventoVeicolo creation(int position, const QString& plate, int duplicatedFrom, const Stamp& stamp);

// Voids the record at voidedIndex of the file, which is voided, for reason.
TEventoVeicolo voiding(int voidedIndex, const TEventoVeicolo& voided, const QString& reason, const Stamp& stamp);

// Texts go into the file as the archive stores them: "→" is not in Windows-1252 and is
// stored as "->", and control characters become blanks. shown() turns "->" back.
QString storable(const QString& text);
QString shown(const QString& text);

} // namespace History

#pragma once

#include "deadlines/DueDates.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The calendar for the clerk's phone: one all-day event per readable due date, each with
// a reminder a week before and one at 9:00 on the day. libical writes the text, so line
// ends and folding follow RFC 5545 without our help.
namespace DeadlineCalendar {
// The event's UID: the same while the vehicle keeps its position and plate, so that a
// calendar importing the file again updates the event instead of adding a second one.
QByteArray uidOf(const DueDates::Scan& scan, const DueDates::Vehicle& vehicle, const DeadlineKind& kind);

// The whole iCalendar text; stamp is the moment of the export (DTSTAMP).
QByteArray text(const DueDates::Scan& scan, const QDateTime& stamp);

// Replaces path through a temporary file; false, with the reason in error, leaves the
// old file as it was.
bool write(const QString& path, const DueDates::Scan& scan, const QDateTime& stamp, QString* error = nullptr);

// What the clerk reads when write() failed with reason: a full disk in words of its own,
// any other reason as the system gave it.
QString failureMessage(const QString& reason);
} // namespace DeadlineCalendar

#pragma once

#include "deadlines/DueDates.h"

#include <QString>

// The launcher's one-line summary of the fleet's due dates, and how urgent it looks.
namespace DueSummary {
enum class Tone { Red, Orange, Green };

// "Scadute: A · Entro 7 giorni: B · Entro 30 giorni: C", the unreadable dates added when
// there are any; a reassuring sentence when there is nothing at all.
QString text(const DueDates::Counts& counts);
// Red for anything overdue, orange for anything within 7 days, green otherwise.
Tone tone(const DueDates::Counts& counts);
} // namespace DueSummary

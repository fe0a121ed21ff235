#include "deadlines/DueSummary.h"

namespace DueSummary {

QString text(const DueDates::Counts& counts)
{
    if (counts.overdue == 0 && counts.within7 == 0 && counts.within30 == 0 && counts.unreadable == 0)
        return QStringLiteral("Nessuna scadenza nei prossimi 30 giorni.");
    QString summary = QStringLiteral("Scadute: %1 \u00B7 Entro 7 giorni: %2 \u00B7 Entro 30 giorni: %3")
                          .arg(counts.overdue)
                          .arg(counts.within7)
                          .arg(counts.within30);
    if (counts.unreadable > 0)
        summary += QStringLiteral(" \u00B7 Date da controllare: %1").arg(counts.unreadable);
    return summary;
}

Tone tone(const DueDates::Counts& counts)
{
    if (counts.overdue > 0)
        return Tone::Red;
    if (counts.within7 > 0)
        return Tone::Orange;
    return Tone::Green;
}

} // namespace DueSummary

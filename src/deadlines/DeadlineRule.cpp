#include "deadlines/DeadlineRule.h"

namespace DeadlineRule {

Urgency urgencyOf(const std::optional<QDate>& day, QDate today)
{
    if (!day)
        return Urgency::Unreadable;
    const qint64 days = today.daysTo(*day);
    if (days < 0)
        return Urgency::Overdue;
    if (days <= 7)
        return Urgency::Within7;
    if (days <= 30)
        return Urgency::Within30;
    if (days <= 90)
        return Urgency::Within90;
    return Urgency::Later;
}

} // namespace DeadlineRule

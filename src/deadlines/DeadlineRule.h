#pragma once

#include <QDate>

#include <cstdint>
#include <optional>

// How urgent a due date is on a given day. The deadline lists, the deadline menu's badges,
// the launcher's summary and the register all take "due", "overdue" and the classes from
// here, so that none of them can draw the line a day apart from the others.
namespace DeadlineRule {

// Most urgent first.
enum class Urgency : std::uint8_t {
    Overdue,    // before today
    Within7,    // today up to today + 7
    Within30,   // after today + 7 up to today + 30
    Within90,   // after today + 30 up to today + 90
    Later,      // after today + 90
    Unreadable, // a date that cannot be read
};

// The class of day on today; Unreadable for no date.
Urgency urgencyOf(const std::optional<QDate>& day, QDate today);

// What a deadline list shows and its badge counts: overdue or due within 7 days.
constexpr bool isDue(Urgency urgency)
{
    return urgency == Urgency::Overdue || urgency == Urgency::Within7;
}

constexpr bool isOverdue(Urgency urgency)
{
    return urgency == Urgency::Overdue;
}

} // namespace DeadlineRule

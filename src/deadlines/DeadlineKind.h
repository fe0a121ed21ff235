#pragma once

#include "archive/TSchedaVeicolo.h"

#include <vector>

// A kind of due date: the card's field it is read from, its name in the register and the
// calendar, and what sets its deadline list apart (the window's name and caption, the note
// under the list and the title of the printed summary).
struct DeadlineKind {
    QString TSchedaVeicolo::*deadline;
    const char* label;   // "Revisione": the register's Scadenza column, the calendar's events
    int graceDays;       // days the cover lasts after the date; 0 for none
    const char* name;    // objectName of its list, "frm" + role
    const char* caption; // UTF-8, with its leading blank
    const char* note;    // lblRigo03
    const char* printTitle;
};

namespace DeadlineKinds {
extern const DeadlineKind& Revisione;
extern const DeadlineKind& Tagliando;
extern const DeadlineKind& Assicurazione;
extern const DeadlineKind& Bollo;

// Every kind, in the card's order: the order of the register's rows of one vehicle and of
// the scan's counts per kind.
const std::vector<const DeadlineKind*>& all();
} // namespace DeadlineKinds

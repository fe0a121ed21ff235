#pragma once

#include "archive/TSchedaVeicolo.h"

// What sets the four deadline lists apart: the deadline field they test, the window's
// name and caption, the note under the list and the title of the printed summary.
struct DeadlineKind {
    QString TSchedaVeicolo::*deadline;
    const char* name;    // objectName, "frm" + role
    const char* caption; // UTF-8, with its leading blank
    const char* note;    // lblRigo03
    const char* printTitle;
};

namespace DeadlineKinds {
extern const DeadlineKind Revisione;
extern const DeadlineKind Tagliando;
extern const DeadlineKind Assicurazione;
extern const DeadlineKind Bollo;
} // namespace DeadlineKinds

#pragma once

#include "archive/TSchedaVeicolo.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The lines of one deadline list: every vehicle whose deadline field holds a date on or
// before today + 7, sorted. The scan shows no message: a failure on the archive ends it
// with the lines found so far, and a deadline that is no date skips only its vehicle.
struct DeadlineScan {
    QStringList lines;
    bool complete = true;    // false when the archive failed
    int unreadableDates = 0; // vehicles skipped for a deadline that is no date
};

// Opens the archive of programFolder (created empty when missing) and reads it through;
// deadline is one of ScadRevisione, ScadTagliando, ScadAssicurazione, ScadBollo.
DeadlineScan scanDeadlines(const QString& programFolder, QString TSchedaVeicolo::*deadline, QDate today);

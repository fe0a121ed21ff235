#pragma once

#include "archive/TSchedaVeicolo.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

// Every due date of every vehicle, read in one pass of the archive, each with its urgency.
// The launcher's summary, the deadline menu's counts and the deadline register all start
// from here, so they can never disagree.
namespace DueDates {

enum class Kind : std::uint8_t { Revisione, Tagliando, Assicurazione, Bollo };
constexpr int KindCount = 4;

// The record member of a kind's date and its name as the register shows it.
QString TSchedaVeicolo::*memberOf(Kind kind);
QString nameOf(Kind kind);

enum class Urgency : std::uint8_t {
    Overdue,    // before today
    Within7,    // today up to today + 7
    Within30,   // after today + 7 up to today + 30
    Later,      // after today + 30
    Unreadable, // a date that cannot be read
};

Urgency urgencyOf(QDate day, QDate today);

// What the register and the calendar show of a vehicle, shared by its four rows.
struct Vehicle {
    int position = 0; // 1-based
    QString marca, modello, targa, tipo, proprietario, autista;
    QString makeAndModel() const;
};

struct Row {
    int vehicle = 0;      // index into Scan::vehicles
    qint64 julianDay = 0; // the date read; 0 for an unreadable one
    Kind kind = Kind::Revisione;
    Urgency urgency = Urgency::Later;
    int unreadableText = -1; // index into Scan::unreadableTexts, for an unreadable date only
};

struct Counts {
    int overdue = 0;
    int within7 = 0;
    int within30 = 0;
    int unreadable = 0;
    void add(const Counts& other);
};

struct DueOfKind {
    int due = 0;
    int overdue = 0;
    void add(const DueOfKind& other);
};

// Rows hold no text of their own, so that 400,000 of them stay small and cheap to move.
struct Scan {
    std::vector<Vehicle> vehicles;        // those with a due date; empty when counting only
    std::vector<Row> rows;                // archive order, then the four kinds in their order
    std::vector<QString> unreadableTexts; // the unreadable dates as stored
    bool complete = true;                 // false when the archive failed part-way
    Counts counts;                        // of every date read, rows kept or not
    DueOfKind ofKind[KindCount];

    // The text of an unreadable date; empty for a readable one.
    QString unreadableText(const Row& row) const;
};

// What a scan keeps besides the counts: counting needs neither rows nor vehicles.
enum class Detail { CountsOnly, VehicleTexts };

// Opens the archive of programFolder (created empty when missing) and reads it through.
// A failure ends the scan quietly with what was read so far and complete false. With
// CountsOnly, no row and no vehicle is kept: only the counts.
Scan scan(const QString& programFolder, QDate today, Detail detail = Detail::VehicleTexts);

Counts countAll(const Scan& scan);

// What a deadline list of that kind would show (overdue or within 7 days), and how many
// of them are overdue.
DueOfKind countOfKind(const Scan& scan, Kind kind);

} // namespace DueDates

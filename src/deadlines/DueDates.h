#pragma once

#include "deadlines/DeadlineKind.h"
#include "deadlines/DeadlineRule.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// Every due date of every vehicle, read in one pass of the archive, each with its urgency.
// The launcher's summary, the deadline menu's counts and the deadline register all start
// from here, so they can never disagree.
namespace DueDates {

using DeadlineRule::Urgency;

// The texts of a vehicle that the register and the calendar show, in the order they lie
// in Scan::texts.
enum class Text : std::uint8_t { Marca, Modello, Targa, Tipo, Proprietario, Autista };
constexpr int TextCount = 6;

// What the register and the calendar show of a vehicle, shared by its rows. Its texts lie
// back to back in Scan::texts, so that a vehicle owns no string of its own.
struct Vehicle {
    int position = 0;  // 1-based
    int textsFrom = 0; // where its first text begins in Scan::texts
    std::uint8_t lengths[TextCount] = {};
};

struct Row {
    const DeadlineKind* kind = nullptr;
    qint64 julianDay = 0;    // the date read; 0 for an unreadable one
    int vehicle = 0;         // index into Scan::vehicles
    int unreadableText = -1; // index into Scan::unreadableTexts, for an unreadable date only
    Urgency urgency = Urgency::Later;
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

// Rows and vehicles hold no text of their own, so that 400,000 rows stay small and cheap to move.
struct Scan {
    std::vector<Vehicle> vehicles;        // those with a due date; empty when counting only
    std::vector<Row> rows;                // archive order, then the kinds in their order
    QString texts;                        // the vehicles' texts, back to back
    std::vector<QString> unreadableTexts; // the unreadable dates as stored
    bool complete = true;                 // false when the archive failed part-way
    Counts counts;                        // of every date read, rows kept or not
    std::vector<DueOfKind> ofKind = std::vector<DueOfKind>(DeadlineKinds::all().size()); // as all() orders them

    QStringView text(const Vehicle& vehicle, Text text) const;
    // "Marca Modello", or the one of the two that is not empty.
    QString makeAndModel(const Vehicle& vehicle) const;
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

// What the deadline list of that kind would show (overdue or within 7 days), and how many
// of them are overdue.
DueOfKind countOfKind(const Scan& scan, const DeadlineKind& kind);

} // namespace DueDates

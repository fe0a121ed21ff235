#pragma once

#include "analysis/CostAnalysis.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Every vehicle's cost entries, read once from the archive and the cost files, so that
// the fleet can be analysed for all years or for one without reading again.
struct FleetCosts {
    struct Vehicle {
        int position = 0; // 1-based
        QString targa;
        QString veicolo;      // make and model
        bool readable = true; // false when its cost file could not be read
    };
    // One listed entry, already read: 32 bytes however long its texts.
    struct Entry {
        int vehicle = 0;      // index into vehicles
        int year = 0;         // 0 when the date does not read
        qint64 julianDay = 0; // 0 when the date does not read
        qint64 cents = 0;
        bool readableAmount = false;
        int cause = 0; // index into causeSpellings and causeKeys
    };

    std::vector<Vehicle> vehicles; // archive order
    std::vector<Entry> entries;
    QStringList causeSpellings; // each cause as the analysis shows it
    QStringList causeKeys;      // and as it groups it
    bool archiveRead = true;    // false when the archive could not be read
    bool cancelled = false;     // true when the reading was stopped part-way

    // The years of the readable dates, newest first.
    QList<int> years() const;
    // The vehicles whose cost file could not be read.
    std::vector<const Vehicle*> unreadable() const;
};

// Reads the archive of programFolder and every vehicle's cost file, without creating
// any. A missing cost file is a vehicle without costs. progress hears the share read so
// far; once cancelled answers true, the reading stops soon with cancelled set.
FleetCosts readFleetCosts(const QString& programFolder, const std::function<void(double done)>& progress = {},
                          const std::function<bool()>& cancelled = {});

// The fleet's analysis for one year, or for every year (dated or not) with AllYears.
struct FleetAnalysis {
    static constexpr int AllYears = 0;

    struct Ranked {
        int vehicle = 0; // index into FleetCosts::vehicles
        CentsSum sum;
        qint64 latestJulianDay = 0; // of its latest readable date; 0 for none
        int count() const { return sum.entries + sum.unreadable; }
    };

    CostAnalysis analysis;
    std::vector<Ranked> ranking; // readable vehicles, largest total first, then by position
};

FleetAnalysis analyseFleet(const FleetCosts& fleet, int year = FleetAnalysis::AllYears);

#pragma once

#include "analysis/CostAnalysis.h"

#include <QString>

// The analysis of one vehicle's cost file, read without creating it. complete is false
// when the file could not be read.
struct VehicleCosts {
    CostAnalysis analysis;
    bool complete = true;
};

VehicleCosts analyseVehicle(const QString& programFolder, int position);

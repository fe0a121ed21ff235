#pragma once

#include "analysis/CostAnalysis.h"
#include "analysis/FleetCosts.h"

#include <QString>

// The analysis as an .xlsx workbook, one sheet per table: "Per anno" and "Per causale",
// and for the fleet "Per veicolo" first; totals as euro numbers, shares as percentages.
namespace AnalysisWorkbook {
QString presetName();
// False, with the reason in error, leaves a file at path as it was.
bool write(const QString& path, const CostAnalysis& analysis, QString* error = nullptr);
bool writeFleet(const QString& path, const FleetCosts& fleet, const FleetAnalysis& analysis, QString* error = nullptr);
} // namespace AnalysisWorkbook

#pragma once

#include "analysis/CostAnalysis.h"

#include <QString>

// The analysis as an .xlsx workbook, one sheet per table: "Per anno" and "Per causale",
// totals as euro numbers and shares as percentages.
namespace AnalysisWorkbook {
QString presetName();
// False, with the reason in error, leaves a file at path as it was.
bool write(const QString& path, const CostAnalysis& analysis, QString* error = nullptr);
} // namespace AnalysisWorkbook

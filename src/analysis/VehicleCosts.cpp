#include "analysis/VehicleCosts.h"

#include "costs/CostFile.h"
#include "costs/CostFileScan.h"

VehicleCosts analyseVehicle(const QString& programFolder, int position)
{
    CostAnalyser analyser;
    const CostFileState state = scanCostFile(programFolder + CostFile::fileName(position),
                                             [&analyser](const TCostoVeicolo& entry) { analyser.add(entry); });
    return {analyser.result(), state != CostFileState::Unreadable};
}

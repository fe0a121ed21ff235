#pragma once

// Prints the fleet cost analysis figure; non-zero when it could not be measured.
int benchAnalysis();

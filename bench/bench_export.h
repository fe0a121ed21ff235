#pragma once

// Prints the export figures; non-zero when they could not be measured.
int benchExport();

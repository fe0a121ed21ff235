#pragma once

// Prints the .xlsx workbook figures; non-zero when they could not be measured.
int benchWorkbook();

#pragma once

// The floor of the .xlsx workbook: libxlsxwriter alone, in constant-memory mode and without
// any format, writing the cells it is handed, so that the workbook's figure can be read
// against the cost of the file format itself.
extern "C" {

// A cell: UTF-8 text, or a number when text is null.
struct XlsxFloorCell {
    const char* text;
    double number;
};

// Fills cells (room for capacity) with row row (1-based, below the header) of sheet sheet;
// returns how many it filled, and 0 past the sheet's last row.
typedef int (*XlsxFloorRow)(void* context, int sheet, int row, struct XlsxFloorCell* cells, int capacity);

// Writes path: sheets named names[0 .. sheets - 1], each with the header row headers[s]
// (headerCounts[s] titles) and then the rows rowOf hands out. 0 when the file was written.
int xlsxFloorWrite(const char* path, int sheets, const char* const* names, const char* const* const* headers,
                   const int* headerCounts, XlsxFloorRow rowOf, void* context);
}

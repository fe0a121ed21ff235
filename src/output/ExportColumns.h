#pragma once

#include "archive/TSchedaVeicolo.h"

#include <array>

// The columns of the export grid after the row number, in the spreadsheet's order: 25 of
// the record's 38 fields. Grid column c (1 to 25) is ExportColumns::all()[c - 1].
struct ExportColumn {
    const char* header; // UTF-8; the same in the grid and in the spreadsheet
    int gridWidth;
    bool readOnly; // false: typing in the grid changes the exported cell, never the archive
    QString TSchedaVeicolo::*member;
    int sheetWidth;
};

namespace ExportColumns {
constexpr int Count = 25;
const std::array<ExportColumn, Count>& all();
} // namespace ExportColumns

#pragma once

#include "output/ExportTableModel.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The spreadsheet file Parco_Automezzi.xls: one line of Windows-1252 HTML with the
// Office spreadsheet markup, so that spreadsheet programs open it as the worksheet
// "Parco Automezzi".
namespace ExportFile {
QString fileName();
// The full path in the program folder (which ends with a separator).
QString path(const QString& programFolder);

// The whole file for these rows: head, header row, one data row per row, tail.
QByteArray contents(const std::vector<ExportTableModel::Row>& rows);

// Writes the file for these rows beside a temporary name in the program folder and only
// then renames it over the old file, so a failure leaves the old file whole.
// False on any failure.
bool write(const QString& programFolder, const std::vector<ExportTableModel::Row>& rows);

// Shown, plain, when the file cannot be written.
QString failureMessage();
} // namespace ExportFile

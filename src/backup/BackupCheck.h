#pragma once

#include <QString>

#include "backup/ZipArchive.h"

// Whether a ZIP is a backup of Corvanta, checked whole before a restore touches anything:
// it names the archive, holds only data names, no absolute path, no "..", no link and no
// name twice, its record files are whole records, and every entry reads back through its CRC.
namespace BackupCheck {

// true when valid; otherwise why, for the developer, in *why when given.
bool isValid(Zip::Reader& reader, QString* why = nullptr, const Job::Cancelled& cancelled = {});
bool isValid(const QString& zipPath, QString* why = nullptr);

} // namespace BackupCheck

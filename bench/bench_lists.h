#pragma once

#include <QString>

// The list scans at 10,000 and 100,000 generated records, each beside the floor. The
// archive of folder is replaced. False when the archive cannot be written.
bool benchLists(const QString& folder, qsizetype& checksum);

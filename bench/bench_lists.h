#pragma once

#include <QString>

// The list scans at 10,000 and 100,000 generated records, each beside the floor. The
// archive of folder is replaced. False when the archive cannot be written.
bool benchLists(const QString& folder, qsizetype& checksum);

// The lists' floor: one block read of the archive of folder, decoding the fields of a list
// line. Returns a checksum, so that the work cannot be left out.
qsizetype listFloorPass(const QString& folder);

#pragma once

#include <QString>

// The search window filled with every vehicle of the archive of folder and shown: the
// median time of several openings and the peak memory of the process meanwhile.
void benchSearchWindow(const QString& folder);

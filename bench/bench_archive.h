#pragma once

// The record codec, appends and scans, then the list scans and the search window on
// archives of 10,000 and 100,000 generated records. Non-zero when they could not run.
int benchArchive();

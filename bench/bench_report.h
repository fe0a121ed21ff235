#pragma once

// Prints one line per figure of the report engine: name, median, target, ok or over.
// Needs a QGuiApplication for the fonts. Non-zero when a PDF could not be written or
// came out empty.
int benchReports();

#pragma once

// Prints one line per figure of the report engine: name, median, target, ok or over.
// Needs a QGuiApplication for the fonts.
void benchReports();

#pragma once

#include <QFont>
#include <QString>

// The windows are laid out for Verdana, Tahoma, Arial and Courier New; the program
// maps them onto the metric-compatible faces it installs.
namespace Fonts {
// Registers the substitutions; call once after the application object exists.
void install();

QFont font(const QString& family, int pointSize, bool bold = false);
// The face of every fixed-column list and report line: always fixed pitch, so the
// columns line up even where "Courier New" itself is missing.
QFont fixedPitch(int pointSize);
} // namespace Fonts

#pragma once

#include <QString>

// The maker of the program: its web site, opened by the launcher and the splash window,
// its e-mail address, shown and written to by the information window, and the version.
namespace Maker {
inline QString webAddress()
{
    return QStringLiteral("http://www.corvanta.it");
}
inline QString emailAddress()
{
    return QStringLiteral("info@corvanta.it");
}
// The program's version, as the build names it.
inline QString version()
{
    return QStringLiteral(CORVANTA_VERSION);
}
} // namespace Maker

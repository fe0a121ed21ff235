#pragma once

#include <QString>

// The maker of the program: its web site, opened by the launcher and the splash window,
// and its e-mail address, shown and written to by the information window.
namespace Maker {
inline QString webAddress()
{
    return QStringLiteral("http://www.corvanta.it");
}
inline QString emailAddress()
{
    return QStringLiteral("info@corvanta.it");
}
} // namespace Maker

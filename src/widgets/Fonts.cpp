#include "widgets/Fonts.h"

#include <QStringList>

namespace Fonts {

void install()
{
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}

QFont font(const QString& family, int pointSize, bool bold)
{
    QFont result(family, pointSize, bold ? QFont::Bold : QFont::Normal);
    result.setStyleHint(QFont::SansSerif);
    return result;
}

QFont fixedPitch(int pointSize)
{
    QFont result(QStringLiteral("Courier New"), pointSize);
    result.setStyleHint(QFont::TypeWriter);
    result.setFixedPitch(true);
    return result;
}

} // namespace Fonts

#include "platform/ProcessFormats.h"

#include <QLocale>

namespace ProcessFormats {

void apply()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

QString shortDatePattern()
{
    return QStringLiteral("dd/MM/yyyy");
}

QChar decimalSeparator()
{
    return QLatin1Char(',');
}

QString formatDate(const QDate& date)
{
    return date.toString(shortDatePattern());
}

QDate parseDate(const QString& text)
{
    return QDate::fromString(text.trimmed(), shortDatePattern());
}

} // namespace ProcessFormats

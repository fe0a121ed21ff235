#include "costs/CentsSum.h"

#include "costs/Amount.h"

bool CentsSum::add(QStringView amount)
{
    const std::optional<qint64> read = Amount::readCents(amount);
    if (!read) {
        ++unreadable;
        return false;
    }
    cents += *read;
    ++entries;
    return true;
}

void CentsSum::add(const CentsSum& other)
{
    cents += other.cents;
    entries += other.entries;
    unreadable += other.unreadable;
}

QString CentsSum::text() const
{
    return Amount::centsText(cents);
}

QString CentsSum::unreadableText() const
{
    return QStringLiteral("Importi non leggibili: ") + QString::number(unreadable);
}

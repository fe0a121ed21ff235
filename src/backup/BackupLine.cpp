#include "backup/BackupLine.h"

namespace BackupLine {

QString sizeText(qint64 bytes)
{
    if (bytes < 1024 * 1024)
        return QString::number((bytes + 1023) / 1024) + QStringLiteral(" KB");
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1)
               .replace(QLatin1Char('.'), QLatin1Char(',')) +
           QStringLiteral(" MB");
}

QString of(const QDateTime& taken, const BackupSummary& summary)
{
    const QString when = taken.toString(QStringLiteral("dd/MM/yyyy hh:mm"));
    if (!summary.readable)
        return when + QStringLiteral("  ") + sizeText(summary.fileSize).rightJustified(9) +
               QStringLiteral("  illeggibile");
    return when + QStringLiteral("  ") + sizeText(summary.fileSize).rightJustified(9) + QStringLiteral("  ") +
           QString::number(summary.cards).rightJustified(6) + QStringLiteral(" schede") +
           QString::number(summary.costEntries).rightJustified(7) + QStringLiteral(" costi") +
           QString::number(summary.photos).rightJustified(5) + QStringLiteral(" foto") +
           QString::number(summary.attachments).rightJustified(5) + QStringLiteral(" allegati");
}

} // namespace BackupLine

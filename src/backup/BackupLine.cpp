#include "backup/BackupLine.h"

namespace BackupLine {

namespace {
QString counted(int count, int width, const char* one, const char* many)
{
    return QString::number(count).rightJustified(width) + QLatin1Char(' ') +
           QString(QLatin1String(count == 1 ? one : many)).leftJustified(static_cast<int>(qstrlen(many)));
}
} // namespace

QString sizeText(qint64 bytes)
{
    if (bytes < 1024 * 1024)
        return QString::number((bytes + 1023) / 1024) + QStringLiteral(" KB");
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1)
               .replace(QLatin1Char('.'), QLatin1Char(',')) +
           QStringLiteral(" MB");
}

QString of(const QDateTime& taken, const BackupSummary& summary, bool beforeRestore)
{
    const QString when = taken.toString(QStringLiteral("dd/MM/yyyy hh:mm"));
    QString line = when + QStringLiteral("  ") + sizeText(summary.fileSize).rightJustified(9);
    if (!summary.readable)
        line += QStringLiteral("  illeggibile");
    else
        line += QStringLiteral("  ") + counted(summary.cards, 6, "scheda", "schede") +
                counted(summary.costEntries, 7, "costo", "costi") + counted(summary.photos, 5, "foto", "foto") +
                counted(summary.attachments, 5, "allegato", "allegati");
    // Two copies of one minute are told apart by it.
    if (beforeRestore)
        line += QStringLiteral(" (prima del ripristino)");
    return line;
}

} // namespace BackupLine

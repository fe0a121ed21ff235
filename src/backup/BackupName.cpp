#include "backup/BackupName.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace BackupName {

namespace {
const QString Format = QStringLiteral("yyyy-MM-dd_HHmmss");
}

QString folderIn(const QString& programFolder)
{
    return programFolder + QStringLiteral("Copie_di_sicurezza/");
}

QString of(const QDateTime& when)
{
    return QStringLiteral("Corvanta_") + when.toString(Format) + QStringLiteral(".zip");
}

QDateTime timeOf(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^Corvanta_(\\d{4}-\\d{2}-\\d{2}_\\d{6})\\.zip$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return {};
    return QDateTime::fromString(match.captured(1), Format);
}

QStringList listIn(const QString& folder)
{
    QStringList names;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("Corvanta_*.zip")}, QDir::Files))
        if (timeOf(name).isValid())
            names.append(name);
    // The stamp sorts as the time does.
    std::sort(names.begin(), names.end(), std::greater<QString>());
    return names;
}

bool hasOneOf(const QString& folder, const QDate& day)
{
    const QStringList names = listIn(folder);
    return std::any_of(names.begin(), names.end(), [&day](const QString& name) { return timeOf(name).date() == day; });
}

} // namespace BackupName

#include "card/OdometerCheck.h"

#include "archive/StoredText.h"
#include "deadlines/DeadlineDate.h"

#include <QRegularExpression>

#include <cmath>

namespace {

QString withoutBlanks(const QString& text)
{
    QString kept;
    for (QChar c : text) {
        if (c.unicode() > 32)
            kept += c;
    }
    return kept;
}

// 48200 or 48.200 as 48 thousand: the "." only between whole groups of three digits.
const QRegularExpression& kilometresPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3}(?:\\.\\d{3})+|\\d+)(?:,(\\d+))?(?:km)?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QString withThousands(double kilometres)
{
    const qint64 whole = std::llround(kilometres);
    QString digits = QString::number(whole);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char('.'));
    return digits;
}

} // namespace

namespace OdometerCheck {

std::optional<double> readKilometres(const QString& text)
{
    const QRegularExpressionMatch match = kilometresPattern().match(withoutBlanks(text));
    if (!match.hasMatch())
        return std::nullopt;
    QString number = match.captured(1).remove(QLatin1Char('.'));
    if (match.hasCaptured(2))
        number += QLatin1Char('.') + match.captured(2);
    bool ok = false;
    const double kilometres = number.toDouble(&ok);
    return ok ? std::optional<double>(kilometres) : std::nullopt;
}

QString question(const QString& storedKilometres, const QString& storedDate, const QString& newKilometres,
                 const QString& newDate)
{
    const std::optional<double> before = readKilometres(storedKilometres);
    const std::optional<double> after = readKilometres(newKilometres);
    if (!before || !after)
        return {};
    if (*after < *before)
        return QStringLiteral("Attenzione: i chilometri inseriti (%1) sono meno di quelli già registrati (%2).\n\r"
                              "Salvare comunque?")
            .arg(StoredText::trimmed(newKilometres), StoredText::trimmed(storedKilometres));

    const std::optional<QDate> readBefore = DeadlineDate::read(storedDate);
    const std::optional<QDate> readAfter = DeadlineDate::read(newDate);
    if (!readBefore || !readAfter)
        return {};
    const qint64 days = std::max<qint64>(1, readBefore->daysTo(*readAfter));
    const double run = *after - *before;
    if (run <= MostKilometresPerDay * static_cast<double>(days))
        return {};
    return QStringLiteral("Attenzione: %1 km in %2 giorni sono molti.\n\rSalvare comunque?")
        .arg(withThousands(run))
        .arg(days);
}

} // namespace OdometerCheck

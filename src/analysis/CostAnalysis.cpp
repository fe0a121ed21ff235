#include "analysis/CostAnalysis.h"

#include "archive/StoredText.h"
#include "costs/Amount.h"
#include "deadlines/DeadlineDate.h"

#include <algorithm>

namespace {
constexpr int TopCauses = 5;
} // namespace

QString CostAnalysis::undated()
{
    return QStringLiteral("Senza data");
}

QString CostAnalysis::noCause()
{
    return QStringLiteral("(senza causale)");
}

QString CostAnalysis::otherCauses()
{
    return QStringLiteral("Altre");
}

QString CostAnalyser::causeSpelling(const QString& cause)
{
    QString spelling;
    bool blank = false;
    for (const QChar character : StoredText::trimmed(cause)) {
        if (character.unicode() <= 0x20 || character.isSpace()) {
            blank = true;
            continue;
        }
        if (blank)
            spelling += QLatin1Char(' ');
        blank = false;
        spelling += character;
    }
    return spelling;
}

QString CostAnalyser::causeKey(const QString& cause)
{
    return causeSpelling(cause).toCaseFolded();
}

void CostAnalyser::add(const TCostoVeicolo& entry)
{
    if (StoredText::trimmed(entry.Importo).isEmpty())
        return;
    const std::optional<QDate> date = DeadlineDate::read(entry.Data);
    const QString spelling = causeSpelling(entry.Causale);
    add(date ? date->year() : 0, Amount::readCents(entry.Importo), spelling, spelling.toCaseFolded());
}

void CostAnalyser::add(int year, std::optional<qint64> cents, const QString& spelling, const QString& key)
{
    CentsSum one;
    if (cents) {
        one.cents = *cents;
        one.entries = 1;
    } else {
        one.unreadable = 1;
    }
    add(year, one, spelling, key);
}

void CostAnalyser::add(int year, const CentsSum& sum, const QString& spelling, const QString& key)
{
    m_total.add(sum);
    m_years[year].add(sum);
    auto group = m_causes.find(key);
    if (group == m_causes.end()) {
        group = m_causes.insert(key, Group{});
        group->first = spelling;
        m_causeOrder.append(key);
    }
    group->sum.add(sum);
    group->spellings[spelling] += sum.entries + sum.unreadable;
    group->centsByYear[year] += sum.cents;
}

CostAnalysis CostAnalyser::result() const
{
    CostAnalysis analysis;
    analysis.total = m_total;

    QList<int> years = m_years.keys();
    std::sort(years.begin(), years.end(), [](int a, int b) { return (a == 0 ? 1 << 30 : a) < (b == 0 ? 1 << 30 : b); });
    for (const int year : years)
        analysis.years.push_back({year == 0 ? CostAnalysis::undated() : QString::number(year), m_years.value(year)});

    std::vector<QString> keys(m_causeOrder.cbegin(), m_causeOrder.cend());
    std::stable_sort(keys.begin(), keys.end(), [this](const QString& a, const QString& b) {
        return m_causes.value(a).sum.cents > m_causes.value(b).sum.cents;
    });
    for (const QString& key : keys) {
        const Group& group = m_causes[key];
        // The most frequent spelling; of equally frequent ones, the first seen.
        QString shown = group.first;
        int best = group.spellings.value(shown);
        for (auto it = group.spellings.cbegin(); it != group.spellings.cend(); ++it) {
            if (it.value() > best) {
                best = it.value();
                shown = it.key();
            }
        }
        CostAnalysis::Cause cause{key.isEmpty() ? CostAnalysis::noCause() : shown, group.sum, 0};
        if (m_total.cents != 0)
            cause.percent = 100.0 * static_cast<double>(group.sum.cents) / static_cast<double>(m_total.cents);
        analysis.causes.push_back(cause);
    }

    const int named = std::min<int>(TopCauses, static_cast<int>(keys.size()));
    for (int s = 0; s < named; ++s)
        analysis.stackNames.append(analysis.causes[static_cast<size_t>(s)].cause);
    if (static_cast<int>(keys.size()) > named)
        analysis.stackNames.append(CostAnalysis::otherCauses());
    for (const int year : years) {
        std::vector<qint64> stack(static_cast<size_t>(analysis.stackNames.size()), 0);
        for (int k = 0; k < static_cast<int>(keys.size()); ++k)
            stack[static_cast<size_t>(std::min(k, named))] +=
                m_causes[keys[static_cast<size_t>(k)]].centsByYear.value(year);
        analysis.stacks.push_back(stack);
    }
    return analysis;
}

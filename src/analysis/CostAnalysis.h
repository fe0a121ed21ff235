#pragma once

#include "costs/CentsSum.h"
#include "costs/TCostoVeicolo.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

#include <vector>

// One vehicle's (or the fleet's) costs summed by year and by cause, in exact cents.
struct CostAnalysis {
    struct Year {
        QString year; // "2026", or "Senza data" for a date that does not read
        CentsSum sum;
        int count() const { return sum.entries + sum.unreadable; }
    };
    struct Cause {
        QString cause; // the group's most frequent spelling; "(senza causale)" for none
        CentsSum sum;
        double percent = 0; // of the whole
    };

    std::vector<Year> years;   // oldest first, "Senza data" last
    std::vector<Cause> causes; // largest first
    CentsSum total;

    // The chart's stacks: the five largest causes, then "Altre" when there are more.
    QStringList stackNames;
    // stacks[y][s]: the cents of stack s in years[y].
    std::vector<std::vector<qint64>> stacks;

    static QString undated();
    static QString noCause();
    static QString otherCauses();
};

// Gathers listed cost entries, in any order, into a CostAnalysis.
class CostAnalyser {
public:
    // An entry with an empty amount is no entry and is left out.
    void add(const TCostoVeicolo& entry);
    // An entry already read: its year (0 when the date does not read), its cents (none
    // when the amount does not read), and its cause as spelled and as grouped.
    void add(int year, std::optional<qint64> cents, const QString& spelling, const QString& key);
    // Entries of one year and one spelling of a cause, summed beforehand.
    void add(int year, const CentsSum& sum, const QString& spelling, const QString& key);
    CostAnalysis result() const;

    // The key causes are grouped by: blanks trimmed, inner runs of blanks made one, case
    // folded.
    static QString causeKey(const QString& cause);
    // The cause as it is shown: trimmed, inner runs of blanks made one.
    static QString causeSpelling(const QString& cause);

private:
    struct Group {
        CentsSum sum;
        QHash<QString, int> spellings;
        QString first;
        QHash<int, qint64> centsByYear; // 0: undated
    };
    QHash<int, CentsSum> m_years; // 0: undated
    QHash<QString, Group> m_causes;
    QStringList m_causeOrder; // first seen, for stable ties
    CentsSum m_total;
};

#pragma once

#include <QStringList>
#include <QStringView>

#include <vector>

// The order of the sorted lists: character by character, a to z counting as A to Z and
// every other character by its code; a line that begins another comes first.
namespace LineOrder {
// Negative, zero or positive as a sorts before, with or after b.
int compare(QStringView a, QStringView b);

inline bool before(QStringView a, QStringView b)
{
    return compare(a, b) < 0;
}

// Sorts once, after a scan. Lines that compare equal keep no particular order.
void sort(QStringList& lines);

// Collects the lines of a scan and hands them out sorted, as sort() would. Each line is
// prepared for sorting as it arrives, while it is still in the cache.
// The folded lines must stay below 4 GiB, some 25 million list lines.
class SortedLines {
public:
    // Room for that many lines, when the scan knows it.
    void reserve(qsizetype lines, qsizetype charactersPerLine);
    void append(QString line);
    qsizetype size() const { return m_lines.size(); }
    // The lines in order; the collector is empty afterwards.
    QStringList take();

private:
    QStringList m_lines;
    std::vector<unsigned char> m_folded; // every line folded, back to back
    std::vector<size_t> m_starts;        // where each line's folded bytes start
};
} // namespace LineOrder

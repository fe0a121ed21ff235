#include "lists/LineOrder.h"

#include "lists/AsciiFold.h"

#include <algorithm>
#include <vector>

namespace LineOrder {
int compare(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = AsciiFold::upper(a[i].unicode());
        const char16_t y = AsciiFold::upper(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

namespace {
// A sort entry: the first four folded characters packed, most significant first, and
// the line's place. An ended line packs as 0 there, so comparing keys never disagrees
// with compare(); only equal keys need the lines themselves.
struct SortEntry {
    quint64 key;
    qsizetype position;
};

quint64 packedStart(QStringView line)
{
    quint64 key = 0;
    for (qsizetype i = 0; i < 4; ++i)
        key = (key << 16) | (i < line.size() ? AsciiFold::upper(line[i].unicode()) : 0u);
    return key;
}
} // namespace

void sort(QStringList& lines)
{
    std::vector<SortEntry> entries;
    entries.reserve(static_cast<size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        entries.push_back({packedStart(lines[i]), i});
    std::sort(entries.begin(), entries.end(), [&lines](const SortEntry& a, const SortEntry& b) {
        if (a.key != b.key)
            return a.key < b.key;
        return compare(lines.at(a.position), lines.at(b.position)) < 0;
    });
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const SortEntry& entry : entries)
        sorted.append(std::move(lines[entry.position]));
    lines = std::move(sorted);
}
} // namespace LineOrder

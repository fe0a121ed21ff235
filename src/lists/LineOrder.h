#pragma once

#include <QStringList>
#include <QStringView>

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
} // namespace LineOrder

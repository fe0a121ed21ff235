#include "lists/ListFinder.h"

#include "lists/AsciiFold.h"

ListFinder::Result ListFinder::findNext(const QStringList& lines, int selected, QStringView text)
{
    const int count = static_cast<int>(lines.size());
    if (count == 0)
        return {Outcome::EmptyList, -1};
    if (selected < 0 || selected >= count)
        selected = 0;

    const QString wanted = AsciiFold::toLower(text);
    int start = 0;
    bool found = false;
    if (wanted == m_lastText) {
        start = selected;
    } else {
        found = AsciiFold::occursIn(wanted, lines.at(0));
    }
    int i = start;
    while (!found) {
        i = (i + 1) % count;
        found = AsciiFold::occursIn(wanted, lines.at(i));
        if (i == start)
            break;
    }
    m_lastText = wanted;
    return found ? Result{Outcome::Found, i} : Result{Outcome::NotFound, selected};
}

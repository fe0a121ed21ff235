#include "lists/AsciiFold.h"

namespace AsciiFold {
QString toLower(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(folded.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = lower(text[i].unicode());
    return folded;
}

bool occursIn(QStringView foldedNeedle, QStringView text)
{
    const qsizetype needle = foldedNeedle.size();
    if (needle == 0 || needle > text.size())
        return false;
    const char16_t first = foldedNeedle[0].unicode();
    for (qsizetype start = 0; start + needle <= text.size(); ++start) {
        if (lower(text[start].unicode()) != first)
            continue;
        qsizetype i = 1;
        while (i < needle && lower(text[start + i].unicode()) == foldedNeedle[i].unicode())
            ++i;
        if (i == needle)
            return true;
    }
    return false;
}
} // namespace AsciiFold

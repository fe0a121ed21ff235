#pragma once

#include <QString>
#include <QStringView>

// The lists and the search fold only the letters A to Z; è and È, for instance, stay apart.
namespace AsciiFold {
constexpr char16_t lower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

constexpr char16_t upper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - (u'a' - u'A')) : c;
}

// text with A to Z turned into a to z.
QString toLower(QStringView text);

// Whether foldedNeedle (already lowered) is a contiguous part of text once text's A to Z
// are lowered. An empty needle occurs nowhere.
bool occursIn(QStringView foldedNeedle, QStringView text);
} // namespace AsciiFold

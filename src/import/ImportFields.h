#pragma once

#include "archive/TSchedaVeicolo.h"

#include <QList>
#include <QString>
#include <QStringList>

// The 32 card fields an import can fill, by the labels the card shows for them.
namespace ImportFields {
struct Field {
    QString TSchedaVeicolo::*member;
    const char* label; // UTF-8, the card's caption without its colon
};

// In record order; index i is field i of the record.
const QList<Field>& all();
QString label(int field);
// What a column that feeds no field shows in place of a label: "(non importare)".
QString notImported();
// The five fields that hold a date.
bool isDate(int field);
// The four fields a card needs to be saved, in the order the card checks them.
const QList<int>& required();

// Label, record name or synonym compared without case, accents, punctuation and blanks.
QString normalised(const QString& text);
// The field a header names, or -1.
int match(const QString& header);

// One entry per column of the file: the field it feeds, or -1 for "not imported".
struct Matching {
    QList<int> fields;
    QStringList notes;
};
// Matches every header; a second column for a field already taken is not imported, with a note.
Matching matchAll(const QStringList& header);
// Sets column to field and undoes any earlier column feeding it, with a note.
void choose(Matching& matching, const QStringList& header, int column, int field);
} // namespace ImportFields

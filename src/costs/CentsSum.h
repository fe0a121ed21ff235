#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

// A running total of amount texts in whole cents, for the analyses: exact however many
// entries there are. An amount that does not read is counted apart and never totalled.
struct CentsSum {
    qint64 cents = 0;
    int entries = 0;    // amounts totalled
    int unreadable = 0; // amounts that did not read

    // False, and the amount counted as unreadable, when it does not read.
    bool add(QStringView amount);
    void add(const CentsSum& other);

    // "1000,00"
    QString text() const;
    // "Importi non leggibili: 3"
    QString unreadableText() const;
};

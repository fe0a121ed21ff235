#pragma once

#include "report/ReportTemplate.h"

#include <QDate>
#include <QPageLayout>

#include <vector>

// A template laid out on pages: every object where it prints, in units from the
// paper's top-left corner, with its expressions evaluated. Painting reads only this.
namespace Report {

struct PlacedObject {
    Object object; // a copy; a text split across pages holds only the lines of this page
    QRectF clip;   // nothing of the object prints outside this
};

struct PreparedPage {
    std::vector<PlacedObject> objects;
};

struct PreparedReport {
    QSizeF paperMm; // as it lies
    Orientation orientation = Orientation::Portrait;
    std::vector<PreparedPage> pages;

    // The paper, its orientation and no margins: objects carry their own places.
    QPageLayout pageLayout() const;
};

// Lays the template's bands out on pages: the title once at the top of the first page,
// the master data split across pages at line boundaries when it is splittable, the
// footer right after it. [DATE] becomes today in the program's date format.
PreparedReport prepare(const ReportTemplate& report, const QDate& today);

// A template text with its expressions evaluated; other bracketed text stays as it is.
QString evaluated(const QString& text, const QDate& today);

} // namespace Report

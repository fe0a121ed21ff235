#pragma once

#include "archive/TSchedaVeicolo.h"
#include "report/ReportTemplate.h"

// The program's two report templates, as the windows carry them.
namespace ReportTemplates {

// "Riepilogo dati": a landscape A4 page with the title bar, the list and the date bar.
Report::ReportTemplate riepilogoDati();

// Fills "Riepilogo dati" for one printout: the title, the lines, and the heights of the
// list and of its band, so that nothing of an earlier printout carries over.
void fillRiepilogo(Report::ReportTemplate& report, const QString& title, const QStringList& lines);

// The list's height per line: 12.822 units, or more where the list's face needs more.
double riepilogoLineHeight(const Report::TextObject& list);

// "Scheda Veicolo": one portrait A4 page without bands: the title bar, the photo and
// the 32 field boxes of the card.
Report::ReportTemplate schedaVeicolo();

// The value object of a card field in "Scheda Veicolo": "txt" + the field's name.
QString valueObjectName(QString TSchedaVeicolo::*member);

// The card's fields in the order the print windows fill them.
const std::array<QString TSchedaVeicolo::*, TSchedaVeicolo::EditFieldCount>& printedFields();

} // namespace ReportTemplates

#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Prints a list window's title and lines as the summary report "Riepilogo dati" through
// the print dialog. A confirmed dialog prints, a cancelled one prints nothing, and no
// message follows either way. A failure of the report engine is shown on caller as an
// error box; the caller's list stays as it was.
void StampaRiepilogo(QWidget* caller, const QString& title, const QStringList& lines);

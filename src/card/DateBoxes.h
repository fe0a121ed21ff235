#pragma once

#include "archive/TSchedaVeicolo.h"

// The card's five date boxes and the tags the date picker knows them by, in the order the
// picker tries the tags.
struct DateBox {
    QString TSchedaVeicolo::*member;
    const char* tag;
};

inline const DateBox DateBoxes[] = {
    {&TSchedaVeicolo::Lettura, "autoparco_lettura"},
    {&TSchedaVeicolo::ScadRevisione, "autoparco_scadrevisione"},
    {&TSchedaVeicolo::ScadTagliando, "autoparco_scadtagliando"},
    {&TSchedaVeicolo::ScadAssicurazione, "autoparco_scadassicurazione"},
    {&TSchedaVeicolo::ScadBollo, "autoparco_scadbollo"},
};

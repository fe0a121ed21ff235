#include "deadlines/DeadlineKind.h"

namespace DeadlineKinds {

const DeadlineKind Revisione = {
    &TSchedaVeicolo::ScadRevisione,
    "frmScadRevisione",
    " Veicoli con revisione in scadenza o scaduta",
    "Il presente riepilogo visualizza le revisioni scadute o in scadenza nei prossimi 7 giorni",
    "Veicoli con revisione in scadenza o scadute",
};

const DeadlineKind Tagliando = {
    &TSchedaVeicolo::ScadTagliando,
    "frmScadTagliando",
    " Veicoli con tagliando in scadenza o scaduto",
    "Il presente riepilogo visualizza i tagliandi scaduti o in scadenza nei prossimi 7 giorni",
    "Veicoli con tagliando in scadenza o scaduto",
};

const DeadlineKind Assicurazione = {
    &TSchedaVeicolo::ScadAssicurazione,
    "frmScadAssicurazione",
    " Veicoli con assicurazione in scadenza o scaduta",
    "Il presente riepilogo visualizza le assicurazioni scadute o in scadenza nei prossimi 7 giorni",
    "Veicoli con assicurazione in scadenza o scadute",
};

const DeadlineKind Bollo = {
    &TSchedaVeicolo::ScadBollo,
    "frmScadBollo",
    " Veicoli con bollo in scadenza o scaduto",
    "Il presente riepilogo visualizza i bolli scaduti o in scadenza nei prossimi 7 giorni",
    "Veicoli con bollo in scadenza o scaduto",
};

} // namespace DeadlineKinds

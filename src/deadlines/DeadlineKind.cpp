#include "deadlines/DeadlineKind.h"

namespace {

using V = TSchedaVeicolo;

// Italian law keeps the insurance cover for this many days after its due date.
constexpr int InsuranceGraceDays = 15;

const DeadlineKind Kinds[] = {
    {&V::ScadRevisione, "Revisione", 0, "frmScadRevisione", " Veicoli con revisione in scadenza o scaduta",
     "Il presente riepilogo visualizza le revisioni scadute o in scadenza nei prossimi 7 giorni",
     "Veicoli con revisione in scadenza o scadute"},
    {&V::ScadTagliando, "Tagliando", 0, "frmScadTagliando", " Veicoli con tagliando in scadenza o scaduto",
     "Il presente riepilogo visualizza i tagliandi scaduti o in scadenza nei prossimi 7 giorni",
     "Veicoli con tagliando in scadenza o scaduto"},
    {&V::ScadAssicurazione, "Assicurazione", InsuranceGraceDays, "frmScadAssicurazione",
     " Veicoli con assicurazione in scadenza o scaduta",
     "Il presente riepilogo visualizza le assicurazioni scadute o in scadenza nei prossimi 7 giorni",
     "Veicoli con assicurazione in scadenza o scadute"},
    {&V::ScadBollo, "Bollo", 0, "frmScadBollo", " Veicoli con bollo in scadenza o scaduto",
     "Il presente riepilogo visualizza i bolli scaduti o in scadenza nei prossimi 7 giorni",
     "Veicoli con bollo in scadenza o scaduto"},
};

} // namespace

namespace DeadlineKinds {

const DeadlineKind& Revisione = Kinds[0];
const DeadlineKind& Tagliando = Kinds[1];
const DeadlineKind& Assicurazione = Kinds[2];
const DeadlineKind& Bollo = Kinds[3];

const std::vector<const DeadlineKind*>& all()
{
    static const std::vector<const DeadlineKind*> kinds = [] {
        std::vector<const DeadlineKind*> list;
        for (const DeadlineKind& kind : Kinds)
            list.push_back(&kind);
        return list;
    }();
    return kinds;
}

} // namespace DeadlineKinds

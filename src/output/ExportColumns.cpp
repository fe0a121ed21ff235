#include "output/ExportColumns.h"

namespace ExportColumns {

const std::array<ExportColumn, Count>& all()
{
    using V = TSchedaVeicolo;
    static const std::array<ExportColumn, Count> columns = {{
        {"Tipo veicolo", 200, true, &V::Tipo, 250},
        {"Destinazione ed uso", 200, true, &V::Destinazione, 300},
        {"Marca", 200, true, &V::Marca, 250},
        {"Modello", 200, false, &V::Modello, 250},
        {"Targa", 160, false, &V::Targa, 200},
        {"Immatricolazione", 160, false, &V::Anno, 200},
        {"Colore", 200, false, &V::Colore, 250},
        {"Telaio", 200, true, &V::Telaio, 250},
        {"Pneumatici", 250, true, &V::Pneumatici, 300},
        {"Stato veicolo", 200, false, &V::Stato, 250},
        {"Km percorsi", 180, true, &V::Chilometri, 250},
        {"Alimentazione", 180, true, &V::Alimentazione, 250},
        {"Cilindrata", 180, true, &V::Cilindrata, 250},
        {"kW", 160, false, &V::KW, 250},
        {"Compatibilità ambientale", 200, true, &V::Ambiente, 250},
        {"Proprietario", 250, false, &V::Proprietario, 300},
        {"Autista", 200, true, &V::Autista, 250},
        {"Tel. autista", 160, false, &V::TelAutista, 200},
        {"Meccanico", 200, false, &V::Meccanico, 250},
        {"Tel. meccanico", 160, false, &V::TelMeccanico, 200},
        {"Scad. revisione", 160, false, &V::ScadRevisione, 200},
        {"Scad. tagliando", 160, false, &V::ScadTagliando, 200},
        {"Scad. assicurazione", 160, false, &V::ScadAssicurazione, 200},
        {"Scad. bollo", 160, false, &V::ScadBollo, 200},
        {"Note", 350, false, &V::Note, 400},
    }};
    return columns;
}

} // namespace ExportColumns

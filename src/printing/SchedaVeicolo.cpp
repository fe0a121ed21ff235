// The vehicle card form "Scheda Veicolo": one A4 page, every object on the page itself.
#include "printing/ReportTemplates.h"

#include "archive/FieldIndex.h"

#include <iterator>

namespace ReportTemplates {

namespace {

using namespace Report;
using V = TSchedaVeicolo;

const QColor RoyalBlue(65, 105, 225);

enum Exceptions {
    None = 0,
    Raised = 1,        // caption 0.6 mm below the bar's top, value 1 mm below the box's top
    NarrowCaption = 2, // caption 3 mm narrower than its bar
};

// One field box: the top of its bar and its left edge in mm, its width in mm, the
// caption and the card field whose text the value shows. The value box starts 5 mm
// below the bar's top.
struct FieldBox {
    double top, left, width;
    const char* caption;
    QString TSchedaVeicolo::*member;
    int exceptions;
};

const FieldBox FieldBoxes[] = {
    {100, 1, 92, "TIPO VEICOLO", &V::Tipo, None},
    {100, 95, 94, "DESTINAZIONE ED USO", &V::Destinazione, None},
    {115, 1, 92, "MARCA", &V::Marca, None},
    {115, 95, 94, "MODELLO", &V::Modello, None},
    {130, 1, 48, "TARGA", &V::Targa, None},
    {130, 51, 42, "IMMATRICOLAZIONE", &V::Anno, None},
    {130, 95, 94, "COLORE", &V::Colore, None},
    {145, 1, 48, "TELAIO", &V::Telaio, None},
    {145, 51, 42, "STATO VEICOLO", &V::Stato, None},
    {145, 95, 51, "CHILOMETRI PERCORSI", &V::Chilometri, None},
    {145, 148, 41, "DATA LETTURA", &V::Lettura, None},
    {160, 1, 92, "PNEUMATICI", &V::Pneumatici, Raised},
    {160, 95, 45, "ALIMENTAZIONE", &V::Alimentazione, None},
    {160, 142, 47, "CILINDRATA", &V::Cilindrata, None},
    {175, 1, 45, "kW", &V::KW, None},
    {175, 48, 45, "PORTATA MASSIMA", &V::Portata, NarrowCaption},
    {175, 95, 94, "COMPATIBILITA' AMBIENTALE", &V::Ambiente, None},
    {190, 1, 45, "NUMERO POSTI", &V::Posti, None},
    {190, 48, 141, "COMPAGNIA ASSICURATIVA", &V::Compagnia, None},
    {205, 1, 45, "TEL. ASSICURATORE", &V::TelAssicuratore, None},
    {205, 48, 45, "IMPORTO POLIZZA", &V::Polizza, None},
    {205, 95, 45, "AUTISTA", &V::Autista, None},
    {205, 142, 47, "TEL. AUTISTA", &V::TelAutista, None},
    {220, 1, 45, "MECCANICO", &V::Meccanico, None},
    {220, 48, 45, "TEL. MECCANICO", &V::TelMeccanico, None},
    {220, 95, 45, "SCADENZA REVISIONE", &V::ScadRevisione, None},
    {220, 142, 47, "SCADENZA TAGLIANDO", &V::ScadTagliando, None},
    {235, 1, 45, "SCAD. ASSICURAZIONE", &V::ScadAssicurazione, None},
    {235, 48, 45, "SCADENZA BOLLO", &V::ScadBollo, None},
    {235, 95, 94, "PROPRIETARIO", &V::Proprietario, None},
    {250, 1, 188, "INCIDENTI SUBITI", &V::Incidenti, None},
    {265, 1, 188, "NOTE", &V::Note, Raised},
};
static_assert(std::size(FieldBoxes) == TSchedaVeicolo::EditFieldCount, "one box for every field the card shows");

// Every text of the form prints as it is, cut at its right edge.
TextStyle arial(double pointSize, bool bold, QColor colour, Qt::Alignment alignment)
{
    return {QStringLiteral("Arial"), pointSize, bold, colour, {}, alignment, false, false};
}

QString fieldName(QString TSchedaVeicolo::*member)
{
    return QLatin1String(TSchedaVeicolo::fields()[static_cast<std::size_t>(fieldIndex(member))].name);
}

void addFieldBox(std::vector<Object>& objects, const FieldBox& box)
{
    const QString name = fieldName(box.member);
    const bool raised = box.exceptions & Raised;
    const double captionWidth = box.width - ((box.exceptions & NarrowCaption) ? 3 : 2);
    const double boxTop = box.top + 5;

    objects.push_back(ShapeObject{QStringLiteral("shpTitolo") + name, mmRect(box.left, box.top, box.width, 4.8),
                                  RoyalBlue, RoyalBlue});
    objects.push_back(TextObject{QStringLiteral("lblTitolo") + name,
                                 mmRect(box.left + 1, box.top + (raised ? 0.6 : 1), captionWidth, 3.6),
                                 arial(8, true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter),
                                 {QString::fromUtf8(box.caption)}});
    objects.push_back(
        ShapeObject{QStringLiteral("shpValore") + name, mmRect(box.left, boxTop, box.width, 6), {}, Qt::black, 1});
    objects.push_back(TextObject{QStringLiteral("txt") + name,
                                 mmRect(box.left + 1, boxTop + (raised ? 1 : 1.4), box.width - 2, 4),
                                 arial(8, false, Qt::black, Qt::AlignLeft | Qt::AlignVCenter),
                                 {}});
}

} // namespace

Report::ReportTemplate schedaVeicolo()
{
    Page page{QStringLiteral("Page1"), 9, {210, 297}, Orientation::Portrait, {10, 10, 10, 10}, {}, {}};
    page.objects.push_back(ShapeObject{QStringLiteral("shpTitolo"), mmRect(1, 1, 188, 8), RoyalBlue, RoyalBlue});
    page.objects.push_back(TextObject{QStringLiteral("txtNome"),
                                      mmRect(2, 2.2, 186, 6),
                                      arial(12, false, Qt::white, Qt::AlignCenter),
                                      {QStringLiteral("SCHEDA VEICOLO")}});
    page.objects.push_back(PictureObject{QStringLiteral("imgLogo"), mmRect(1, 11, 188, 87), true, true, false, {}});
    for (const FieldBox& box : FieldBoxes)
        addFieldBox(page.objects, box);
    return {QStringLiteral("Scheda Veicolo"), {page}};
}

QString valueObjectName(QString TSchedaVeicolo::*member)
{
    return QStringLiteral("txt") + fieldName(member);
}

const std::array<QString TSchedaVeicolo::*, TSchedaVeicolo::EditFieldCount>& printedFields()
{
    static const std::array<QString TSchedaVeicolo::*, TSchedaVeicolo::EditFieldCount> fields = {
        &V::Tipo,       &V::Destinazione, &V::Marca,         &V::Modello,       &V::Targa,
        &V::Anno,       &V::Colore,       &V::Telaio,        &V::Pneumatici,    &V::Stato,
        &V::Chilometri, &V::Lettura,      &V::Alimentazione, &V::Cilindrata,    &V::KW,
        &V::Ambiente,   &V::Posti,        &V::Portata,       &V::Compagnia,     &V::TelAssicuratore,
        &V::Polizza,    &V::Incidenti,    &V::Proprietario,  &V::Autista,       &V::TelAutista,
        &V::Meccanico,  &V::TelMeccanico, &V::ScadRevisione, &V::ScadTagliando, &V::ScadAssicurazione,
        &V::ScadBollo,  &V::Note};
    return fields;
}

} // namespace ReportTemplates

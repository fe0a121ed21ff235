#include "import/ImportFields.h"

#include <QHash>

namespace ImportFields {
namespace {
using V = TSchedaVeicolo;

const QList<Field> Fields = {
    {&V::Tipo, "Tipo veicolo"},
    {&V::Destinazione, "Destinazione ed uso"},
    {&V::Marca, "Marca"},
    {&V::Modello, "Modello"},
    {&V::Targa, "Targa"},
    {&V::Anno, "Immatricolazione"},
    {&V::Colore, "Colore"},
    {&V::Telaio, "Telaio"},
    {&V::Pneumatici, "Pneumatici"},
    {&V::Stato, "Stato veicolo"},
    {&V::Chilometri, "Chilometri percorsi"},
    {&V::Lettura, "Data lettura"},
    {&V::Alimentazione, "Alimentazione"},
    {&V::Cilindrata, "Cilindrata"},
    {&V::KW, "kW"},
    {&V::Ambiente, "Compatibilità ambientale"},
    {&V::Posti, "Numero posti"},
    {&V::Portata, "Portata massima"},
    {&V::Compagnia, "Compagnia assicurativa"},
    {&V::TelAssicuratore, "Tel. assicuratore"},
    {&V::Polizza, "Importo polizza"},
    {&V::Incidenti, "Incidenti subiti"},
    {&V::Proprietario, "Proprietario"},
    {&V::Autista, "Autista"},
    {&V::TelAutista, "Telefono autista"},
    {&V::Meccanico, "Meccanico"},
    {&V::TelMeccanico, "Telefono meccanico"},
    {&V::ScadRevisione, "Scad. revisione"},
    {&V::ScadTagliando, "Scad. tagliando"},
    {&V::ScadAssicurazione, "Scad. assicurazione"},
    {&V::ScadBollo, "Scad. bollo"},
    {&V::Note, "Note"},
};

// Headers a sheet commonly carries for a field, besides its label and record name.
struct Synonym {
    const char* header;
    QString TSchedaVeicolo::*member;
};
const Synonym Synonyms[] = {
    {"Tipo", &V::Tipo},
    {"Km", &V::Chilometri},
    {"Chilometri", &V::Chilometri},
    {"Chilometraggio", &V::Chilometri},
    {"Anno", &V::Anno},
    {"Anno immatricolazione", &V::Anno},
    {"Data immatricolazione", &V::Anno},
    {"Assicurazione", &V::Compagnia},
    {"Compagnia", &V::Compagnia},
    {"Numero telaio", &V::Telaio},
    {"Colore carrozzeria", &V::Colore},
    {"Carburante", &V::Alimentazione},
    {"Potenza", &V::KW},
    {"Posti", &V::Posti},
    {"Portata", &V::Portata},
    {"Euro", &V::Ambiente},
    {"Classe ambientale", &V::Ambiente},
    {"Stato", &V::Stato},
    {"Incidenti", &V::Incidenti},
    {"Polizza", &V::Polizza},
    {"Revisione", &V::ScadRevisione},
    {"Tagliando", &V::ScadTagliando},
    {"Bollo", &V::ScadBollo},
    {"Scadenza revisione", &V::ScadRevisione},
    {"Scadenza tagliando", &V::ScadTagliando},
    {"Scadenza assicurazione", &V::ScadAssicurazione},
    {"Scadenza bollo", &V::ScadBollo},
    {"Uso", &V::Destinazione},
    {"Destinazione", &V::Destinazione},
    {"Note", &V::Note},
    {"Annotazioni", &V::Note},
};

int indexOf(QString TSchedaVeicolo::*member)
{
    for (int i = 0; i < Fields.size(); ++i) {
        if (Fields.at(i).member == member)
            return i;
    }
    return -1;
}

const QHash<QString, int>& byName()
{
    static const QHash<QString, int> names = [] {
        QHash<QString, int> made;
        for (const Synonym& synonym : Synonyms)
            made.insert(normalised(QString::fromUtf8(synonym.header)), indexOf(synonym.member));
        const auto& stored = TSchedaVeicolo::fields();
        for (int i = 0; i < Fields.size(); ++i) {
            made.insert(normalised(QString::fromLatin1(stored[static_cast<size_t>(i)].name)), i);
            made.insert(normalised(QString::fromUtf8(Fields.at(i).label)), i);
        }
        return made;
    }();
    return names;
}

QString note(const QStringList& header, int column, int taken, int field)
{
    return QStringLiteral("La colonna «%1» andrebbe in %2, che riceve già la colonna «%3»: non verrà importata.")
        .arg(header.value(column), label(field), header.value(taken));
}
} // namespace

const QList<Field>& all()
{
    return Fields;
}

QString label(int field)
{
    return field >= 0 && field < Fields.size() ? QString::fromUtf8(Fields.at(field).label) : QString();
}

QString notImported()
{
    return QStringLiteral("(non importare)");
}

bool isDate(int field)
{
    static const QList<int> dates = {indexOf(&V::Lettura), indexOf(&V::ScadRevisione), indexOf(&V::ScadTagliando),
                                     indexOf(&V::ScadAssicurazione), indexOf(&V::ScadBollo)};
    return dates.contains(field);
}

const QList<int>& required()
{
    static const QList<int> fields = {indexOf(&V::Tipo), indexOf(&V::Marca), indexOf(&V::Modello), indexOf(&V::Targa)};
    return fields;
}

QString normalised(const QString& text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber())
            plain.append(c.toLower());
    }
    return plain;
}

int match(const QString& header)
{
    return byName().value(normalised(header), -1);
}

Matching matchAll(const QStringList& header)
{
    Matching matching;
    for (int column = 0; column < header.size(); ++column) {
        const int field = match(header.at(column));
        const int taken = field < 0 ? -1 : static_cast<int>(matching.fields.indexOf(field));
        if (taken >= 0)
            matching.notes.append(note(header, column, taken, field));
        matching.fields.append(taken >= 0 ? -1 : field);
    }
    return matching;
}

void choose(Matching& matching, const QStringList& header, int column, int field)
{
    if (column < 0 || column >= matching.fields.size())
        return;
    matching.fields[column] = field;
    if (field < 0)
        return;
    for (int other = 0; other < matching.fields.size(); ++other) {
        if (other != column && matching.fields.at(other) == field) {
            matching.notes.append(
                QStringLiteral("La colonna «%1» non verrà più importata: %2 ora riceve la colonna «%3».")
                    .arg(header.value(other), label(field), header.value(column)));
            matching.fields[other] = -1;
        }
    }
}

} // namespace ImportFields

#include "history/HistoryEvents.h"

#include "archive/StoredText.h"

namespace History {

namespace {
const struct {
    Kind kind;
    const char* name;
} KindNames[] = {
    {Kind::Modifica, "Modifica"},
    {Kind::Creazione, "Creazione"},
    {Kind::Annullamento, "Annullamento"},
};

const QString DateFormat = QStringLiteral("dd/MM/yyyy");
} // namespace

QString nameOf(Kind kind)
{
    for (const auto& row : KindNames) {
        if (row.kind == kind)
            return QLatin1String(row.name);
    }
    return QString();
}

Kind kindOf(QStringView storedName)
{
    for (const auto& row : KindNames) {
        if (storedName == QLatin1String(row.name))
            return row.kind;
    }
    return Kind::Unknown;
}

TEventoVeicolo event(Kind kind, int position, const QString& plate, const Stamp& stamp)
{
    TEventoVeicolo made;
    made.Tipo = nameOf(kind);
    made.Posizione = QString::number(position);
    made.Targa = StoredText::trimmed(plate);
    made.Data = stamp.when.date().toString(DateFormat);
    made.Ora = stamp.when.time().toString(QStringLiteral("HH:mm"));
    made.RegistratoData = made.Data;
    made.RegistratoOra = stamp.when.time().toString(QStringLiteral("HH:mm:ss"));
    made.Computer = stamp.computer;
    made.Utente = stamp.user;
    return made;
}

const std::array<TrackedField, 8>& trackedFields()
{
    using V = TSchedaVeicolo;
    static const std::array<TrackedField, 8> fields = {&V::Chilometri,        &V::Lettura,       &V::Autista,
                                                       &V::TelAutista,        &V::ScadRevisione, &V::ScadTagliando,
                                                       &V::ScadAssicurazione, &V::ScadBollo};
    return fields;
}

std::vector<TEventoVeicolo> changes(const TSchedaVeicolo& before, const TSchedaVeicolo& after, int position,
                                    const Stamp& stamp, const std::function<QString(TrackedField)>& captionOf)
{
    std::vector<TEventoVeicolo> made;
    for (TrackedField field : trackedFields()) {
        const QString old = StoredText::trimmed(before.*field);
        const QString now = StoredText::trimmed(after.*field);
        if (old == now)
            continue;
        TEventoVeicolo change = event(Kind::Modifica, position, after.Targa, stamp);
        change.Soggetto = captionOf(field);
        change.Prima = old;
        change.Dopo = now;
        made.push_back(change);
    }
    return made;
}

TEventoVeicolo creation(int position, const QString& plate, int duplicatedFrom, const Stamp& stamp)
{
    TEventoVeicolo made = event(Kind::Creazione, position, plate, stamp);
    made.Nota = duplicatedFrom > 0 ? QStringLiteral("Scheda duplicata dalla posizione %1").arg(duplicatedFrom)
                                   : QStringLiteral("Scheda creata");
    return made;
}

TEventoVeicolo voiding(int voidedIndex, const TEventoVeicolo& voided, const QString& reason, const Stamp& stamp)
{
    TEventoVeicolo made = event(Kind::Annullamento, voided.Posizione.toInt(), voided.Targa, stamp);
    made.Riferimento = QString::number(voidedIndex);
    made.Nota = reason;
    return made;
}

QString storable(const QString& text)
{
    QString stored = text;
    stored.replace(QChar(0x2192), QLatin1String("->"));
    for (QChar& c : stored) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    }
    return stored;
}

QString shown(const QString& text)
{
    QString readable = text;
    readable.replace(QLatin1String("->"), QString(QChar(0x2192)));
    return readable;
}

} // namespace History

#include "analysis/FleetCosts.h"

#include "archive/RecordScanner.h"
#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "costs/Amount.h"
#include "costs/CostFile.h"
#include "costs/CostFileScan.h"
#include "deadlines/DeadlineDate.h"

#include <QHash>

#include <algorithm>
#include <array>

QList<int> FleetCosts::years() const
{
    QList<int> found;
    for (const Entry& entry : entries) {
        if (entry.year != 0 && !found.contains(entry.year))
            found.append(entry.year);
    }
    std::sort(found.begin(), found.end(), std::greater<>());
    return found;
}

std::vector<const FleetCosts::Vehicle*> FleetCosts::unreadable() const
{
    std::vector<const Vehicle*> found;
    for (const Vehicle& vehicle : vehicles) {
        if (!vehicle.readable)
            found.push_back(&vehicle);
    }
    return found;
}

FleetCosts readFleetCosts(const QString& programFolder)
{
    using V = TSchedaVeicolo;
    FleetCosts fleet;
    try {
        VehicleArchive archive(programFolder);
        RecordScanner scanner(archive.records());
        const FieldDecoder<V> decoder({&V::Marca, &V::Modello, &V::Targa});
        fleet.vehicles.reserve(static_cast<std::size_t>(scanner.count()));
        QByteArrayView bytes;
        V record;
        while (scanner.next(bytes)) {
            decoder.decode(bytes, record);
            QString veicolo = record.Marca;
            if (!record.Modello.isEmpty())
                veicolo += (veicolo.isEmpty() ? QString() : QStringLiteral(" ")) + record.Modello;
            fleet.vehicles.push_back({scanner.index() + 1, record.Targa, veicolo, true});
        }
        archive.close();
    } catch (const FileAccessError&) {
        fleet.archiveRead = false;
        return fleet;
    }

    // Each entry is read from its bytes, through one reused buffer; causes repeat across
    // the fleet, so each text is spelled and folded once.
    static const StoredField dateAt = storedField(&TCostoVeicolo::Data);
    static const StoredField causeAt = storedField(&TCostoVeicolo::Causale);
    static const StoredField amountAt = storedField(&TCostoVeicolo::Importo);
    std::array<QChar, 256> buffer;
    const auto text = [&buffer](QByteArrayView entry, const StoredField& at) {
        const QByteArrayView bytes = StoredText::trimmedBytes(entry.data() + at.offset, at.capacity);
        return QStringView(buffer.data(), StoredText::decodeTo(bytes, buffer.data()) - buffer.data());
    };
    QHash<QString, int> causeOf;
    for (int v = 0; v < static_cast<int>(fleet.vehicles.size()); ++v) {
        FleetCosts::Vehicle& vehicle = fleet.vehicles[static_cast<std::size_t>(v)];
        const std::size_t before = fleet.entries.size();
        const CostFileState state =
            scanCostFileBytes(programFolder + CostFile::fileName(vehicle.position), [&](QByteArrayView listed) {
                FleetCosts::Entry entry;
                entry.vehicle = v;
                std::optional<QDate> date = DeadlineDate::readAsWritten(
                    StoredText::trimmedBytes(listed.data() + dateAt.offset, dateAt.capacity));
                if (!date)
                    date = DeadlineDate::read(text(listed, dateAt));
                if (date) {
                    entry.year = date->year();
                    entry.julianDay = date->toJulianDay();
                }
                if (const std::optional<qint64> cents = Amount::readCents(text(listed, amountAt))) {
                    entry.cents = *cents;
                    entry.readableAmount = true;
                }
                const QStringView cause = text(listed, causeAt);
                auto known = causeOf.constFind(QString::fromRawData(cause.data(), cause.size()));
                if (known == causeOf.cend()) {
                    const QString spelling = CostAnalyser::causeSpelling(cause.toString());
                    known = causeOf.insert(cause.toString(), static_cast<int>(fleet.causeSpellings.size()));
                    fleet.causeSpellings.append(spelling);
                    fleet.causeKeys.append(spelling.toCaseFolded());
                }
                entry.cause = known.value();
                fleet.entries.push_back(entry);
            });
        if (state == CostFileState::Unreadable) {
            // Whatever was read before the failure is not half a vehicle's costs.
            fleet.entries.resize(before);
            vehicle.readable = false;
        }
    }
    return fleet;
}

FleetAnalysis analyseFleet(const FleetCosts& fleet, int year)
{
    FleetAnalysis made;
    CostAnalyser analyser;
    std::vector<FleetAnalysis::Ranked> byVehicle(fleet.vehicles.size());
    for (std::size_t v = 0; v < byVehicle.size(); ++v)
        byVehicle[v].vehicle = static_cast<int>(v);
    for (const FleetCosts::Entry& entry : fleet.entries) {
        if (year != FleetAnalysis::AllYears && entry.year != year)
            continue;
        const std::optional<qint64> cents = entry.readableAmount ? std::optional<qint64>(entry.cents) : std::nullopt;
        analyser.add(entry.year, cents, fleet.causeSpellings[entry.cause], fleet.causeKeys[entry.cause]);
        FleetAnalysis::Ranked& ranked = byVehicle[static_cast<std::size_t>(entry.vehicle)];
        if (cents) {
            ranked.sum.cents += *cents;
            ++ranked.sum.entries;
        } else {
            ++ranked.sum.unreadable;
        }
        ranked.latestJulianDay = std::max(ranked.latestJulianDay, entry.julianDay);
    }
    made.analysis = analyser.result();
    for (const FleetAnalysis::Ranked& ranked : byVehicle) {
        if (fleet.vehicles[static_cast<std::size_t>(ranked.vehicle)].readable)
            made.ranking.push_back(ranked);
    }
    // Ties keep the archive's order.
    std::stable_sort(
        made.ranking.begin(), made.ranking.end(),
        [](const FleetAnalysis::Ranked& a, const FleetAnalysis::Ranked& b) { return a.sum.cents > b.sum.cents; });
    return made;
}

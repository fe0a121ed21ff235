#include "analysis/FleetCosts.h"

#include "archive/InTwoHalves.h"
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

namespace {

// The entries of some vehicles, with the causes they name.
struct FleetPart {
    std::vector<FleetCosts::Entry> entries;
    QStringList spellings, keys;
    QHash<QString, int> causeOf; // each cause as stored, to its index
    std::vector<int> unreadable; // vehicles whose cost file could not be read
    bool cancelled = false;

    void join(FleetPart&& later)
    {
        std::vector<int> renumbered(static_cast<std::size_t>(later.spellings.size()));
        for (auto it = later.causeOf.cbegin(); it != later.causeOf.cend(); ++it)
            renumbered[static_cast<std::size_t>(it.value())] =
                causeIndex(it.key(), later.spellings[it.value()], later.keys[it.value()]);
        entries.reserve(entries.size() + later.entries.size());
        for (FleetCosts::Entry entry : later.entries) {
            entry.cause = renumbered[static_cast<std::size_t>(entry.cause)];
            entries.push_back(entry);
        }
        unreadable.insert(unreadable.end(), later.unreadable.begin(), later.unreadable.end());
    }

    int causeIndex(const QString& stored, const QString& spelling, const QString& key)
    {
        const auto known = causeOf.constFind(stored);
        if (known != causeOf.cend())
            return known.value();
        causeOf.insert(stored, static_cast<int>(spellings.size()));
        spellings.append(spelling);
        keys.append(key);
        return static_cast<int>(spellings.size()) - 1;
    }
};

// Reads the cost files of vehicles [from, to) into part. Each entry is read from its bytes
// through one reused buffer; causes repeat, so each text is spelled and folded once. Cost
// files are named by position, so the vehicles' own texts are not needed here.
void readPart(const QString& programFolder, int from, int to, FleetPart& part,
              const std::function<void(double)>& progress, const std::function<bool()>& cancelled)
{
    // A check for cancelling, and a step of progress, every so many vehicles.
    constexpr int Step = 64;
    static const StoredField dateAt = storedField(&TCostoVeicolo::Data);
    static const StoredField causeAt = storedField(&TCostoVeicolo::Causale);
    static const StoredField amountAt = storedField(&TCostoVeicolo::Importo);
    std::array<QChar, 256> buffer;
    const auto text = [&buffer](QByteArrayView entry, const StoredField& at) {
        const QByteArrayView bytes = StoredText::trimmedBytes(entry.data() + at.offset, at.capacity);
        return QStringView(buffer.data(), StoredText::decodeTo(bytes, buffer.data()) - buffer.data());
    };
    for (int v = from; v < to; ++v) {
        if ((v - from) % Step == 0) {
            if (cancelled && cancelled()) {
                part.cancelled = true;
                return;
            }
            if (progress)
                progress(static_cast<double>(v - from) / (to - from));
        }
        const std::size_t before = part.entries.size();
        const CostFileState state =
            scanCostFileBytes(programFolder + CostFile::fileName(v + 1), [&](QByteArrayView listed) {
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
                const auto known = part.causeOf.constFind(QString::fromRawData(cause.data(), cause.size()));
                if (known != part.causeOf.cend()) {
                    entry.cause = known.value();
                } else {
                    const QString spelling = CostAnalyser::causeSpelling(cause.toString());
                    entry.cause = part.causeIndex(cause.toString(), spelling, spelling.toCaseFolded());
                }
                part.entries.push_back(entry);
            });
        if (state == CostFileState::Unreadable) {
            // Whatever was read before the failure is not half a vehicle's costs.
            part.entries.resize(before);
            part.unreadable.push_back(v);
        }
    }
}

} // namespace

void readVehicles(RecordScanner& scanner, std::vector<FleetCosts::Vehicle>& vehicles)
{
    using V = TSchedaVeicolo;
    const FieldDecoder<V> decoder({&V::Marca, &V::Modello, &V::Targa});
    vehicles.reserve(static_cast<std::size_t>(scanner.count()));
    QByteArrayView bytes;
    V record;
    while (scanner.next(bytes)) {
        decoder.decode(bytes, record);
        QString veicolo = record.Marca;
        if (!record.Modello.isEmpty())
            veicolo += (veicolo.isEmpty() ? QString() : QStringLiteral(" ")) + record.Modello;
        vehicles.push_back({scanner.index() + 1, record.Targa, veicolo, true});
    }
}

FleetCosts readFleetCosts(const QString& programFolder, const std::function<void(double)>& progress,
                          const std::function<bool()>& cancelled)
{
    FleetCosts fleet;
    FleetPart first, second;
    try {
        VehicleArchive archive(programFolder);
        RecordScanner scanner(archive.records());
        // The cost files are many and small: a thread of its own reads the second half while
        // this one reads the archive and the first half, which tells the progress of both.
        InTwoHalves::read(
            scanner.count(),
            [&](int from, int to) {
                readVehicles(scanner, fleet.vehicles);
                archive.close();
                readPart(programFolder, from, to, first, progress, cancelled);
            },
            [&](int from, int to) { readPart(programFolder, from, to, second, {}, cancelled); });
    } catch (const FileAccessError&) {
        fleet.vehicles.clear();
        fleet.archiveRead = false;
        return fleet;
    }
    if (first.cancelled || second.cancelled) {
        fleet.cancelled = true;
        return fleet;
    }
    // The halves are joined in archive order.
    first.join(std::move(second));
    fleet.entries = std::move(first.entries);
    fleet.causeSpellings = std::move(first.spellings);
    fleet.causeKeys = std::move(first.keys);
    for (const int v : first.unreadable)
        fleet.vehicles[static_cast<std::size_t>(v)].readable = false;
    return fleet;
}

FleetAnalysis analyseFleet(const FleetCosts& fleet, int year)
{
    FleetAnalysis made;
    std::vector<FleetAnalysis::Ranked> byVehicle(fleet.vehicles.size());
    for (std::size_t v = 0; v < byVehicle.size(); ++v)
        byVehicle[v].vehicle = static_cast<int>(v);
    // The entries of one cause in one year are summed before they reach the analyser, which
    // then meets each pair once instead of every entry.
    std::vector<QHash<int, CentsSum>> causeYears(static_cast<std::size_t>(fleet.causeSpellings.size()));
    for (const FleetCosts::Entry& entry : fleet.entries) {
        if (year != FleetAnalysis::AllYears && entry.year != year)
            continue;
        CentsSum one;
        if (entry.readableAmount) {
            one.cents = entry.cents;
            one.entries = 1;
        } else {
            one.unreadable = 1;
        }
        causeYears[static_cast<std::size_t>(entry.cause)][entry.year].add(one);
        FleetAnalysis::Ranked& ranked = byVehicle[static_cast<std::size_t>(entry.vehicle)];
        ranked.sum.add(one);
        ranked.latestJulianDay = std::max(ranked.latestJulianDay, entry.julianDay);
    }
    CostAnalyser analyser;
    for (std::size_t cause = 0; cause < causeYears.size(); ++cause) {
        const QHash<int, CentsSum>& years = causeYears[cause];
        for (auto it = years.cbegin(); it != years.cend(); ++it)
            analyser.add(it.key(), it.value(), fleet.causeSpellings[static_cast<qsizetype>(cause)],
                         fleet.causeKeys[static_cast<qsizetype>(cause)]);
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

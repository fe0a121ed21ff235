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
#include <thread>

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
// through one reused buffer; causes repeat, so each text is spelled and folded once.
// A check for cancelling, and a step of progress, every so many vehicles.
constexpr int Step = 64;

void readPart(const QString& programFolder, const std::vector<FleetCosts::Vehicle>& vehicles, int from, int to,
              FleetPart& part, const std::function<void(double)>& progress, const std::function<bool()>& cancelled)
{
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
        const CostFileState state = scanCostFileBytes(
            programFolder + CostFile::fileName(vehicles[static_cast<std::size_t>(v)].position),
            [&](QByteArrayView listed) {
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

FleetCosts readFleetCosts(const QString& programFolder, const std::function<void(double)>& progress,
                          const std::function<bool()>& cancelled)
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

    // The cost files are many and small: two threads read half each, and the halves are
    // joined in archive order.
    const int half = static_cast<int>(fleet.vehicles.size()) / 2;
    FleetPart second;
    std::thread other([&] {
        readPart(programFolder, fleet.vehicles, half, static_cast<int>(fleet.vehicles.size()), second, {}, cancelled);
    });
    FleetPart first;
    // The first half tells the progress of both, which run at one pace.
    readPart(programFolder, fleet.vehicles, 0, half, first, progress, cancelled);
    other.join();
    if (first.cancelled || second.cancelled) {
        fleet.cancelled = true;
        return fleet;
    }
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

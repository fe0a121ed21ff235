// Times the .xlsx workbook of a large archive with its cost files against libxlsxwriter
// alone writing the same cells (no formats, constant memory), and its peak memory. The
// workbook runs first, so the peak is its own and not the floor's.
#include "bench_workbook.h"

#include "BenchFigures.h"
#include "XlsxFloor.h"

#include "archive/FieldIndex.h"
#include "archive/VehicleArchive.h"
#include "costs/Amount.h"
#include "costs/CostFile.h"
#include "deadlines/DeadlineDate.h"
#include "deadlines/DeadlineKind.h"
#include "output/FleetWorkbook.h"

#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using V = TSchedaVeicolo;

constexpr int Vehicles = 100000;
constexpr int EntriesPerVehicle = 2; // 200,000 cost entries
constexpr int Runs = 3;
constexpr double TargetRatio = 1.3;

TSchedaVeicolo vehicle(int i)
{
    TSchedaVeicolo record;
    record.Tipo = QStringLiteral("Autovettura");
    record.Destinazione = QStringLiteral("Servizio città");
    record.Marca = QStringLiteral("Fiat");
    record.Modello = QStringLiteral("Panda 1.2 n° %1").arg(i);
    record.Targa = QStringLiteral("AB%1CD").arg(i % 1000, 3, 10, QLatin1Char('0'));
    record.Chilometri = QStringLiteral("48.%1").arg(i % 1000, 3, 10, QLatin1Char('0'));
    record.Lettura = QStringLiteral("05/03/2026");
    record.Ambiente = QStringLiteral("Euro 6 è");
    record.Proprietario = QStringLiteral("Società Alfa");
    record.ScadRevisione = QStringLiteral("%1/01/2027").arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
    record.ScadBollo = QStringLiteral("31/12/2026");
    record.Note = QStringLiteral("Gomme invernali montate, prossimo cambio a primavera");
    return record;
}

TCostoVeicolo costEntry()
{
    TCostoVeicolo entry;
    entry.Data = QStringLiteral("12/03/2026");
    entry.Causale = QStringLiteral("Tagliando e cambio olio");
    entry.Pagatore = QStringLiteral("Ufficio tecnico");
    entry.Beneficiario = QStringLiteral("Officina Società");
    entry.Importo = QStringLiteral("185,40");
    return entry;
}

bool writeFleet(const QString& folder)
{
    QFile archive(folder + VehicleArchive::fileName());
    if (!archive.open(QIODevice::WriteOnly))
        return false;
    const QByteArray costs = encodeRecord(costEntry()).repeated(EntriesPerVehicle);
    for (int i = 1; i <= Vehicles; ++i) {
        if (archive.write(encodeRecord(vehicle(i))) != TSchedaVeicolo::RecordSize)
            return false;
        QFile cost(folder + CostFile::fileName(i));
        if (!cost.open(QIODevice::WriteOnly) || cost.write(costs) != costs.size())
            return false;
    }
    return true;
}

// A sheet's day number, as a date cell holds it.
double dayNumber(const QString& text)
{
    const std::optional<QDate> date = DeadlineDate::read(text);
    return date ? static_cast<double>(QDate(1899, 12, 30).daysTo(*date)) : -1;
}

// The cells of the workbook's three sheets, made ready before the clock starts: each text
// UTF-8 and NUL-ended, each date and amount already a number. One row per vehicle, one per
// cost entry and one per due date, as the workbook writes them.
class FloorCells {
public:
    static constexpr int Fields = TSchedaVeicolo::EditFieldCount;

    FloorCells()
    {
        const auto& fields = TSchedaVeicolo::fields();
        for (int f = 0; f < Fields; ++f) {
            const QString V::*member = fields[static_cast<std::size_t>(f)].member;
            m_dated[static_cast<std::size_t>(f)] = member == &V::Lettura || member == &V::ScadRevisione ||
                                                   member == &V::ScadTagliando || member == &V::ScadAssicurazione ||
                                                   member == &V::ScadBollo;
        }
        for (const DeadlineKind* kind : DeadlineKinds::all())
            m_dues.push_back({fieldIndex(kind->deadline), kind->label});
        m_texts.reserve(std::size_t(Vehicles) * 256);
        m_vehicles.reserve(Vehicles);
        for (int i = 1; i <= Vehicles; ++i) {
            const TSchedaVeicolo record = vehicle(i);
            Vehicle made;
            made.from = m_texts.size();
            for (int f = 0; f < Fields; ++f) {
                const QString& text = record.*fields[static_cast<std::size_t>(f)].member;
                const QByteArray utf8 = text.toUtf8();
                m_texts.append(utf8.constData(), static_cast<std::size_t>(utf8.size()) + 1);
                made.lengths[static_cast<std::size_t>(f)] = static_cast<std::uint16_t>(utf8.size());
                const bool kilometres = fields[static_cast<std::size_t>(f)].member == &V::Chilometri;
                made.numbers[static_cast<std::size_t>(f)] = m_dated[static_cast<std::size_t>(f)] ? dayNumber(text)
                                                            : kilometres
                                                                ? QString(text).remove(QLatin1Char('.')).toDouble()
                                                                : -1;
            }
            const QByteArray name = QString(record.Marca + QLatin1Char(' ') + record.Modello).trimmed().toUtf8();
            made.name = m_texts.size();
            m_texts.append(name.constData(), static_cast<std::size_t>(name.size()) + 1);
            m_vehicles.push_back(made);
        }
        const TCostoVeicolo entry = costEntry();
        m_costDate = dayNumber(entry.Data);
        m_costTexts = {entry.Causale.toUtf8(), entry.Pagatore.toUtf8(), entry.Beneficiario.toUtf8()};
        m_costAmount = static_cast<double>(*Amount::readCents(entry.Importo)) / 100.0;
    }

    int write(const char* path)
    {
        static const char* const Names[] = {"Parco Automezzi", "Costi", "Scadenze"};
        std::vector<const char*> vehicleHeader{"N."};
        for (int f = 0; f < Fields; ++f)
            vehicleHeader.push_back(TSchedaVeicolo::fields()[static_cast<std::size_t>(f)].name);
        static const char* const CostHeader[] = {"N. veicolo", "Targa",        "Data",   "Causale",
                                                 "Pagatore",   "Beneficiario", "Importo"};
        static const char* const DueHeader[] = {"N.", "Targa", "Veicolo", "Scadenza", "Data"};
        const char* const* headers[] = {vehicleHeader.data(), CostHeader, DueHeader};
        const int counts[] = {static_cast<int>(vehicleHeader.size()), 7, 5};
        m_nextDue = {0, 0};
        return xlsxFloorWrite(path, 3, Names, headers, counts, &FloorCells::rowOf, this);
    }

private:
    struct Vehicle {
        std::size_t from = 0; // its texts in m_texts, one after the other
        std::size_t name = 0; // "Marca Modello"
        std::array<std::uint16_t, Fields> lengths{};
        std::array<double, Fields> numbers{}; // a date's day or the kilometres; -1 for a text
    };
    struct Due {
        int field;
        const char* name;
    };

    static int rowOf(void* context, int sheet, int row, XlsxFloorCell* cells, int)
    {
        auto* self = static_cast<FloorCells*>(context);
        switch (sheet) {
        case 0:
            return row <= Vehicles ? self->vehicleRow(row, cells) : 0;
        case 1:
            return row <= Vehicles * EntriesPerVehicle ? self->costRow(row, cells) : 0;
        default:
            return self->dueRow(cells);
        }
    }

    const char* text(const Vehicle& vehicle, int field) const
    {
        std::size_t at = vehicle.from;
        for (int f = 0; f < field; ++f)
            at += vehicle.lengths[static_cast<std::size_t>(f)] + 1u;
        return m_texts.data() + at;
    }

    int vehicleRow(int row, XlsxFloorCell* cells) const
    {
        const Vehicle& vehicle = m_vehicles[static_cast<std::size_t>(row - 1)];
        cells[0] = {nullptr, static_cast<double>(row)};
        const char* at = m_texts.data() + vehicle.from;
        for (int f = 0; f < Fields; ++f) {
            const double number = vehicle.numbers[static_cast<std::size_t>(f)];
            cells[f + 1] = number >= 0 ? XlsxFloorCell{nullptr, number} : XlsxFloorCell{at, 0};
            at += vehicle.lengths[static_cast<std::size_t>(f)] + 1u;
        }
        return Fields + 1;
    }

    int costRow(int row, XlsxFloorCell* cells) const
    {
        const int position = (row - 1) / EntriesPerVehicle + 1;
        const Vehicle& vehicle = m_vehicles[static_cast<std::size_t>(position - 1)];
        cells[0] = {nullptr, static_cast<double>(position)};
        cells[1] = {text(vehicle, m_targa), 0};
        cells[2] = {nullptr, m_costDate};
        for (int t = 0; t < 3; ++t)
            cells[3 + t] = {m_costTexts[static_cast<std::size_t>(t)].constData(), 0};
        cells[6] = {nullptr, m_costAmount};
        return 7;
    }

    // The next due date after the last one handed out, in vehicle order, then kind order.
    int dueRow(XlsxFloorCell* cells)
    {
        auto& [v, k] = m_nextDue;
        for (; v < Vehicles; ++v, k = 0) {
            const Vehicle& vehicle = m_vehicles[static_cast<std::size_t>(v)];
            for (; k < static_cast<int>(m_dues.size()); ++k) {
                const Due& due = m_dues[static_cast<std::size_t>(k)];
                if (vehicle.lengths[static_cast<std::size_t>(due.field)] == 0)
                    continue;
                cells[0] = {nullptr, static_cast<double>(v + 1)};
                cells[1] = {text(vehicle, m_targa), 0};
                cells[2] = {m_texts.data() + vehicle.name, 0};
                cells[3] = {due.name, 0};
                cells[4] = {nullptr, vehicle.numbers[static_cast<std::size_t>(due.field)]};
                ++k;
                return 5;
            }
        }
        return 0;
    }

    const int m_targa = fieldIndex(&V::Targa);
    std::array<bool, Fields> m_dated{};
    std::vector<Due> m_dues;
    std::string m_texts;
    std::vector<Vehicle> m_vehicles;
    double m_costDate = 0;
    std::array<QByteArray, 3> m_costTexts;
    double m_costAmount = 0;
    std::pair<int, int> m_nextDue{0, 0}; // vehicle, kind
};

} // namespace

int benchWorkbook()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    if (!dir.isValid() || !writeFleet(folder)) {
        std::fprintf(stderr, "no archive for the workbook figures\n");
        return 1;
    }
    bool written = true;
    const double workbook = BenchFigures::medianMs(
        Runs, [&] { written = FleetWorkbook::write(folder, folder + FleetWorkbook::fileName()).written && written; });
    const double peak = BenchFigures::peakMemoryMb();
    if (!written) {
        std::fprintf(stderr, "the workbook could not be written\n");
        return 1;
    }

    FloorCells cells;
    const QByteArray floorPath = QFile::encodeName(folder + QStringLiteral("floor.xlsx"));
    const double floor =
        BenchFigures::medianMs(Runs, [&] { written = cells.write(floorPath.constData()) == 0 && written; });
    if (!written) {
        std::fprintf(stderr, "libxlsxwriter could not write the floor's workbook\n");
        return 1;
    }
    BenchFigures::print("xlsx floor: libxlsxwriter, same cells", floor, floor, "ms");
    BenchFigures::print("xlsx workbook, 100000 vehicles + 200000 costs", workbook, TargetRatio * floor, "ms");
    BenchFigures::print("xlsx workbook, peak memory", peak, 300, "MB");
    return 0;
}

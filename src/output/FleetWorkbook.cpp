#include "output/FleetWorkbook.h"

#include "archive/RecordScanner.h"
#include "archive/VehicleArchive.h"
#include "archive/VehicleTitle.h"
#include "costs/Amount.h"
#include "costs/CostFile.h"
#include "costs/CostFileScan.h"
#include "deadlines/DeadlineDate.h"
#include "files/Workbook.h"

#include <algorithm>
#include <future>
#include <vector>

namespace {

using V = TSchedaVeicolo;

enum class Cell { Text, Date, Kilometres };

// The card's 32 boxes in card order, headed by the card's captions without the colon.
struct VehicleColumn {
    QString V::*member;
    const char* header; // UTF-8
    double width;       // characters
    Cell cell;
};

const VehicleColumn VehicleColumns[] = {
    {&V::Tipo, "Tipo veicolo", 22, Cell::Text},
    {&V::Destinazione, "Destinazione ed uso", 26, Cell::Text},
    {&V::Marca, "Marca", 18, Cell::Text},
    {&V::Modello, "Modello", 22, Cell::Text},
    {&V::Targa, "Targa", 11, Cell::Text},
    {&V::Anno, "Immatricolazione", 16, Cell::Text},
    {&V::Colore, "Colore", 14, Cell::Text},
    {&V::Telaio, "Telaio", 20, Cell::Text},
    {&V::Pneumatici, "Pneumatici", 20, Cell::Text},
    {&V::Stato, "Stato veicolo", 16, Cell::Text},
    {&V::Chilometri, "Chilometri percorsi", 18, Cell::Kilometres},
    {&V::Lettura, "Data lettura", 13, Cell::Date},
    {&V::Alimentazione, "Alimentazione", 15, Cell::Text},
    {&V::Cilindrata, "Cilindrata", 11, Cell::Text},
    {&V::KW, "kW", 8, Cell::Text},
    {&V::Ambiente, "Compatibilità ambientale", 24, Cell::Text},
    {&V::Posti, "Numero posti", 13, Cell::Text},
    {&V::Portata, "Portata massima", 16, Cell::Text},
    {&V::Compagnia, "Compagnia assicurativa", 24, Cell::Text},
    {&V::TelAssicuratore, "Tel. assicuratore", 17, Cell::Text},
    {&V::Polizza, "Importo polizza", 16, Cell::Text},
    {&V::Incidenti, "Incidenti subiti", 24, Cell::Text},
    {&V::Proprietario, "Proprietario", 24, Cell::Text},
    {&V::Autista, "Autista", 20, Cell::Text},
    {&V::TelAutista, "Telefono", 14, Cell::Text},
    {&V::Meccanico, "Meccanico", 20, Cell::Text},
    {&V::TelMeccanico, "Telefono", 14, Cell::Text},
    {&V::ScadRevisione, "Scad. revisione", 15, Cell::Date},
    {&V::ScadTagliando, "Scad. tagliando", 15, Cell::Date},
    {&V::ScadAssicurazione, "Scad. assicurazione", 19, Cell::Date},
    {&V::ScadBollo, "Scad. bollo", 12, Cell::Date},
    {&V::Note, "Note", 40, Cell::Text},
};
static_assert(std::size(VehicleColumns) == TSchedaVeicolo::EditFieldCount, "one column per box of the card");

struct DueDate {
    QString V::*member;
    const char* name;
};
const DueDate DueDates[] = {
    {&V::ScadRevisione, "Revisione"},
    {&V::ScadTagliando, "Tagliando"},
    {&V::ScadAssicurazione, "Assicurazione"},
    {&V::ScadBollo, "Bollo"},
};

QStringList headers(std::initializer_list<const char*> titles)
{
    QStringList list;
    for (const char* title : titles)
        list << QString::fromUtf8(title);
    return list;
}

// Kilometres as the clerk writes them: "48200" or, with thousands points, "48.200". Read by
// hand: a pattern match per vehicle is a tenth of the whole sheet's time.
std::optional<double> readKilometres(const QString& text)
{
    if (text.isEmpty() || text.size() > 15)
        return std::nullopt;
    const qsizetype firstPoint = text.indexOf(QLatin1Char('.'));
    // Without points, digits only; with them, one to three digits, then groups of a point and three.
    if (firstPoint == 0 || firstPoint > 3)
        return std::nullopt;
    double value = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pointPlace = firstPoint > 0 && i >= firstPoint && (i - firstPoint) % 4 == 0;
        if (pointPlace != (c == QLatin1Char('.')))
            return std::nullopt;
        if (pointPlace)
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (firstPoint > 0 && (text.size() - firstPoint) % 4 != 0)
        return std::nullopt; // the last group is short
    return value;
}

// A date cell where the text reads as a day a sheet can hold, else the text.
void writeDateOrText(Workbook& book, int sheet, int row, int column, const QString& text)
{
    const std::optional<QDate> date = DeadlineDate::read(text);
    if (date && date->year() >= 1900 && date->year() <= 9999)
        book.writeDate(sheet, row, column, *date);
    else
        book.writeText(sheet, row, column, text);
}

// A vehicle with its listed cost entries; a vehicle without a cost file has none, and none
// is created for it.
struct ReadVehicle {
    int position = 0;
    TSchedaVeicolo record;
    std::vector<TCostoVeicolo> costs;
    CostFileState costState = CostFileState::Missing;
};

// Vehicles first .. end - 1 (0-based) of the archive, each with its cost entries.
std::vector<ReadVehicle> readVehicles(const QString& programFolder, int first, int end)
{
    std::vector<ReadVehicle> read(static_cast<std::size_t>(end - first));
    VehicleArchive archive(programFolder);
    RecordScanner scanner(archive.records(), first, end);
    QByteArrayView bytes;
    for (ReadVehicle& vehicle : read) {
        if (!scanner.next(bytes))
            throw FileAccessError("the archive ended while it was read");
        vehicle.position = scanner.index() + 1;
        vehicle.record = decodeRecord<TSchedaVeicolo>(bytes);
        vehicle.costState = scanCostFile(programFolder + CostFile::fileName(vehicle.position),
                                         [&vehicle](const TCostoVeicolo& entry) { vehicle.costs.push_back(entry); });
    }
    archive.close();
    return read;
}

class Writer {
public:
    Writer(const QString& programFolder, Workbook& book) : m_folder(programFolder), m_book(book)
    {
        m_vehicles = book.addSheet(QStringLiteral("Parco Automezzi"));
        m_costs = book.addSheet(QStringLiteral("Costi"));
        m_dues = book.addSheet(QStringLiteral("Scadenze"));

        QStringList titles{QStringLiteral("N.")};
        QList<double> widths{6};
        for (const VehicleColumn& column : VehicleColumns) {
            titles << QString::fromUtf8(column.header);
            widths << column.width;
        }
        book.writeHeader(m_vehicles, titles, widths);
        book.writeHeader(m_costs,
                         headers({"N. veicolo", "Targa", "Data", "Causale", "Pagatore", "Beneficiario", "Importo"}),
                         {11, 11, 12, 40, 26, 26, 14});
        book.writeHeader(m_dues, headers({"N.", "Targa", "Veicolo", "Scadenza", "Data"}), {6, 11, 36, 15, 12});
    }

    void vehicle(const ReadVehicle& read)
    {
        const int position = read.position;
        const TSchedaVeicolo& record = read.record;
        const int row = position;
        m_book.writeNumber(m_vehicles, row, 0, position, Workbook::Style::Integer);
        int column = 1;
        for (const VehicleColumn& field : VehicleColumns) {
            const QString& text = record.*field.member;
            if (field.cell == Cell::Date) {
                writeDateOrText(m_book, m_vehicles, row, column, text);
            } else if (const auto km = field.cell == Cell::Kilometres ? readKilometres(text) : std::nullopt) {
                m_book.writeNumber(m_vehicles, row, column, *km, Workbook::Style::Integer);
            } else {
                m_book.writeText(m_vehicles, row, column, text);
            }
            ++column;
        }
        m_lastVehicleRow = row;

        const QString vehicleName = VehicleTitle::makeAndModel(record.Marca, record.Modello);
        for (const DueDate& due : DueDates) {
            const QString& text = record.*due.member;
            if (text.isEmpty())
                continue;
            ++m_lastDueRow;
            m_book.writeNumber(m_dues, m_lastDueRow, 0, position, Workbook::Style::Integer);
            m_book.writeText(m_dues, m_lastDueRow, 1, record.Targa);
            m_book.writeText(m_dues, m_lastDueRow, 2, vehicleName);
            m_book.writeText(m_dues, m_lastDueRow, 3, QString::fromUtf8(due.name));
            writeDateOrText(m_book, m_dues, m_lastDueRow, 4, text);
        }
        costs(position, record.Targa, read.costs);
        if (read.costState == CostFileState::Unreadable)
            ++unreadableCostFiles;
    }

    void finish()
    {
        m_book.setAutofilter(m_vehicles, m_lastVehicleRow, TSchedaVeicolo::EditFieldCount);
        m_book.setAutofilter(m_costs, m_lastCostRow, 6);
        m_book.setAutofilter(m_dues, m_lastDueRow, 4);
    }

    int unreadableCostFiles = 0;

private:
    void costs(int position, const QString& plate, const std::vector<TCostoVeicolo>& entries)
    {
        for (const TCostoVeicolo& entry : entries) {
            const int row = ++m_lastCostRow;
            m_book.writeNumber(m_costs, row, 0, position, Workbook::Style::Integer);
            m_book.writeText(m_costs, row, 1, plate);
            writeDateOrText(m_book, m_costs, row, 2, entry.Data);
            m_book.writeText(m_costs, row, 3, entry.Causale);
            m_book.writeText(m_costs, row, 4, entry.Pagatore);
            m_book.writeText(m_costs, row, 5, entry.Beneficiario);
            if (const auto cents = Amount::readCents(entry.Importo))
                m_book.writeNumber(m_costs, row, 6, static_cast<double>(*cents) / 100.0, Workbook::Style::Euro);
            else
                m_book.writeText(m_costs, row, 6, entry.Importo);
        }
    }

    QString m_folder;
    Workbook& m_book;
    int m_vehicles = -1, m_costs = -1, m_dues = -1;
    int m_lastVehicleRow = 0, m_lastCostRow = 0, m_lastDueRow = 0;
};

} // namespace

namespace FleetWorkbook {

QString fileName()
{
    return QStringLiteral("Parco_Automezzi.xlsx");
}

Result write(const QString& programFolder, const QString& path)
{
    Result result;
    Workbook book(path);
    Writer writer(programFolder, book);
    try {
        int count = 0;
        {
            VehicleArchive archive(programFolder);
            count = archive.count();
            archive.close();
        }
        // The next vehicles and their cost files are read on a second thread while the
        // workbook takes these: reading many small files is the one cost the cells do not have.
        constexpr int Chunk = 512;
        const auto readFrom = [&programFolder, count](int first) {
            return std::async(std::launch::async | std::launch::deferred, readVehicles, programFolder, first,
                              std::min(first + Chunk, count));
        };
        std::future<std::vector<ReadVehicle>> next = readFrom(0);
        for (int first = 0; first < count; first += Chunk) {
            const std::vector<ReadVehicle> chunk = next.get();
            if (first + Chunk < count)
                next = readFrom(first + Chunk);
            for (const ReadVehicle& vehicle : chunk)
                writer.vehicle(vehicle);
        }
    } catch (const FileAccessError& error) {
        result.error = QString::fromUtf8(error.what());
        return result; // the old workbook stays
    }
    writer.finish();
    result.unreadableCostFiles = writer.unreadableCostFiles;
    result.written = book.commit();
    if (!result.written)
        result.error = book.errorString();
    return result;
}

} // namespace FleetWorkbook

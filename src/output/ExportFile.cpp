#include "output/ExportFile.h"

#include "archive/StoredText.h"
#include "files/SafeFile.h"
#include "files/Windows1252.h"

#include <algorithm>

namespace {

// The head, always the same, ending with the header row's opening "<tr>".
constexpr const char* HeadPieces[] = {
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">",
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
    "<!--[if gte mso 9]><xml>",
    "<x:ExcelWorkbook>",
    "<x:ExcelWorksheets>",
    "<x:ExcelWorksheet>",
    "<x:Name>Parco Automezzi</x:Name>",
    "<x:WorksheetOptions>",
    "<x:Selected/>",
    "<x:Panes>",
    "<x:Pane>",
    "<x:Number>1</x:Number>",
    "<x:ActiveRow>3</x:ActiveRow>",
    "</x:Pane>",
    "</x:Panes>",
    "<x:ProtectContents>False</x:ProtectContents>",
    "<x:ProtectObjects>False</x:ProtectObjects>",
    "<x:ProtectScenarios>False</x:ProtectScenarios>",
    "</x:WorksheetOptions>",
    "</x:ExcelWorksheet>",
    "</x:ExcelWorksheets>",
    "</x:ExcelWorkbook>",
    "</xml><![endif]-->",
    "</head>",
    "<body>",
    "<table x:str>",
    "<tr>",
};

constexpr char HeaderCellOpen[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
constexpr char DataCellOpen[] = "<td style=\"text-align: left;\">";
constexpr char CellClose[] = "</td>";
constexpr char Tail[] = "</table></body></html>";

// A cell's text in the file: trimmed, in Windows-1252, with the three characters that
// would otherwise be read as markup written as entities.
void appendCellText(QByteArray& out, const QString& text)
{
    const QByteArray bytes = Windows1252::encode(StoredText::trimmed(text));
    const auto isMarkup = [](char byte) { return byte == '&' || byte == '<' || byte == '>'; };
    if (std::none_of(bytes.begin(), bytes.end(), isMarkup)) {
        out += bytes;
        return;
    }
    for (const char byte : bytes) {
        switch (byte) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += byte;
        }
    }
}

QByteArray head()
{
    QByteArray out;
    for (const char* piece : HeadPieces)
        out += piece;
    for (const ExportColumn& column : ExportColumns::all()) {
        out += HeaderCellOpen;
        out += QByteArray::number(column.sheetWidth);
        out += '>';
        out += Windows1252::encode(QString::fromUtf8(column.header));
        out += CellClose;
    }
    out += "</tr>";
    return out;
}

void appendRow(QByteArray& out, const ExportTableModel::Row& row)
{
    out += "<tr>";
    for (const QString& cell : row) {
        out += DataCellOpen;
        appendCellText(out, cell);
        out += CellClose;
    }
    out += "</tr>";
}

} // namespace

namespace ExportFile {

QString fileName()
{
    return QStringLiteral("Parco_Automezzi.xls");
}

QString path(const QString& programFolder)
{
    return programFolder + fileName();
}

QByteArray contents(const std::vector<ExportTableModel::Row>& rows)
{
    QByteArray out = head();
    for (const ExportTableModel::Row& row : rows)
        appendRow(out, row);
    out += Tail;
    return out;
}

bool write(const QString& programFolder, const std::vector<ExportTableModel::Row>& rows)
{
    // Written in slices, so a large archive never needs the whole file in memory.
    constexpr qsizetype Slice = 1 << 20;
    SafeFile file(path(programFolder));
    if (!file.open())
        return false;
    QByteArray out = head();
    for (const ExportTableModel::Row& row : rows) {
        appendRow(out, row);
        if (out.size() >= Slice) {
            if (!file.write(out))
                return false; // SafeFile drops the temporary file
            out.resize(0);    // keeps the capacity for the next slice
        }
    }
    out += Tail;
    return file.write(out) && file.commit();
}

QString failureMessage()
{
    // Line feed before carriage return, as the program has always shown it.
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il file di Excel non sia già aperto.");
}

} // namespace ExportFile

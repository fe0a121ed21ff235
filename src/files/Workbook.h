#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>

// A spreadsheet workbook (.xlsx) written through libxlsxwriter, which nothing else of the
// program sees. The rows go out in constant-memory mode, row after row, so an archive of
// any size stays light; the workbook is laid into a SafePath beside the target, and
// only commit() flushes it to the device and renames it over the old file, so a failure
// at any step leaves the old file as it was.
class Workbook final {
public:
    enum class Style { Text, Header, Date, Euro, Integer, Percent };

    // path: the workbook's final name.
    explicit Workbook(const QString& path);
    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    // Sheets come in the order they are added; a row is written before the rows after it.
    // Returns the sheet's index, or -1 after a failure.
    int addSheet(const QString& name);
    // A header row at row 0, frozen, with the widths in characters.
    void writeHeader(int sheet, const QStringList& titles, const QList<double>& widths);
    // Text a sheet can hold: control characters (tab and line breaks aside) are left out
    // and a text is cut to the 32,767 characters of a cell.
    void writeText(int sheet, int row, int column, const QString& text, Style style = Style::Text);
    void writeNumber(int sheet, int row, int column, double value, Style style);
    void writeDate(int sheet, int row, int column, QDate date);
    // An autofilter over the header and rows 1..lastRow.
    void setAutofilter(int sheet, int lastRow, int lastColumn);

    // Closes the workbook, flushes and renames; false, with the reason in errorString(),
    // leaves the old file.
    bool commit();
    QString errorString() const;

    // What a sheet cell can hold of text.
    static QString cellText(const QString& text);
    static constexpr int MaxCellCharacters = 32767;

private:
    struct Library;
    std::unique_ptr<Library> m_library;
};

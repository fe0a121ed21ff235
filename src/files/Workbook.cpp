#include "files/Workbook.h"

#include "files/SafeFile.h"

#include <QFile>

#include <xlsxwriter.h>

#include <vector>

struct Workbook::Library {
    explicit Library(const QString& path) : file(path) {}

    SafePath file;
    lxw_workbook* book = nullptr;
    std::vector<lxw_worksheet*> sheets;
    lxw_format* header = nullptr;
    lxw_format* date = nullptr;
    lxw_format* euro = nullptr;
    lxw_format* integer = nullptr;
    lxw_format* percent = nullptr;
    QString error;

    bool check(lxw_error result)
    {
        if (result == LXW_NO_ERROR)
            return true;
        if (error.isEmpty())
            error = QString::fromUtf8(lxw_strerror(result));
        return false;
    }
    lxw_worksheet* sheet(int index) const
    {
        return book && error.isEmpty() && index >= 0 && index < static_cast<int>(sheets.size())
                   ? sheets[static_cast<size_t>(index)]
                   : nullptr;
    }
    lxw_format* format(Style style) const
    {
        switch (style) {
        case Style::Header:
            return header;
        case Style::Date:
            return date;
        case Style::Euro:
            return euro;
        case Style::Integer:
            return integer;
        case Style::Percent:
            return percent;
        case Style::Text:
            break;
        }
        return nullptr;
    }
};

Workbook::Workbook(const QString& path) : m_library(std::make_unique<Library>(path))
{
    Library& lib = *m_library;
    if (lib.file.temporaryPath().isEmpty()) {
        lib.error = lib.file.errorString();
        return;
    }
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.use_zip64 = LXW_TRUE;
    lib.book = workbook_new_opt(QFile::encodeName(lib.file.temporaryPath()).constData(), &options);
    if (!lib.book) {
        lib.error = QStringLiteral("the workbook could not be started");
        lib.file.cancel();
        return;
    }
    lib.header = workbook_add_format(lib.book);
    format_set_bold(lib.header);
    lib.date = workbook_add_format(lib.book);
    format_set_num_format(lib.date, "dd/mm/yyyy");
    lib.euro = workbook_add_format(lib.book);
    format_set_num_format(lib.euro, "#,##0.00\\ \"\xE2\x82\xAC\"");
    lib.integer = workbook_add_format(lib.book);
    format_set_num_format(lib.integer, "0");
    lib.percent = workbook_add_format(lib.book);
    format_set_num_format(lib.percent, "0.0%");
}

Workbook::~Workbook()
{
    Library& lib = *m_library;
    if (lib.book) {
        // Not committed: the library still has to free itself, into the temporary file.
        workbook_close(lib.book);
        lib.file.cancel();
    }
}

int Workbook::addSheet(const QString& name)
{
    Library& lib = *m_library;
    if (!lib.book || !lib.error.isEmpty())
        return -1;
    lxw_worksheet* sheet = workbook_add_worksheet(lib.book, name.toUtf8().constData());
    if (!sheet) {
        lib.error = QStringLiteral("the sheet could not be added");
        return -1;
    }
    lib.sheets.push_back(sheet);
    return static_cast<int>(lib.sheets.size()) - 1;
}

void Workbook::writeHeader(int sheet, const QStringList& titles, const QList<double>& widths)
{
    lxw_worksheet* target = m_library->sheet(sheet);
    if (!target)
        return;
    for (int c = 0; c < titles.size(); ++c) {
        writeText(sheet, 0, c, titles[c], Style::Header);
        if (c < widths.size())
            m_library->check(
                worksheet_set_column(target, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), widths[c], nullptr));
    }
    worksheet_freeze_panes(target, 1, 0);
}

void Workbook::writeText(int sheet, int row, int column, const QString& text, Style style)
{
    lxw_worksheet* target = m_library->sheet(sheet);
    if (!target)
        return;
    const QString cell = cellText(text);
    if (cell.isEmpty() && style == Style::Text)
        return; // an empty cell is a blank cell
    m_library->check(worksheet_write_string(target, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                            cell.toUtf8().constData(), m_library->format(style)));
}

void Workbook::writeNumber(int sheet, int row, int column, double value, Style style)
{
    if (lxw_worksheet* target = m_library->sheet(sheet))
        m_library->check(worksheet_write_number(target, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                                value, m_library->format(style)));
}

void Workbook::writeDate(int sheet, int row, int column, QDate date)
{
    lxw_worksheet* target = m_library->sheet(sheet);
    if (!target)
        return;
    lxw_datetime stamp{date.year(), date.month(), date.day(), 0, 0, 0};
    m_library->check(worksheet_write_datetime(target, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                              &stamp, m_library->date));
}

void Workbook::setAutofilter(int sheet, int lastRow, int lastColumn)
{
    if (lxw_worksheet* target = m_library->sheet(sheet))
        m_library->check(worksheet_autofilter(target, 0, 0, static_cast<lxw_row_t>(std::max(lastRow, 0)),
                                              static_cast<lxw_col_t>(lastColumn)));
}

bool Workbook::commit()
{
    Library& lib = *m_library;
    if (!lib.book)
        return false;
    const lxw_error closed = workbook_close(lib.book);
    lib.book = nullptr;
    if (!lib.check(closed) || !lib.error.isEmpty()) {
        lib.file.cancel();
        return false;
    }
    if (!lib.file.commit()) {
        lib.error = lib.file.errorString();
        return false;
    }
    return true;
}

QString Workbook::errorString() const
{
    return m_library->error;
}

QString Workbook::cellText(const QString& text)
{
    QString cell;
    cell.reserve(std::min<qsizetype>(text.size(), MaxCellCharacters));
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        const bool control = code < 0x20 && code != u'\t' && code != u'\n' && code != u'\r';
        // U+FFFE and U+FFFF are no XML characters either.
        if (control || code == 0xFFFE || code == 0xFFFF)
            continue;
        cell += character;
    }
    if (cell.size() > MaxCellCharacters) {
        qsizetype cut = MaxCellCharacters;
        if (cell.at(cut - 1).isHighSurrogate())
            --cut; // never half a character
        cell.truncate(cut);
    }
    return cell;
}

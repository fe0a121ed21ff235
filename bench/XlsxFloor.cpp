#include "XlsxFloor.h"

#include <xlsxwriter.h>

#include <vector>

int xlsxFloorWrite(const char* path, int sheets, const char* const* names, const char* const* const* headers,
                   const int* headerCounts, XlsxFloorRow rowOf, void* context)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(path, &options);
    if (!book)
        return 1;
    int failed = 0;
    std::vector<XlsxFloorCell> cells(64);
    for (int s = 0; s < sheets; ++s) {
        lxw_worksheet* sheet = workbook_add_worksheet(book, names[s]);
        if (!sheet) {
            failed = 1;
            break;
        }
        for (int c = 0; c < headerCounts[s]; ++c)
            failed |= worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), headers[s][c], nullptr);
        for (int row = 1;; ++row) {
            const int count = rowOf(context, s, row, cells.data(), static_cast<int>(cells.size()));
            if (count == 0)
                break;
            for (int c = 0; c < count; ++c) {
                const XlsxFloorCell& cell = cells[static_cast<std::size_t>(c)];
                const auto r = static_cast<lxw_row_t>(row);
                const auto column = static_cast<lxw_col_t>(c);
                if (cell.text == nullptr)
                    failed |= worksheet_write_number(sheet, r, column, cell.number, nullptr);
                else if (cell.text[0] != '\0')
                    failed |= worksheet_write_string(sheet, r, column, cell.text, nullptr);
            }
        }
    }
    failed |= workbook_close(book);
    return failed != 0;
}

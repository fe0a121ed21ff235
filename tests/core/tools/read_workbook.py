"""Prints a workbook as openpyxl reads it, as JSON, for the workbook tests.

Every sheet in order: its name, frozen cell, autofilter range and cells. A cell is
"d:yyyy-mm-dd|format" for a date cell, "n:value|format" for a number, "s:text" for text
and null for a blank cell.
"""
import datetime
import json
import sys

import openpyxl


def cell_text(cell):
    value = cell.value
    if value is None:
        return None
    if isinstance(value, datetime.datetime) or cell.is_date:
        return "d:" + value.strftime("%Y-%m-%d") + "|" + cell.number_format
    if isinstance(value, (int, float)):
        number = int(value) if float(value).is_integer() else value
        return "n:" + str(number) + "|" + cell.number_format
    return "s:" + str(value)


book = openpyxl.load_workbook(sys.argv[1])
sheets = []
for sheet in book.worksheets:
    sheets.append({
        "name": sheet.title,
        "freeze": sheet.freeze_panes,
        "filter": sheet.auto_filter.ref,
        "rows": [[cell_text(cell) for cell in row] for row in sheet.iter_rows()],
    })
json.dump(sheets, sys.stdout, ensure_ascii=False)

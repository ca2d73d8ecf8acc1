#!/usr/bin/python3
"""Reads an .xlsx workbook back for the tests: prints, as JSON, the sheet
names, every filled cell of the first sheet with its text and cell type, and
the widths of the columns that have one."""
import json
import sys

import openpyxl


def main(path):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    cells = {}
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is not None:
                cells[cell.coordinate] = [str(cell.value), cell.data_type]
    widths = {}
    for letter, dim in sheet.column_dimensions.items():
        if dim.width:
            for column in range(dim.min, dim.max + 1):
                widths[openpyxl.utils.get_column_letter(column)] = dim.width
    json.dump({"sheets": book.sheetnames, "cells": cells, "widths": widths}, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])

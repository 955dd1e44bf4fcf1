// The loaded workbook.

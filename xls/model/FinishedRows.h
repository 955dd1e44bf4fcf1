// What a sheet's builder tells, while the reader goes on, of the rows the
// reader is done with, so that work on them can begin before the load ends.
#pragma once

#include "xls/model/ExcelWorksheet.h"

#include <cstdint>
#include <span>

class FinishedRowsListener {
public:
    struct Row {
        std::uint32_t index;
        std::span<const ExcelWorksheet::Entry> cells; // in column order, none empty
    };

    virtual ~FinishedRowsListener() = default;

    // Every row before `end` is done; `rows` lists those of them not told
    // before that hold cells, in row order. `expectedRows` guesses the rows
    // the sheet will have, from how far the reader has come. Called on the
    // reading thread. The cells stay unchanged at the same place until
    // stopReading() is called.
    virtual void rowsFinished(std::uint32_t end, std::uint32_t expectedRows,
                              std::span<const Row> rows) = 0;
    // Returns once nothing reads the rows told any more; called before any
    // of them changes or goes. `changed`: a row told is about to be written
    // again, so whatever was made of the rows is void.
    virtual void stopReading(bool changed) = 0;
};

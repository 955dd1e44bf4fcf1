#pragma once

#include "support/writers/BiffWriter.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// Builds whole .xls workbooks in memory for tests: a globals substream with
// shared strings, then worksheets whose cell records the test writes.
class WorkbookBuilder {
public:
    // Shared strings; returns the index a LABELSST uses.
    std::uint32_t addString(const std::u16string &text, bool wide = false);
    // Starts a worksheet with a DIMENSIONS record (none when rows and columns
    // are 0) and returns the writer of its cell records, which the stream puts
    // into one row block (ROW ... DBCELL) unless `inRowBlock` is false.
    testwriters::BiffWriter &addSheet(std::uint32_t rows, std::uint32_t columns,
                                      bool inRowBlock = true);
    // A substream of another kind (0x0020 chart, 0x0040 macro sheet) between the sheets.
    void addOtherSubstream(std::uint16_t type);
    // Records written into the globals after the BOF (FILEPASS and the like).
    testwriters::BiffWriter &globalsExtra() { return extra; }

    // The "Workbook" stream: globals, then each sheet in a row block of its own.
    std::vector<std::uint8_t> stream() const;
    // The compound file around it, the stream named as given.
    std::vector<std::uint8_t> file(const std::u16string &streamName = u"Workbook") const;
    // The file written to `path`.
    bool writeTo(const QString &path, const std::u16string &streamName = u"Workbook") const;

private:
    struct Substream {
        std::uint16_t type;
        testwriters::BiffWriter dimensions;
        testwriters::BiffWriter cells;
        bool inRowBlock = true;
    };
    std::vector<testwriters::SstString> strings;
    testwriters::BiffWriter extra;
    std::vector<Substream> substreams;
};

// Wraps any stream into a compound file under the given name.
std::vector<std::uint8_t> compoundFileWith(const std::u16string &streamName,
                                           std::vector<std::uint8_t> stream);

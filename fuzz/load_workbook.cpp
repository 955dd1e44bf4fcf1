// Loads arbitrary bytes as a workbook and walks the first sheet's cells, the
// way the importer does. A refusal must always come with a reason.
#include "xls/model/ExcelWorkbook.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    ExcelWorkbook workbook;
    if (!workbook.loadMemory(std::vector<std::uint8_t>(data, data + size))) {
        const xls::ReadError &error = workbook.lastError();
        if (error.code == xls::ReadErrorCode::None || error.text.empty())
            __builtin_trap();
        return 0;
    }
    volatile std::size_t textUnits = 0;
    if (ExcelWorksheet *sheet = workbook.sheet(0))
        sheet->forEachValue([&](std::uint32_t, std::uint32_t, const ExcelCell &cell) {
            textUnits = textUnits + std::size_t(cell.stringLength());
        });
    return 0;
}

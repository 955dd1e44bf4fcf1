// Loads arbitrary bytes as a workbook and walks the first sheet's cells, the
// way the importer does. A refusal must always come with a reason.
// Seeds: tests/data and the corpus, whose Excel 2.x-5.0/95 and encrypted
// workbooks lead into the older-format reader and the decryption.
#include "xls/model/ExcelWorkbook.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    ExcelWorkbook workbook;
    bool loaded = workbook.loadMemory(std::vector<std::uint8_t>(data, data + size));
    // An encrypted workbook that Excel's default password does not open is
    // tried once more with a password of its own, as the window would.
    if (!loaded && workbook.lastError().code == xls::ReadErrorCode::EncryptedWorkbook) {
        LoadOptions options;
        options.password = "password";
        loaded = workbook.loadMemory(std::vector<std::uint8_t>(data, data + size), options);
    }
    if (!loaded) {
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

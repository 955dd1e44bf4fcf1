// Arbitrary bytes as a zip package: the directory checks, every entry read
// under the inflation caps, then the package loaded as a workbook.
#include "xls/model/GridBuilder.h"
#include "xls/model/SpreadsheetFormats.h"
#include "xls/zip/ZipArchive.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const xls::ByteSpan bytes(data, size);
    xls::ZipArchive zip;
    xls::ReadError error;
    if (zip.open(bytes, error)) {
        xls::InflateBudget budget;
        for (const xls::ZipEntry &entry : zip.entries()) {
            volatile std::size_t seen = 0;
            xls::ReadError entryError;
            zip.read(
                entry, [&](xls::ByteSpan piece) { return (seen = seen + piece.size()), true; },
                budget, entryError);
        }
    } else if (error.text.empty()) {
        __builtin_trap();
    }
    ExcelWorksheet sheet;
    GridBuilder builder(sheet);
    xls::ReadError loadError;
    if (!xls::readZipOrXmlWorkbook(bytes, false, builder, loadError) && loadError.text.empty())
        __builtin_trap();
    return 0;
}

// Arbitrary bytes as delimited text, read with detection and with each
// encoding and delimiter a person may choose (the first byte picks them). A
// refusal must always come with a reason; every field must respect the caps.
#include "xls/csv/DelimitedText.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

constexpr std::array<std::uint16_t, 6> codePages{0, 65001, 1252, 1200, 1201, 850};
constexpr std::array<char16_t, 5> delimiters{0, u';', u',', u'\t', u'|'};

class CheckingSink : public xls::csv::FieldSink {
public:
    void field(std::uint32_t record, std::uint32_t column, std::u16string_view text) override {
        if (text.empty() || text.size() > xls::csv::maxFieldLength ||
            record >= xls::csv::maxRecords || column >= xls::csv::maxFieldsPerRecord)
            __builtin_trap();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    const xls::csv::DelimitedTextOptions options{codePages[choice % codePages.size()],
                                                 delimiters[(choice / 8) % delimiters.size()]};
    xls::csv::DelimitedTextFormat format;
    CheckingSink sink;
    const xls::ReadError error =
        xls::csv::readDelimitedText(xls::ByteSpan(data + 1, size - 1), options, format, sink);
    if (error && error.text.empty())
        __builtin_trap();
    if (!error && format.delimiter == 0)
        __builtin_trap();
    return 0;
}

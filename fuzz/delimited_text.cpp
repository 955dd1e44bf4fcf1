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

// Only text cells, each inside the caps.
class CheckingSink : public xls::CellSink {
public:
    void setLimits(std::uint32_t, std::uint32_t) override {}
    void announceSize(std::uint32_t, std::uint32_t) override { __builtin_trap(); }
    bool reach(std::uint32_t, std::uint32_t) override { __builtin_trap(); }
    bool setInteger(std::uint32_t, std::uint32_t, std::int32_t) override { __builtin_trap(); }
    bool setDouble(std::uint32_t, std::uint32_t, double) override { __builtin_trap(); }
    bool setText(std::uint32_t record, std::uint32_t column, std::string_view text) override {
        return check(record, column, text.size());
    }
    bool setText(std::uint32_t record, std::uint32_t column, std::u16string_view text) override {
        return check(record, column, text.size());
    }
    bool setSharedText(std::uint32_t, std::uint32_t,
                       std::shared_ptr<const std::u16string>) override {
        __builtin_trap();
    }
    std::uint64_t storedCells() const override { return 0; }

private:
    static bool check(std::uint32_t record, std::uint32_t column, std::size_t length) {
        if (length == 0 || length > xls::csv::maxFieldLength || record >= xls::csv::maxRecords ||
            column >= xls::csv::maxFieldsPerRecord)
            __builtin_trap();
        return true;
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

#include "xls/common/CodePage.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <utility>

namespace xls {
namespace {

struct CodePageName {
    std::uint16_t codePage;
    const char *iconvName;
};

// The code pages a CODEPAGE record can name ([MS-XLS] 2.4.52) that glibc's
// iconv decodes. 32768 and 32769 are Excel's own numbers for Mac Roman and
// for Windows-1252 in BIFF2-3 files.
constexpr std::array codePageNames{
    CodePageName{367, "ASCII"},          CodePageName{437, "CP437"},
    CodePageName{720, "CP720"},          CodePageName{737, "CP737"},
    CodePageName{775, "CP775"},          CodePageName{850, "CP850"},
    CodePageName{852, "CP852"},          CodePageName{855, "CP855"},
    CodePageName{857, "CP857"},          CodePageName{858, "CP858"},
    CodePageName{860, "CP860"},          CodePageName{861, "CP861"},
    CodePageName{862, "CP862"},          CodePageName{863, "CP863"},
    CodePageName{864, "CP864"},          CodePageName{865, "CP865"},
    CodePageName{866, "CP866"},          CodePageName{869, "CP869"},
    CodePageName{874, "CP874"},          CodePageName{932, "CP932"},
    CodePageName{936, "CP936"},          CodePageName{949, "CP949"},
    CodePageName{950, "CP950"},          CodePageName{1200, "UTF-16LE"},
    CodePageName{1250, "CP1250"},        CodePageName{1251, "CP1251"},
    CodePageName{1252, "CP1252"},        CodePageName{1253, "CP1253"},
    CodePageName{1254, "CP1254"},        CodePageName{1255, "CP1255"},
    CodePageName{1256, "CP1256"},        CodePageName{1257, "CP1257"},
    CodePageName{1258, "CP1258"},        CodePageName{1361, "CP1361"},
    CodePageName{10000, "MACINTOSH"},    CodePageName{10006, "MAC-GREEK"},
    CodePageName{10007, "MAC-CYRILLIC"}, CodePageName{10029, "MAC-CENTRALEUROPE"},
    CodePageName{10079, "MAC-IS"},       CodePageName{10081, "MAC-TURKISH"},
    CodePageName{20127, "ASCII"},        CodePageName{20866, "KOI8-R"},
    CodePageName{21866, "KOI8-U"},       CodePageName{28591, "ISO-8859-1"},
    CodePageName{28592, "ISO-8859-2"},   CodePageName{28605, "ISO-8859-15"},
    CodePageName{32768, "MACINTOSH"},    CodePageName{32769, "CP1252"},
    CodePageName{65001, "UTF-8"},
};

// One iconv descriptor for one conversion, closed on every path.
class Converter {
public:
    Converter(const char *to, const char *from) : handle(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(handle);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;
    bool valid() const { return handle != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle; }

private:
    iconv_t handle;
};

} // namespace

const char *iconvNameOfCodePage(std::uint16_t codePage) {
    for (const CodePageName &entry : codePageNames)
        if (entry.codePage == codePage)
            return entry.iconvName;
    return nullptr;
}

bool decodeCodePage(std::uint16_t codePage, ByteSpan bytes, std::u16string &out) {
    out.clear();
    const char *name = iconvNameOfCodePage(codePage);
    if (!name)
        return false;
    if (bytes.empty())
        return true;
    Converter converter("UTF-16LE", name);
    if (!converter.valid())
        return false;
    // No byte sequence of these code pages makes more than two UTF-16 units
    // per byte, so the output is bounded by the input.
    std::u16string text(bytes.size() * 2, u'\0');
    char *in = const_cast<char *>(reinterpret_cast<const char *>(bytes.data()));
    std::size_t inLeft = bytes.size();
    char *to = reinterpret_cast<char *>(text.data());
    std::size_t toLeft = text.size() * sizeof(char16_t);
    // The second call flushes what a converter holds back: CP1258 keeps the
    // last letter in case a combining accent follows it.
    if (iconv(converter.get(), &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1) ||
        iconv(converter.get(), nullptr, nullptr, &to, &toLeft) == static_cast<std::size_t>(-1))
        return false;
    text.resize(text.size() - toLeft / sizeof(char16_t));
    out = std::move(text);
    return true;
}

// The longest byte sequence a code page of the table writes for one UTF-16 unit.
constexpr std::size_t maxBytesPerUnit = 4;

bool encodeCodePage(std::uint16_t codePage, std::u16string_view text, std::string &out) {
    out.clear();
    const char *name = iconvNameOfCodePage(codePage);
    if (!name)
        return false;
    if (text.empty())
        return true;
    Converter converter(name, "UTF-16LE");
    if (!converter.valid())
        return false;
    std::string bytes(text.size() * maxBytesPerUnit, '\0');
    char *in = const_cast<char *>(reinterpret_cast<const char *>(text.data()));
    std::size_t inLeft = text.size() * sizeof(char16_t);
    char *to = bytes.data();
    std::size_t toLeft = bytes.size();
    if (iconv(converter.get(), &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1))
        return false;
    bytes.resize(bytes.size() - toLeft);
    out = std::move(bytes);
    return true;
}

} // namespace xls

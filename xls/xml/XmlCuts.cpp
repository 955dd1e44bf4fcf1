#include "xls/xml/XmlCuts.h"

namespace xls::cuts {

namespace {

// A prefix longer than this is not looked back over.
constexpr std::size_t kMaxPrefix = 32;

bool isNameByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

bool endsName(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '>' || c == '/';
}

// Where in `text` the first thing lies that looks like a record's start tag
// ("<row " or "<x:row>"); only a parser that reaches it can tell whether it
// is one. A tag across the end of the text is passed over.
std::size_t findRecordTag(std::string_view text, std::string_view local) {
    for (std::size_t i = text.find(local); i != std::string_view::npos;
         i = text.find(local, i + 1)) {
        const std::size_t after = i + local.size();
        if (i == 0 || after >= text.size() || !endsName(text[after]))
            continue;
        std::size_t open = i - 1;
        if (text[open] == ':') {
            std::size_t prefix = open;
            while (prefix > 0 && isNameByte(text[prefix - 1]) && open - prefix < kMaxPrefix)
                --prefix;
            if (prefix == open || prefix == 0)
                continue;
            open = prefix - 1;
        }
        if (text[open] == '<')
            return open;
    }
    return std::string_view::npos;
}

} // namespace

std::optional<std::uint64_t> recordTagIn(ByteSpan piece, std::uint64_t at, std::uint64_t from,
                                         std::string_view record) {
    if (from >= at + piece.size())
        return std::nullopt;
    const std::size_t skip = std::size_t(from > at ? from - at : 0);
    const std::string_view text(reinterpret_cast<const char *>(piece.data()), piece.size());
    const std::size_t found = findRecordTag(text.substr(skip), record);
    if (found == std::string_view::npos)
        return std::nullopt;
    return at + skip + found;
}

bool isSheetName(const XmlCut &cut, const XmlName &name, std::string_view local) {
    return name.local == local && cut.isSheetNamespace(name.ns);
}

bool startAtCut(std::optional<XmlParser> &parser, XmlHandler &handler, XmlHandler &inner,
                std::string_view head, ByteSpan piece, std::uint64_t pieceAt, std::uint64_t cutAt) {
    parser.emplace(handler);
    inner.parser = &*parser;
    return parser->feed(bytesOf(head), false) &&
           parser->feed(piece.subspan(std::size_t(cutAt - pieceAt)), false);
}

} // namespace xls::cuts

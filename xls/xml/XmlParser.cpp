#include "xls/xml/XmlParser.h"

#include <expat.h>

#include <cstring>
#include <limits>

namespace xls {

std::string_view localName(std::string_view name) {
    const auto bar = name.rfind(kXmlNamespaceSeparator);
    return bar == std::string_view::npos ? name : name.substr(bar + 1);
}

std::string_view namespaceOf(std::string_view name) {
    const auto bar = name.rfind(kXmlNamespaceSeparator);
    return bar == std::string_view::npos ? std::string_view() : name.substr(0, bar);
}

const char *XmlAttributes::find(std::string_view uri, std::string_view local) const {
    for (const char **p = pairs; *p; p += 2) {
        const std::string_view name(*p);
        if (localName(name) == local && namespaceOf(name) == uri)
            return p[1];
    }
    return nullptr;
}

struct XmlParser::Callbacks {
    static XmlParser &self(void *data) { return *static_cast<XmlParser *>(data); }

    static void start(void *data, const XML_Char *name, const XML_Char **attributes) {
        XmlParser &p = self(data);
        if (++p.depth > kMaxXmlDepth) {
            p.stop({ReadErrorCode::XmlLimit,
                    "elements nested more than " + std::to_string(kMaxXmlDepth) + " deep",
                    p.offset()});
            return;
        }
        p.handler.startElement(name, XmlAttributes(attributes));
    }
    static void end(void *data, const XML_Char *name) {
        XmlParser &p = self(data);
        --p.depth;
        p.handler.endElement(name);
    }
    static void text(void *data, const XML_Char *text, int length) {
        self(data).handler.characters(std::string_view(text, std::size_t(length)));
    }
    // A DOCTYPE is where entities are declared: none is accepted.
    static void doctype(void *data, const XML_Char *, const XML_Char *, const XML_Char *, int) {
        XmlParser &p = self(data);
        p.stop({ReadErrorCode::CorruptXml, "the document has a DOCTYPE, which is refused",
                p.offset()});
    }
    static void entity(void *data, const XML_Char *, int, const XML_Char *, int, const XML_Char *,
                       const XML_Char *, const XML_Char *, const XML_Char *) {
        XmlParser &p = self(data);
        p.stop({ReadErrorCode::CorruptXml, "the document declares an entity, which is refused",
                p.offset()});
    }
};

XmlParser::XmlParser(XmlHandler &handler) : handler(handler) {
    handler.parser = this;
    XML_Parser p = XML_ParserCreateNS(nullptr, kXmlNamespaceSeparator);
    parser = p;
    if (!p)
        return;
    XML_SetUserData(p, this);
    XML_SetElementHandler(p, Callbacks::start, Callbacks::end);
    XML_SetCharacterDataHandler(p, Callbacks::text);
    XML_SetStartDoctypeDeclHandler(p, Callbacks::doctype);
    XML_SetEntityDeclHandler(p, Callbacks::entity);
    // No external entity or DTD is ever fetched.
    XML_SetParamEntityParsing(p, XML_PARAM_ENTITY_PARSING_NEVER);
}

XmlParser::~XmlParser() {
    if (parser)
        XML_ParserFree(static_cast<XML_Parser>(parser));
}

std::uint64_t XmlParser::offset() const {
    return std::uint64_t(XML_GetCurrentByteIndex(static_cast<XML_Parser>(parser)));
}

void XmlParser::stop(ReadError reason) {
    if (!error_)
        error_ = std::move(reason);
    XML_StopParser(static_cast<XML_Parser>(parser), XML_FALSE);
}

bool XmlParser::feed(ByteSpan piece, bool last) {
    if (!parser) {
        error_ = {ReadErrorCode::CorruptXml, "the XML parser could not be created", std::nullopt};
        return false;
    }
    if (error_)
        return false;
    XML_Parser p = static_cast<XML_Parser>(parser);
    constexpr std::size_t maxPiece = std::size_t(std::numeric_limits<int>::max());
    do {
        const std::size_t n = std::min(piece.size(), maxPiece);
        const bool final = last && n == piece.size();
        if (XML_Parse(p, reinterpret_cast<const char *>(piece.data()), int(n), final) !=
            XML_STATUS_OK) {
            if (!error_)
                error_ = {ReadErrorCode::CorruptXml,
                          std::string("not well-formed XML: ") +
                              XML_ErrorString(XML_GetErrorCode(p)),
                          offset()};
            return false;
        }
        piece = piece.subspan(n);
    } while (!piece.empty());
    return !error_;
}

} // namespace xls

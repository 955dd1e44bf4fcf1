#include "xls/xml/XmlParser.h"

#include <expat.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace xls {

std::string XmlName::qualified() const {
    return ns.empty() ? std::string(local) : std::string(ns) + '|' + std::string(local);
}

namespace {

constexpr std::string_view kXmlnsPrefix = "xmlns";
// Bound to this namespace without a declaration (Namespaces in XML 1.0, 3).
constexpr std::string_view kXmlPrefix = "xml";
const std::string kXmlNamespace = "http://www.w3.org/XML/1998/namespace";

// The names expat hands over are NUL-terminated and mostly a few bytes
// long: one pass finds the colon and the end, where measuring the name and
// then searching it would walk it twice, per element and per attribute.
PrefixedName splitName(const char *name) {
    const char *at = name;
    while (*at != '\0' && *at != ':')
        ++at;
    if (*at == '\0')
        return {{}, {name, std::size_t(at - name)}};
    return {{name, std::size_t(at - name)}, std::string_view(at + 1)};
}

// Whether the NUL-terminated `name` is `local` exactly, read no further
// than the first byte that differs.
bool isName(const char *name, std::string_view local) {
    return std::strncmp(name, local.data(), local.size()) == 0 && name[local.size()] == '\0';
}

bool isDeclaration(std::string_view attribute) {
    return attribute.substr(0, kXmlnsPrefix.size()) == kXmlnsPrefix &&
           (attribute.size() == kXmlnsPrefix.size() || attribute[kXmlnsPrefix.size()] == ':');
}

} // namespace

const std::string *XmlNamespaces::find(std::string_view prefix) const {
    for (const Answer &answer : answers)
        if (answer.generation == changes && answer.prefix == prefix)
            return answer.uri;
    Answer &answer = answers[nextAnswer++ % answers.size()];
    answer.prefix.assign(prefix);
    answer.uri = lookUp(prefix);
    answer.generation = changes;
    return answer.uri;
}

const std::string *XmlNamespaces::lookUp(std::string_view prefix) const {
    for (auto binding = bindings.rbegin(); binding != bindings.rend(); ++binding)
        if (binding->prefix == prefix)
            return &binding->uri;
    return prefix == kXmlPrefix ? &kXmlNamespace : nullptr;
}

bool XmlNamespaces::declare(const char **attributes, int depth, ReadError &why) {
    for (const char **p = attributes; *p; p += 2) {
        if (**p != kXmlnsPrefix.front()) // most attributes, measured before their length
            continue;
        const std::string_view name(*p);
        if (!isDeclaration(name))
            continue;
        // "xmlns" binds the default namespace, "xmlns:p" the prefix p.
        const std::string_view prefix = name.substr(std::min(name.size(), kXmlnsPrefix.size() + 1));
        if (!prefix.empty() && *p[1] == '\0') {
            why = {ReadErrorCode::CorruptXml,
                   "the prefix \"" + std::string(prefix) + "\" is declared empty", std::nullopt};
            return false;
        }
        if (bindings.size() >= kMaxBindings) {
            why = {ReadErrorCode::XmlLimit,
                   "more than " + std::to_string(kMaxBindings) + " namespace declarations in scope",
                   std::nullopt};
            return false;
        }
        bindings.push_back({std::string(prefix), p[1], depth});
        ++changes;
    }
    return true;
}

const char *XmlAttributes::find(std::string_view uri, std::string_view local) const {
    // An attribute in no namespace is one without prefix: its whole name is
    // the local name, and no prefixed name can equal it.
    if (uri.empty()) {
        for (const char **p = pairs; *p; p += 2)
            if (isName(*p, local))
                return p[1];
        return nullptr;
    }
    // A name in a namespace has a prefix: an attribute without one is in no
    // namespace, whatever the default.
    for (std::size_t i = 0; pairs[2 * i]; ++i) {
        const PrefixedName name = nameAt(i);
        if (name.local != local || name.prefix.empty() || name.prefix == kXmlnsPrefix)
            continue;
        if (const std::string *bound = namespaces.find(name.prefix); bound && *bound == uri)
            return pairs[2 * i + 1];
    }
    return nullptr;
}

PrefixedName XmlAttributes::nameAt(std::size_t index) const {
    if (index < splitCount)
        return split.names[index];
    const PrefixedName name = splitName(pairs[2 * index]);
    if (index == splitCount && index < kSplitKept)
        split.names[splitCount++] = name;
    return name;
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
        ReadError why;
        if (!p.namespaces.declare(attributes, p.depth, why)) {
            why.offset = p.offset();
            p.stop(std::move(why));
            return;
        }
        if (p.resolve(name))
            p.handler.startElement(p.name, XmlAttributes(attributes, p.namespaces));
    }
    static void end(void *data, const XML_Char *name) {
        XmlParser &p = self(data);
        if (p.resolve(name))
            p.handler.endElement(p.name);
        p.namespaces.close(p.depth);
        --p.depth;
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
    XML_Parser p = XML_ParserCreate(nullptr);
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

std::uint64_t XmlParser::eventLength() const {
    return std::uint64_t(std::max(0, XML_GetCurrentByteCount(static_cast<XML_Parser>(parser))));
}

bool XmlParser::resolve(const char *tag) {
    const PrefixedName parts = splitName(tag);
    if (lastGeneration != namespaces.generation() || parts.prefix != lastPrefix) {
        const std::string *uri = namespaces.find(parts.prefix);
        if (!uri && !parts.prefix.empty()) {
            stop({ReadErrorCode::CorruptXml,
                  "the prefix \"" + std::string(parts.prefix) + "\" is not declared", offset()});
            return false;
        }
        name.ns = uri ? std::string_view(*uri) : std::string_view();
        lastPrefix.assign(parts.prefix);
        lastGeneration = namespaces.generation();
    }
    name.local = parts.local;
    return true;
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

#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/ReadError.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace xls {

// Element names arrive as "namespace-uri|local-name" (just the local name
// outside any namespace); see localName() and namespaceOf().
constexpr char kXmlNamespaceSeparator = '|';
std::string_view localName(std::string_view name);
std::string_view namespaceOf(std::string_view name);

// The attributes of a start tag, as expat hands them: name, value, ..., null.
class XmlAttributes {
public:
    explicit XmlAttributes(const char **pairs) : pairs(pairs) {}
    // The value of the attribute with this namespace and local name, or null.
    const char *find(std::string_view uri, std::string_view local) const;
    // The same for an attribute without namespace.
    const char *find(std::string_view local) const { return find({}, local); }

private:
    const char **pairs;
};

// What a sheet reader does with the document. A handler that finds a reason
// to stop calls XmlParser::stop() with it.
class XmlParser;
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    // The parser feeding this handler, set by it.
    XmlParser *parser = nullptr;
    virtual void startElement(std::string_view name, const XmlAttributes &attributes) = 0;
    virtual void endElement(std::string_view name) = 0;
    virtual void characters(std::string_view text) = 0;
};

// expat behind the caps every untrusted document gets: no DOCTYPE at all (so
// no entity is ever declared or expanded), elements nested at most
// kMaxXmlDepth deep. Text is handed over as it arrives; handlers cap what they keep.
class XmlParser {
public:
    static constexpr int kMaxXmlDepth = 64;

    explicit XmlParser(XmlHandler &handler);
    ~XmlParser();
    XmlParser(const XmlParser &) = delete;
    XmlParser &operator=(const XmlParser &) = delete;

    // Parses the next piece; `last` for the final one. False with error().
    bool feed(ByteSpan piece, bool last);
    // Ends parsing from within a handler with this reason.
    void stop(ReadError reason);
    const ReadError &error() const { return error_; }
    // The byte offset in the document of the event being handled.
    std::uint64_t offset() const;

private:
    struct Callbacks;
    void *parser = nullptr; // XML_Parser
    XmlHandler &handler;
    ReadError error_;
    int depth = 0;
};

} // namespace xls

#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/ReadError.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xls {

// An element's name: its namespace URI ("" outside any namespace) and its
// local name, valid while the handler that gets it runs.
struct XmlName {
    std::string_view ns, local;

    // The local name is compared first: it tells most names apart.
    bool is(std::string_view wantedNs, std::string_view wantedLocal) const {
        return local == wantedLocal && ns == wantedNs;
    }
    // "namespace-uri|local-name", or the local name alone, for messages.
    std::string qualified() const;
};

// The namespace prefixes in scope, bound by the xmlns attributes of the
// elements open (Namespaces in XML 1.0, section 3). Resolving them here
// instead of in expat's namespace mode spares expat building a qualified name
// for every tag and attribute; the few prefixes a document declares are
// looked up among the bindings in scope.
class XmlNamespaces {
public:
    // At most this many bindings are in scope at once.
    static constexpr std::size_t kMaxBindings = 256;

    // The namespace of a prefix ("" for the default one); null when unbound.
    // An empty namespace means none.
    const std::string *find(std::string_view prefix) const;
    // Binds the xmlns attributes of an element at `depth`; false with `why`
    // (no offset) when too many are in scope or a prefix is undeclared (xmlns:p="").
    bool declare(const char **attributes, int depth, ReadError &why);
    // Ends the bindings of the element at `depth`.
    void close(int depth) {
        for (; !bindings.empty() && bindings.back().depth == depth; ++changes)
            bindings.pop_back();
    }
    // Changes whenever a binding begins or ends.
    std::uint64_t generation() const { return changes; }

private:
    struct Binding {
        std::string prefix, uri;
        int depth;
    };
    // A sheet's attributes use a handful of prefixes over and over (table:,
    // office:, text:) while a document declares dozens: the last answers are
    // kept until a binding begins or ends.
    struct Answer {
        std::string prefix;
        const std::string *uri = nullptr;
        std::uint64_t generation = ~std::uint64_t(0);
    };
    const std::string *lookUp(std::string_view prefix) const;
    std::vector<Binding> bindings;
    std::uint64_t changes = 0;
    mutable std::array<Answer, 4> answers;
    mutable std::size_t nextAnswer = 0;
};

// A name as written in the document: its prefix (empty when it has none)
// and its local part.
struct PrefixedName {
    std::string_view prefix, local;
};

// The attributes of a start tag, as expat hands them: name, value, ..., null.
// Names keep their prefix; find() resolves it.
class XmlAttributes {
public:
    XmlAttributes(const char **pairs, const XmlNamespaces &namespaces)
        : pairs(pairs), namespaces(namespaces) {}
    // The value of the attribute with this namespace and local name, or null.
    const char *find(std::string_view uri, std::string_view local) const;
    // The same for an attribute without namespace.
    const char *find(std::string_view local) const { return find({}, local); }

private:
    // An element's attributes are looked up one name after another: each
    // name is split at its colon once, on the first lookup that reaches it.
    static constexpr std::size_t kSplitKept = 16;

    PrefixedName nameAt(std::size_t index) const;

    const char **pairs;
    const XmlNamespaces &namespaces;
    // Left unset until written: every start tag makes one, and most look up
    // a name or two.
    union SplitNames {
        SplitNames() {}
        PrefixedName names[kSplitKept];
    };
    mutable SplitNames split;
    mutable std::size_t splitCount = 0; // the first names, split in order
};

// What a sheet reader does with the document. A handler that finds a reason
// to stop calls XmlParser::stop() with it.
class XmlParser;
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    // The parser feeding this handler, set by it.
    XmlParser *parser = nullptr;
    virtual void startElement(const XmlName &name, const XmlAttributes &attributes) = 0;
    virtual void endElement(const XmlName &name) = 0;
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
    // How many bytes that event takes (a start tag's, whole).
    std::uint64_t eventLength() const;

private:
    struct Callbacks;
    // The tag's namespace and local name in `name`; false after stop() when
    // its prefix is unbound.
    bool resolve(const char *tag);

    void *parser = nullptr; // XML_Parser
    XmlHandler &handler;
    ReadError error_;
    int depth = 0;
    XmlNamespaces namespaces;
    XmlName name;
    // `name.ns` is the namespace of `lastPrefix` as bound at namespaces'
    // generation `lastGeneration`: tags mostly repeat the prefix before.
    std::string lastPrefix;
    std::uint64_t lastGeneration = ~std::uint64_t(0);
};

} // namespace xls

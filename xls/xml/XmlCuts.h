// Cutting a sheet part before a record, so that its pieces can be parsed
// on several threads at once: where a cut may lie, how two threads agree on
// one, and how the parser that reaches it tells whether it is one.
#pragma once

#include "xls/xml/XmlInParts.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace xls::cuts {

using Clock = std::chrono::steady_clock;

// The later pieces are given what precedes the holder's start tag, up to
// this many bytes; a part with more is parsed in one.
constexpr std::uint64_t kMaxHead = 64 * 1024;
// How far past where a cut is wanted a record's start tag is looked for.
constexpr std::uint64_t kMaxSearch = std::uint64_t(1) << 20;

// The part's offset of the first thing in `piece` (which begins at `at`)
// from `from` on that looks like a record's start tag ("<row " or
// "<x:row>"); only a parser that reaches it can tell whether it is one. A
// tag across the end of the piece is passed over.
std::optional<std::uint64_t> recordTagIn(ByteSpan piece, std::uint64_t at, std::uint64_t from,
                                         std::string_view record);

bool isSheetName(const XmlCut &cut, const XmlName &name, std::string_view local);

// A cut two threads agree on. One claims it, the other parses up to it; a
// cut may only be claimed where that parser has not been fed yet, and the
// parser learns of it before it is fed the bytes where it lies.
class Meeting {
public:
    struct State {
        std::uint64_t fedUpTo = 0;
        std::optional<std::uint64_t> cut;
        Clock::time_point claimedAt;
        // The root's and the holder's start tags, which a parser that
        // begins at a cut is given first.
        std::string head;
    };
    // The parsing side, before it is fed up to `end`: the cut, once claimed.
    std::optional<std::uint64_t> feeding(std::uint64_t end) {
        const std::lock_guard lock(mutex);
        now.fedUpTo = std::max(now.fedUpTo, end);
        return now.cut;
    }
    // False when the parsing side has been fed past `at`.
    bool claim(std::uint64_t at, std::string_view head) {
        const std::lock_guard lock(mutex);
        if (at < now.fedUpTo || now.cut)
            return false;
        now.cut = at;
        now.claimedAt = Clock::now();
        now.head = head;
        return true;
    }
    State state() const {
        const std::lock_guard lock(mutex);
        return now;
    }

private:
    mutable std::mutex mutex;
    State now;
};

// Hands a parser's events on to its handler. At the first event at or past
// the cut it asks `decide` whether the next piece takes over there, which it
// can only where that event is a record's start tag in the first holder; if
// so, the parser ends before that tag.
class CutWatch : public XmlHandler {
public:
    CutWatch(XmlHandler &inner, const XmlCut &cut) : inner(inner), cut(cut) {}

    std::function<bool(bool onRecord)> decide;
    std::optional<std::uint64_t> cutAt;
    // A parser that begins at a cut reads the head's tags first: its offsets
    // lie this far behind the part's.
    std::uint64_t shift = 0;
    bool handedOver = false;

    void startElement(const XmlName &name, const XmlAttributes &attributes) override {
        ++depth;
        const std::uint64_t at = parser->offset() + shift;
        if (reachesCut(at) && settle(at == *cutAt && depth == 3 && holderOpen && holders == 1 &&
                                     isSheetName(cut, name, cut.record)))
            return;
        if (depth == 2 && isSheetName(cut, name, cut.holder)) {
            holderOpen = true;
            ++holders;
        }
        inner.startElement(name, attributes);
    }
    void endElement(const XmlName &name) override {
        if (reachesCut(parser->offset() + shift))
            settle(false);
        if (depth-- == 2)
            holderOpen = false;
        inner.endElement(name);
    }
    void characters(std::string_view text) override {
        if (reachesCut(parser->offset() + shift))
            settle(false);
        inner.characters(text);
    }

private:
    bool reachesCut(std::uint64_t at) const { return cutAt && !decided && at >= *cutAt; }
    bool settle(bool onRecord) {
        decided = true;
        handedOver = decide(onRecord);
        if (handedOver)
            parser->stop(
                {ReadErrorCode::Cancelled, "the next piece is read from here", parser->offset()});
        return handedOver;
    }

    XmlHandler &inner;
    const XmlCut &cut;
    int depth = 0;
    int holders = 0;
    bool holderOpen = false;
    bool decided = false;
};

// Finds where the root's and the first holder's start tags lie, and stops
// there.
class HeadWatch : public XmlHandler {
public:
    explicit HeadWatch(const XmlCut &cut) : cut(cut) {}

    std::uint64_t rootEnd = 0, holderStart = 0, holderEnd = 0; // holderEnd 0 until found

    void startElement(const XmlName &name, const XmlAttributes &) override {
        const std::uint64_t at = parser->offset();
        if (++depth == 1) {
            rootEnd = at + parser->eventLength();
        } else if (depth == 2 && isSheetName(cut, name, cut.holder)) {
            holderStart = at;
            holderEnd = at + parser->eventLength();
            parser->stop({ReadErrorCode::Cancelled, "the holder has been found", at});
        }
    }
    void endElement(const XmlName &) override { --depth; }
    void characters(std::string_view) override {}

private:
    const XmlCut &cut;
    int depth = 0;
};

// The root's and the holder's start tags, from the first pieces of a part:
// a parser that begins at a cut is given them first, so that it knows the
// namespaces in scope and the depth there.
class Head {
public:
    explicit Head(const XmlCut &cut) : watch(cut), parser(watch) {}
    // False when the holder is not found: the XML fails first, or its tag
    // ends past kMaxHead.
    bool take(ByteSpan piece) {
        if (found())
            return true;
        bytes.append(reinterpret_cast<const char *>(piece.data()), piece.size());
        parser.feed(piece, false); // stops at the holder
        if (!found())
            return bytes.size() <= kMaxHead && !parser.error();
        tags_ = bytes.substr(0, watch.rootEnd) +
                bytes.substr(watch.holderStart, watch.holderEnd - watch.holderStart);
        bytes = {};
        return true;
    }
    bool found() const { return watch.holderEnd != 0; }
    std::uint64_t holderEnd() const { return watch.holderEnd; }
    const std::string &tags() const { return tags_; }

private:
    HeadWatch watch;
    XmlParser parser;
    std::string bytes;
    std::string tags_;
};

// A parser for the piece from a cut on: the head's tags, then the bytes
// from the cut. False when it fails at once.
bool startAtCut(std::optional<XmlParser> &parser, XmlHandler &handler, XmlHandler &inner,
                std::string_view head, ByteSpan piece, std::uint64_t pieceAt, std::uint64_t cutAt);

} // namespace xls::cuts

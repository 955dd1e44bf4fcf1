#include "xls/model/ExcelCell.h"

#include <algorithm>

#include <cstring>
#include <new>

static_assert(sizeof(ExcelCell) == 24, "a sheet's memory follows the cell's size");

ExcelCell::ExcelCell(const ExcelCell &other) {
    copyFrom(other);
}

ExcelCell::ExcelCell(ExcelCell &&other) noexcept {
    takeFrom(other);
}

ExcelCell &ExcelCell::operator=(const ExcelCell &other) {
    if (this != &other) {
        release();
        copyFrom(other);
    }
    return *this;
}

ExcelCell &ExcelCell::operator=(ExcelCell &&other) noexcept {
    if (this != &other) {
        release();
        takeFrom(other);
    }
    return *this;
}

void ExcelCell::release() noexcept {
    switch (kind) {
    case Kind::LongString:
        delete[] narrow;
        break;
    case Kind::LongWString:
        delete[] wide;
        break;
    case Kind::SharedWString:
        std::launder(reinterpret_cast<SharedText *>(sharedBytes))->~SharedText();
        break;
    default:
        break;
    }
    kind = Kind::Empty;
    length = 0;
}

void ExcelCell::copyFrom(const ExcelCell &other) {
    switch (other.kind) {
    case Kind::LongString:
        setString(other.narrow, other.length);
        return;
    case Kind::LongWString:
        setWString(reinterpret_cast<const std::uint16_t *>(other.wide), other.length);
        return;
    case Kind::SharedWString:
        setSharedWString(*std::launder(reinterpret_cast<const SharedText *>(other.sharedBytes)));
        return;
    default:
        std::memcpy(inlineBytes, other.inlineBytes, inlineSize);
        length = other.length;
        kind = other.kind;
    }
}

void ExcelCell::takeFrom(ExcelCell &other) noexcept {
    if (other.kind == Kind::SharedWString) {
        auto *text = std::launder(reinterpret_cast<SharedText *>(other.sharedBytes));
        new (sharedBytes) SharedText(std::move(*text));
        text->~SharedText();
    } else {
        // The owned pointers move with the bytes.
        std::memcpy(inlineBytes, other.inlineBytes, inlineSize);
    }
    length = other.length;
    kind = other.kind;
    other.kind = Kind::Empty;
    other.length = 0;
}

bool ExcelCell::getInteger(int &out) const {
    if (kind == Kind::Integer) {
        out = integer;
        return true;
    }
    if (kind == Kind::Double) {
        const double d = number;
        // Truncates toward zero; values beyond int saturate instead of being undefined.
        if (d != d)
            out = 0;
        else if (d >= 2147483647.0)
            out = 2147483647;
        else if (d <= -2147483648.0)
            out = -2147483647 - 1;
        else
            out = int(d);
        return true;
    }
    return false;
}

int ExcelCell::integerValue() const {
    int out = 0;
    return getInteger(out) ? out : 0;
}

bool ExcelCell::getDouble(double &out) const {
    if (kind == Kind::Double) {
        out = number;
        return true;
    }
    if (kind == Kind::Integer) {
        out = integer;
        return true;
    }
    return false;
}

double ExcelCell::doubleValue() const {
    double out = 0.0;
    return getDouble(out) ? out : 0.0;
}

bool ExcelCell::getString(char *out) const {
    const char *s = string();
    if (!s)
        return false;
    std::memcpy(out, s, std::size_t(length) + 1);
    return true;
}

bool ExcelCell::getWString(std::uint16_t *out) const {
    const std::uint16_t *s = wstring();
    if (!s)
        return false;
    std::memcpy(out, s, (std::size_t(length) + 1) * sizeof(char16_t));
    return true;
}

const char *ExcelCell::string() const {
    if (kind == Kind::ShortString)
        return inlineBytes;
    return kind == Kind::LongString ? narrow : nullptr;
}

const std::u16string *ExcelCell::shared() const {
    return kind == Kind::SharedWString
               ? std::launder(reinterpret_cast<const SharedText *>(sharedBytes))->get()
               : nullptr;
}

const std::uint16_t *ExcelCell::wstring() const {
    const char16_t *units = nullptr;
    if (kind == Kind::ShortWString)
        units = inlineUnits;
    else if (kind == Kind::LongWString)
        units = wide;
    else if (const std::u16string *text = shared())
        units = text->c_str();
    return reinterpret_cast<const std::uint16_t *>(units);
}

int ExcelCell::stringLength() const {
    switch (kind) {
    case Kind::ShortString:
    case Kind::LongString:
    case Kind::ShortWString:
    case Kind::LongWString:
        return int(length);
    case Kind::SharedWString:
        return int(shared()->size());
    default:
        return 0;
    }
}

void ExcelCell::setInteger(int v) {
    release();
    integer = v;
    kind = Kind::Integer;
}

void ExcelCell::setDouble(double v) {
    release();
    number = v;
    kind = Kind::Double;
}

void ExcelCell::setString(const char *s) {
    setString(s, s ? std::strlen(s) : 0);
}

void ExcelCell::setString(const char *s, std::size_t size) {
    release();
    if (size == 0 || size > UINT32_MAX - 1)
        return;
    char *target = inlineBytes;
    kind = Kind::ShortString;
    if (size >= inlineSize) {
        target = narrow = new char[size + 1];
        kind = Kind::LongString;
    }
    std::memcpy(target, s, size);
    target[size] = '\0';
    length = std::uint32_t(size);
}

void ExcelCell::setWString(const std::uint16_t *s) {
    std::size_t size = 0;
    while (s && s[size] != 0)
        ++size;
    setWString(s, size);
}

void ExcelCell::setWString(const std::uint16_t *s, std::size_t size) {
    release();
    if (size == 0 || size > UINT32_MAX - 1)
        return;
    char16_t *target = inlineUnits;
    kind = Kind::ShortWString;
    if (size >= inlineSize / 2) {
        target = wide = new char16_t[size + 1];
        kind = Kind::LongWString;
    }
    std::memcpy(target, s, size * sizeof(char16_t));
    target[size] = u'\0';
    length = std::uint32_t(size);
}

void ExcelCell::setSharedWString(std::shared_ptr<const std::u16string> s) {
    // A short text fits the cell itself: kept there, it costs no count of
    // users and lets the shared copy go once the reader is done. Latin-1
    // takes a byte a character, so twice as many of its characters fit.
    if (s && !s->empty() && s->size() < inlineSize && s->find(u'\0') == std::u16string::npos) {
        if (std::all_of(s->begin(), s->end(), [](char16_t unit) { return unit <= 0xFF; })) {
            char narrowed[inlineSize];
            std::copy(s->begin(), s->end(), narrowed);
            return setString(narrowed, s->size());
        }
        if (s->size() < inlineSize / 2)
            return setWString(reinterpret_cast<const std::uint16_t *>(s->data()), s->size());
    }
    release();
    if (!s)
        return;
    new (sharedBytes) SharedText(std::move(s));
    kind = Kind::SharedWString;
}

#include "xls/model/ExcelCell.h"

#include <cstring>

bool ExcelCell::getInteger(int &out) const {
    if (const auto *i = std::get_if<std::int32_t>(&value)) {
        out = *i;
        return true;
    }
    if (const auto *d = std::get_if<double>(&value)) {
        // Truncates toward zero; values beyond int saturate instead of being undefined.
        if (*d != *d)
            out = 0;
        else if (*d >= 2147483647.0)
            out = 2147483647;
        else if (*d <= -2147483648.0)
            out = -2147483647 - 1;
        else
            out = int(*d);
        return true;
    }
    return false;
}

int ExcelCell::integerValue() const {
    int out = 0;
    return getInteger(out) ? out : 0;
}

bool ExcelCell::getDouble(double &out) const {
    if (const auto *d = std::get_if<double>(&value)) {
        out = *d;
        return true;
    }
    if (const auto *i = std::get_if<std::int32_t>(&value)) {
        out = *i;
        return true;
    }
    return false;
}

double ExcelCell::doubleValue() const {
    double out = 0.0;
    return getDouble(out) ? out : 0.0;
}

bool ExcelCell::getString(char *out) const {
    const auto *s = std::get_if<std::string>(&value);
    if (!s)
        return false;
    std::memcpy(out, s->c_str(), s->size() + 1);
    return true;
}

const std::u16string *ExcelCell::wide() const {
    if (const auto *s = std::get_if<std::u16string>(&value))
        return s;
    if (const auto *shared = std::get_if<std::shared_ptr<const std::u16string>>(&value))
        return shared->get();
    return nullptr;
}

bool ExcelCell::getWString(std::uint16_t *out) const {
    const std::u16string *s = wide();
    if (!s)
        return false;
    std::memcpy(out, s->c_str(), (s->size() + 1) * sizeof(char16_t));
    return true;
}

const char *ExcelCell::string() const {
    const auto *s = std::get_if<std::string>(&value);
    return s ? s->c_str() : nullptr;
}

const std::uint16_t *ExcelCell::wstring() const {
    const std::u16string *s = wide();
    return s ? reinterpret_cast<const std::uint16_t *>(s->c_str()) : nullptr;
}

int ExcelCell::stringLength() const {
    if (const auto *s = std::get_if<std::string>(&value))
        return int(s->size());
    if (const std::u16string *s = wide())
        return int(s->size());
    return 0;
}

void ExcelCell::setString(const char *s) {
    setString(s, s ? std::strlen(s) : 0);
}

void ExcelCell::setString(const char *s, std::size_t length) {
    if (length == 0)
        clear();
    else
        value = std::string(s, length);
}

void ExcelCell::setWString(const std::uint16_t *s) {
    std::size_t length = 0;
    while (s && s[length] != 0)
        ++length;
    setWString(s, length);
}

void ExcelCell::setWString(const std::uint16_t *s, std::size_t length) {
    if (length == 0)
        clear();
    else
        value = std::u16string(reinterpret_cast<const char16_t *>(s), length);
}

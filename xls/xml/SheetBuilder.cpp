#include "xls/xml/SheetBuilder.h"

#include <charconv>
#include <cmath>

namespace xls {

namespace {

// The serial number Excel gives 1970-01-01, counted from 1899-12-30.
constexpr int kUnixEpochSerial = 25569;
constexpr double kSecondsPerDay = 86400.0;

// Days from 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's
// days_from_civil).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + std::int64_t(doe) - 719468;
}

bool isLeapYear(std::int64_t y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

int daysInMonth(std::int64_t y, int m) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : days[m - 1];
}

bool readInt(std::string_view &text, std::size_t digits, int &out) {
    if (text.size() < digits)
        return false;
    const auto result = std::from_chars(text.data(), text.data() + digits, out);
    if (result.ec != std::errc() || result.ptr != text.data() + digits)
        return false;
    text.remove_prefix(digits);
    return true;
}

bool take(std::string_view &text, char c) {
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

// "hh:mm:ss[.fff]" as a fraction of a day.
std::optional<double> parseClock(std::string_view text) {
    int h = 0, m = 0;
    if (!readInt(text, 2, h) || !take(text, ':') || !readInt(text, 2, m))
        return std::nullopt;
    double s = 0;
    if (take(text, ':')) {
        const auto result = std::from_chars(text.data(), text.data() + text.size(), s);
        if (result.ec != std::errc())
            return std::nullopt;
        text.remove_prefix(std::size_t(result.ptr - text.data()));
    }
    // A time zone suffix is ignored: the sheet shows local times.
    if (h > 24 || m > 59 || !(s >= 0 && s < 61))
        return std::nullopt;
    return (h * 3600 + m * 60 + s) / kSecondsPerDay;
}

} // namespace

bool TextCollector::append(std::string_view piece) {
    if (piece.size() > maxBytes - utf8.size())
        return false;
    utf8.append(piece);
    return true;
}

std::optional<std::u16string> TextCollector::wide() const {
    std::u16string out = utf8ToUtf16(utf8);
    if (out.size() > kMaxCellText)
        return std::nullopt;
    return out;
}

std::u16string utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        std::uint32_t cp = b;
        std::size_t n = 1;
        if (b >= 0xF0)
            cp = b & 0x07, n = 4;
        else if (b >= 0xE0)
            cp = b & 0x0F, n = 3;
        else if (b >= 0xC0)
            cp = b & 0x1F, n = 2;
        // expat hands over valid UTF-8 only; a cut sequence ends the text.
        if (n > utf8.size() - i)
            break;
        for (std::size_t k = 1; k < n; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += n;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(char16_t(0xD800 + (cp >> 10)));
            out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(char16_t(cp));
        }
    }
    return out;
}

std::optional<double> parseXmlNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\n' ||
                             text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n' ||
                             text.back() == '\r'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> parseIsoDate(std::string_view text) {
    // A time alone ("14:30:00", "T14:30:00") is the fraction of a day.
    constexpr std::size_t hourDigits = 2;
    if (take(text, 'T') || (text.size() > hourDigits && text[hourDigits] == ':'))
        return parseClock(text);
    const bool negative = take(text, '-');
    int y = 0, m = 0, d = 0;
    const std::size_t yearDigits = std::min(text.find('-'), text.size());
    if (yearDigits < 4 || yearDigits > 6 || !readInt(text, yearDigits, y) || !take(text, '-') ||
        !readInt(text, 2, m) || !take(text, '-') || !readInt(text, 2, d) || m < 1 || m > 12)
        return std::nullopt;
    const std::int64_t year = negative ? -y : y;
    if (d < 1 || d > daysInMonth(year, m))
        return std::nullopt;
    const std::int64_t days = daysFromCivil(year, unsigned(m), unsigned(d)) + kUnixEpochSerial;
    double fraction = 0;
    if (take(text, 'T')) {
        const auto clock = parseClock(text);
        if (!clock)
            return std::nullopt;
        fraction = *clock;
    }
    return double(days) + fraction;
}

std::optional<double> parseIsoDuration(std::string_view text) {
    // OpenDocument times are durations: PT12H30M15.5S, sometimes with days.
    const bool negative = take(text, '-');
    if (!take(text, 'P'))
        return parseClock(text);
    double seconds = 0;
    bool inTime = false;
    while (!text.empty()) {
        if (take(text, 'T')) {
            inTime = true;
            continue;
        }
        double value = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        if (result.ec != std::errc() || result.ptr == text.data() + text.size() || value < 0)
            return std::nullopt;
        text.remove_prefix(std::size_t(result.ptr - text.data()));
        const char unit = text.front();
        text.remove_prefix(1);
        if (unit == 'D' && !inTime)
            seconds += value * kSecondsPerDay;
        else if (unit == 'H' && inTime)
            seconds += value * 3600;
        else if (unit == 'M' && inTime)
            seconds += value * 60;
        else if (unit == 'S' && inTime)
            seconds += value;
        else
            return std::nullopt;
    }
    const double days = seconds / kSecondsPerDay;
    return negative ? -days : days;
}

ReadError textTooLong(std::uint64_t offset) {
    return {ReadErrorCode::XmlLimit,
            "a cell text is longer than " + std::to_string(kMaxCellText) + " characters", offset};
}

SheetBuilder::SheetBuilder(CellSink &sheet) : sheet(sheet) {
    sheet.setLimits(kXmlMaxRows, kXmlMaxColumns);
}

bool SheetBuilder::checkPosition(std::uint64_t row, std::uint64_t column) {
    if (error_)
        return false;
    if (row >= kXmlMaxRows || column >= kXmlMaxColumns) {
        error_ = {ReadErrorCode::XmlLimit,
                  "a cell at row " + std::to_string(row + 1) + ", column " +
                      std::to_string(column + 1) + " lies outside the grid of " +
                      std::to_string(kXmlMaxRows) + " rows and " + std::to_string(kXmlMaxColumns) +
                      " columns",
                  offset_};
        return false;
    }
    return true;
}

// The cap counts the cells the sheet keeps, so a cell written twice counts once.
bool SheetBuilder::admits(std::uint32_t row, std::uint32_t column) {
    if (!checkPosition(row, column))
        return false;
    if (sheet.storedCells() >= kXmlMaxCells) {
        error_ = {ReadErrorCode::XmlLimit,
                  "the sheet holds more than " + std::to_string(kXmlMaxCells) +
                      " cells with a value",
                  offset_};
        return false;
    }
    return true;
}

bool SheetBuilder::setNumber(std::uint32_t row, std::uint32_t column, double value) {
    return admits(row, column) && sheet.setDouble(row, column, value);
}

bool SheetBuilder::setBoolean(std::uint32_t row, std::uint32_t column, bool value) {
    return admits(row, column) && sheet.setInteger(row, column, value ? 1 : 0);
}

bool SheetBuilder::setText(std::uint32_t row, std::uint32_t column,
                           std::shared_ptr<const std::u16string> text) {
    if (!text || text->empty())
        return !error_; // an empty string is no cell
    return admits(row, column) && sheet.setSharedText(row, column, std::move(text));
}

} // namespace xls

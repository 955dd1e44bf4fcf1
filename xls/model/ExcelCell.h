#pragma once

#include <cstdint>
#include <memory>
#include <string>

enum ExcelCellType { Undefined = 0, Integer = 1, Double = 2, String = 3, WString = 4 };

// One typed cell value. Texts are kept NUL-terminated; short ones live inside
// the cell itself, so a sheet of names costs no allocation per cell. A sheet
// holds hundreds of thousands of cells, so the cell is kept to 24 bytes: a
// tag, a length and 16 bytes that hold the number, the short text or the
// pointer to a longer one.
class ExcelCell {
public:
    ExcelCell() = default;
    ExcelCell(const ExcelCell &other);
    ExcelCell(ExcelCell &&other) noexcept;
    ExcelCell &operator=(const ExcelCell &other);
    ExcelCell &operator=(ExcelCell &&other) noexcept;
    ~ExcelCell() { release(); }

    ExcelCellType type() const {
        // In Kind order: read for every cell of every walk, so a table, not a switch.
        constexpr ExcelCellType types[] = {Undefined, Integer, Double,  String,
                                           String,    WString, WString, WString};
        return types[std::size_t(kind)];
    }

    bool getInteger(int &out) const;
    int integerValue() const;
    bool getDouble(double &out) const;
    double doubleValue() const;
    // The caller provides room for stringLength() + 1 units.
    bool getString(char *out) const;
    bool getWString(std::uint16_t *out) const;
    const char *string() const;
    const std::uint16_t *wstring() const;
    int stringLength() const;

    void setInteger(int v);
    void setDouble(double v);
    void setString(const char *s);
    void setString(const char *s, std::size_t length);
    void setWString(const std::uint16_t *s);
    void setWString(const std::uint16_t *s, std::size_t length);
    // A text held once and read by every cell that uses it (a shared string,
    // a repeated cell): it reads as WString, or as String when it is short
    // Latin-1 and kept in the cell itself.
    void setSharedWString(std::shared_ptr<const std::u16string> s);
    void clear() { release(); }

private:
    enum class Kind : std::uint8_t {
        Empty,
        Integer,
        Double,
        ShortString, // in `inlineBytes`
        LongString,  // `narrow` owns length + 1 bytes
        ShortWString,
        LongWString, // `wide` owns length + 1 units
        SharedWString,
    };
    using SharedText = std::shared_ptr<const std::u16string>;
    static constexpr std::size_t inlineSize = 16;

    void release() noexcept;
    void copyFrom(const ExcelCell &other);
    void takeFrom(ExcelCell &other) noexcept;
    const std::u16string *shared() const;

    union {
        std::int32_t integer;
        double number;
        char inlineBytes[inlineSize] = {};
        char16_t inlineUnits[inlineSize / 2];
        char *narrow;
        char16_t *wide;
        alignas(SharedText) unsigned char sharedBytes[sizeof(SharedText)];
    };
    std::uint32_t length = 0;
    Kind kind = Kind::Empty;
};

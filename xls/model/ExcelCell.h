#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

enum ExcelCellType { Undefined = 0, Integer = 1, Double = 2, String = 3, WString = 4 };

// One typed cell value. Texts are kept NUL-terminated; short ones live inside
// the cell itself, so a sheet of names costs no allocation per cell.
class ExcelCell {
public:
    ExcelCellType type() const {
        const std::size_t index = value.index();
        return index == sharedIndex ? WString : ExcelCellType(index);
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

    void setInteger(int v) { value = v; }
    void setDouble(double v) { value = v; }
    void setString(const char *s);
    void setString(const char *s, std::size_t length);
    void setWString(const std::uint16_t *s);
    void setWString(const std::uint16_t *s, std::size_t length);
    // A text held once and read by every cell that uses it (a shared string,
    // a repeated cell): it reads as WString.
    void setSharedWString(std::shared_ptr<const std::u16string> s) { value = std::move(s); }
    void clear() { value = std::monostate(); }

private:
    // The alternatives are in ExcelCellType order, so index() is the type;
    // the shared text comes last and reads as WString.
    static constexpr std::size_t sharedIndex = 5;
    const std::u16string *wide() const;
    std::variant<std::monostate, std::int32_t, double, std::string, std::u16string,
                 std::shared_ptr<const std::u16string>>
        value;
};

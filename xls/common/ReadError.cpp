#include "xls/common/ReadError.h"

namespace xls {

std::string ReadError::describe() const {
    if (!offset)
        return text;
    return text + " (at byte " + std::to_string(*offset) + ")";
}

} // namespace xls

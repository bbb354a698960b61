#include "data_error.h"

#include <utility>

namespace tavu {

namespace {
std::string describe(const std::filesystem::path& file, int line, const std::string& reason) {
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict for chained
    // operator+ on strings (GCC bug 105329).
    std::string where = file.filename().string();
    if (line > 0)
        where.append(" ").append(std::to_string(line)).append(" 行目");
    return where.append(": ").append(reason);
}
} // namespace

DataError::DataError(std::filesystem::path file, int line, const std::string& reason)
    : std::runtime_error(describe(file, line, reason))
    , file_(std::move(file))
    , line_(line)
    , reason_(reason) {}

} // namespace tavu

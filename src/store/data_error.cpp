#include "data_error.h"

#include <utility>

namespace tavu {

namespace {
std::string describe(const std::filesystem::path& file, int line, const std::string& reason) {
    std::string where = file.filename().string();
    if (line > 0)
        where += " " + std::to_string(line) + " 行目";
    return where + ": " + reason;
}
} // namespace

DataError::DataError(std::filesystem::path file, int line, const std::string& reason)
    : std::runtime_error(describe(file, line, reason))
    , file_(std::move(file))
    , line_(line)
    , reason_(reason) {}

} // namespace tavu

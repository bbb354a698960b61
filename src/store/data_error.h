#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>

namespace tavu {

// A data file that cannot be read or does not hold what its format promises.
// The message is UTF-8 Japanese, ready for an error box or stderr; file and line
// (1-based, 0 when the whole file is meant) let a caller point at the fault.
class DataError : public std::runtime_error {
public:
    DataError(std::filesystem::path file, int line, const std::string& reason)
        : std::runtime_error(describe(file, line, reason))
        , file_(std::move(file))
        , line_(line)
        , reason_(reason) {}

    const std::filesystem::path& file() const { return file_; }
    int line() const { return line_; }
    const std::string& reason() const { return reason_; }

private:
    static std::string describe(const std::filesystem::path& file, int line, const std::string& reason) {
        // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict for chained
        // operator+ on strings (GCC bug 105329).
        std::string where = file.filename().string();
        if (line > 0)
            where.append(" ").append(std::to_string(line)).append(" 行目");
        return where.append(": ").append(reason);
    }

    std::filesystem::path file_;
    int line_;
    std::string reason_;
};

} // namespace tavu

#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tavu {

// A data file that cannot be read or does not hold what its format promises.
// The message is UTF-8 Japanese, ready for an error box or stderr; file and line
// (1-based, 0 when the whole file is meant) let a caller point at the fault.
class DataError : public std::runtime_error {
public:
    DataError(std::filesystem::path file, int line, const std::string& reason);

    const std::filesystem::path& file() const { return file_; }
    int line() const { return line_; }
    const std::string& reason() const { return reason_; }

private:
    std::filesystem::path file_;
    int line_;
    std::string reason_;
};

} // namespace tavu

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavu {

// A number field holds at most this many bytes; the rest of a longer run is the next field.
inline constexpr std::size_t MaxNumberBytes = 32;

// A number field's bytes as a value: an optional sign, then decimal digits to the end; nullopt
// when they are anything else or out of range.
std::optional<std::int32_t> decimalNumber(std::string_view token);

// The text without the spaces and tabs around it.
std::string_view trimBlanks(std::string_view s);

// Splits text into lines at CR LF, LF or a lone CR; a break at the very end adds no line.
std::vector<std::string> splitLines(std::string_view text);

// Reads the fields of fixed-column table lines from a whole file's bytes:
// - text(W) takes the next W bytes as they are, stopping early (without consuming it) at
//   a line end (CR LF or lone LF); a CR not followed by LF is dropped;
// - integer() skips every byte <= 0x20 (so a missing number continues on the next line),
//   then takes up to MaxNumberBytes bytes > 0x20 and converts them; the terminating byte stays for the
//   next field. At the end of the file it yields 0;
// - nextLine() skips past the next LF.
class FieldReader {
public:
    FieldReader(std::string_view bytes, const std::filesystem::path& file)
        : bytes_(bytes)
        , file_(file) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::string text(int width);
    std::int32_t integer(); // throws DataError naming the file and line
    void nextLine();

private:
    void advance();

    std::string_view bytes_;
    const std::filesystem::path& file_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace tavu

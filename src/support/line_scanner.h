#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavu {

// Reads the fields of one table line (its line end removed) the way the table loaders do,
// but strictly: a number that is missing, does not convert or runs past the line, and a
// text field cut short or ending inside a double-byte character, become faults instead of
// the loaders' silent zeros and shifts. Never reads outside the line.
class LineScanner {
public:
    explicit LineScanner(std::string_view line)
        : line_(line) {}

    // The next `width` bytes (fewer at the line end). `last` allows the field to be cut
    // short by the line end, as the final text of a creature line may be.
    std::string text(int width, std::string_view what, bool last = false);
    // A signed decimal after any blanks; 0 with a fault when there is none or it does not
    // convert.
    std::int32_t integer(std::string_view what);
    // A fault when anything but blanks is left on the line.
    void expectEnd();

    const std::vector<std::string>& faults() const { return faults_; }
    // Once the line's layout is broken every later field is read from the wrong place, so
    // only faults found before the break are kept.
    void fault(std::string message) {
        if (!broken_)
            faults_.push_back(std::move(message));
    }

private:
    std::string_view line_;
    std::size_t pos_ = 0;
    std::vector<std::string> faults_;
    bool broken_ = false;

    void breakLayout(std::string message) {
        fault(std::move(message));
        broken_ = true;
    }
};

// True when the bytes end with the lead byte of a double-byte Shift-JIS character.
bool endsInsideCharacter(std::string_view sjisBytes);

} // namespace tavu

#pragma once

#include <string_view>

namespace tavu {

// Lines end at LF; a CR before it belongs to the line end. A last line without a line end
// still counts. One line at a time, so memory does not grow with the number of lines.
class LineCursor {
public:
    explicit LineCursor(std::string_view bytes)
        : rest_(bytes) {}

    bool next(std::string_view& line) {
        if (rest_.empty())
            return false;
        std::size_t end = rest_.find('\n');
        std::size_t next = end == std::string_view::npos ? rest_.size() : end + 1;
        line = rest_.substr(0, next);
        rest_.remove_prefix(next);
        if (!line.empty() && line.back() == '\n')
            line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return true;
    }

private:
    std::string_view rest_;
};

} // namespace tavu

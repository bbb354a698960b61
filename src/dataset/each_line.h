#pragma once

#include <algorithm>
#include <string_view>

namespace tavu {

// Calls visit(line, lineNo) for each line of the bytes, lineNo 1-based. Lines end at LF; a CR
// before it belongs to the line end. A last line without a line end still counts. One line at
// a time, so memory does not grow with the number of lines.
template <class Visit>
void forEachLine(std::string_view bytes, Visit visit) {
    for (int lineNo = 1; !bytes.empty(); ++lineNo) {
        std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        visit(line, lineNo);
    }
}

} // namespace tavu

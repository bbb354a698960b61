#include "draw_result.h"

namespace tavu {

std::string_view drawEndText(DrawEnd end) {
    switch (end) {
    case DrawEnd::DrawWarning:
        return DrawWarningText;
    case DrawEnd::NoMatchingCard:
        return NoMatchingCardText;
    case DrawEnd::Result:
        break;
    }
    return {};
}

} // namespace tavu

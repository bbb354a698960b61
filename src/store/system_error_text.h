#pragma once

#include <string>
#include <system_error>

namespace tavu {

// What an operating-system error means, in the user's words: Japanese for the errors a data
// folder meets (permissions, a full or read-only disk, links, files where folders belong),
// the system's own text for the rest.
std::string systemErrorText(int error);
std::string systemErrorText(const std::error_code& error);

} // namespace tavu

#include "data_folder.h"

namespace tavu {

namespace fs = std::filesystem;

fs::path normalisedFolder(const fs::path& dir) {
    std::error_code ec;
    fs::path absolute = fs::absolute(dir, ec);
    if (ec)
        absolute = dir;
    fs::path resolved = fs::weakly_canonical(absolute, ec);
    if (ec)
        resolved = absolute.lexically_normal();
    // "a/b/" names the folder b; its parent is a, not a/b.
    while (!resolved.has_filename() && resolved.has_relative_path())
        resolved = resolved.parent_path();
    return resolved;
}

} // namespace tavu

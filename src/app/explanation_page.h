#pragma once

#include <filesystem>

class QString;

namespace tavu {

class Dialogs;
class ResultBox;

// Empties `box` and fills it with the page's lines. A page that cannot be read is reported
// in the error box and leaves `box` empty rather than showing the page before it.
void loadExplanationPage(const std::filesystem::path& systemDir, int page, ResultBox& box, Dialogs& dialogs);

} // namespace tavu

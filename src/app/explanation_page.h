#pragma once

#include <filesystem>

class QString;

namespace tavu {

class Dialogs;
class ResultBox;

// Explanation_<page>.tri of the system folder.
std::filesystem::path explanationFile(const std::filesystem::path& systemDir, int page);

// Empties `box` and fills it with the page's lines. A page that cannot be read is reported
// in the error box and leaves `box` empty rather than showing the page before it.
void loadExplanationPage(const std::filesystem::path& systemDir, int page, ResultBox& box, Dialogs& dialogs);

} // namespace tavu

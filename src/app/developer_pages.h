#pragma once

#include <QString>

namespace tavu {

// The developer's pages live on the same site as the data updates, so one build setting
// (the update URL) moves them together.
QString developerHomePage();    // the site's top page
QString developerConceptPage(); // the series concept page

// The HTML manual in the window's language (index_en.html in English): help/ beside the
// executable, or the installed copy under the prefix.
QString helpContentsFile();

} // namespace tavu

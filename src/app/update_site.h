#pragma once

#include <QString>
#include <string>

namespace tavu {

class Preferences;

// The site a check or download uses: the one the user set, else `fallback` (the build's
// default, or the site a test serves).
std::string chosenUpdateSite(const Preferences* preferences, const std::string& fallback);

// True when `url` names no site: empty, or a placeholder under the reserved domain .invalid,
// which is what a build without a site of its own carries.
bool isUnsetUpdateSite(const std::string& url);

// What the download tab says instead of trying to connect when no site is set.
QString noUpdateSiteText();

} // namespace tavu

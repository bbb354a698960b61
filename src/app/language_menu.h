#pragma once

class QMenu;

namespace tavu {

class PageContext;

// The options menu's "言語" submenu: the system's language, 日本語 or English. The choice is
// kept in the user's preferences and takes effect at the next start, which the user is told in
// the language chosen.
QMenu* addLanguageMenu(QMenu& options, PageContext& ctx);

} // namespace tavu

#pragma once

#include "binding.h"
#include "code/draw_spec.h"
#include "settings_saves.h"
#include "store/settings.h"
#include "store/tables.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;

namespace tavu {

class Dialogs;
class UrlOpener;

// What a page may use of what the window shares: the boxes, the tables, the settings and the
// one way to change them, and the result file.
class PageContext {
public:
    virtual Dialogs& dialogs() = 0;
    virtual UrlOpener& urls() = 0;
    virtual const std::filesystem::path& systemDir() const = 0;
    virtual const Tables& tables() const = 0;
    virtual const SettingsArray& settings() const = 0;

    // The one way a page changes the stored settings: the entries take the values and the
    // whole array is saved when this run may (see SettingsSaves); true when it was written.
    // The array keeps the values either way, so that the next save writes them.
    virtual bool storeEntries(const EntryValues& values, SettingsSaves::Asked asked) = 0;
    // A download brought a new settings file: the array takes it as written, and later saves
    // write over it.
    virtual void replaceSettings(const SettingsArray& settings) = 0;

    // The one warning box of the draws ("抽出条件を正しく設定して下さい").
    virtual void showDrawWarning() = 0;
    // Writes a result: `lines` (Shift-JIS) with the comment footer, to the file the user
    // picks; then, when `clearAfter` is enabled and ticked, `clearResult`, also after a
    // cancelled dialog. A footer that cannot be read throws, so that the page's own guard
    // decides how it is shown; a file that cannot be written is shown in the error box and
    // the result stays on the page.
    virtual void writeResultFile(std::vector<std::string> lines, const QCheckBox* clearAfter,
                                 const std::function<void()>& clearResult) = 0;

    // A draw of `spec` starts from the random source as it stands: its code becomes the one
    // the window shows and the next result file ends with.
    virtual void drawStarts(const code::DrawSpec& spec) = 0;

    // The complete book's counts follow its "E カードを含まない" box.
    virtual void countBookCards(bool excludeECards) = 0;
    virtual void countBookSpells(bool excludeECards) = 0;

protected:
    ~PageContext() = default;
};

} // namespace tavu

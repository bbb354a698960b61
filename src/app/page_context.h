#pragma once

#include "binding.h"
#include "code/draw_code.h"
#include "code/draw_plan.h"
#include "settings_saves.h"
#include "store/derived_counts.h"
#include "store/settings.h"
#include "store/tables.h"

#include <QDateTime>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;

namespace tavu {

class Dialogs;
class DrawHistory;
class PageContext;
class Preferences;
class ResultBox;
class UrlOpener;

// A draw from drawStarts() to the end of the handler that makes it, where it is recorded in
// the history if it showed a result (PageContext::drawShown), with the result file written.
class [[nodiscard]] DrawUnderWay {
public:
    explicit DrawUnderWay(PageContext& ctx)
        : ctx_(&ctx) {}
    DrawUnderWay(const DrawUnderWay&) = delete;
    DrawUnderWay& operator=(const DrawUnderWay&) = delete;
    ~DrawUnderWay();

private:
    PageContext* ctx_;
};

// What a page may use of what the window shares: the boxes, the tables, the settings and the
// one way to change them, and the result file. Start-up fills it through AppContext.
class PageContext {
public:
    Dialogs& dialogs() { return dialogs_; }
    const std::filesystem::path& systemDir() const { return systemDir_; }
    const Tables& tables() const { return tables_; }
    const SettingsArray& settings() const { return settings_; }

    // The one way a page changes the stored settings: the entries take the values and the
    // whole array is saved when this run may (see SettingsSaves); true when it was written.
    // The array keeps the values either way, so that the next save writes them.
    bool storeEntries(const EntryValues& values, SettingsSaves::Asked asked);
    // A download brought a new settings file: the array takes it as written, and later saves
    // write over it.
    void replaceSettings(const SettingsArray& settings);

    // The one warning box of the draws ("抽出条件を正しく設定して下さい").
    void showDrawWarning();
    // Writes a result: `lines` (Shift-JIS) with the comment footer and, unless the user left
    // it out, the line of the draw's code, to the file the user picks; then, when
    // `clearAfter` is enabled and ticked, `clearResult`, also after a cancelled dialog. A footer that cannot
    // be read throws, so that the page's own guard decides how it is shown; a file that cannot be written is
    // shown in the error box and the result stays on the page.
    void writeResultFile(std::vector<std::string> lines, const QCheckBox* clearAfter,
                         const std::function<void()>& clearResult);

    // The user's preferences; null where none are kept (tests, a user without a home).
    Preferences* preferences() const { return preferences_; }

    // Opens `url` in the desktop's browser; when nothing can open it, the error box says which
    // page could not be opened.
    void openWebPage(const QString& url);

    // A short message in the status bar, over the hints for a few seconds.
    void tellStatus(const QString& message) const;
    // Enables `ok` or disables it for `reason`, which its tooltip and, while the page is on
    // screen, the status bar then give.
    void explainOk(QWidget& ok, bool enabled, const QString& reason) const;

    // Empties `box` and fills it with an explanation page of the data folder. A page that
    // cannot be read is reported in the error box and leaves `box` empty rather than showing
    // the page before it.
    void loadExplanationPage(int page, ResultBox& box);

    // A draw of `plan` starts from the random source as it stands: its code becomes the one
    // the window shows and the next result file ends with. Keep the answer until the draw ends.
    DrawUnderWay drawStarts(const code::DrawPlan& plan);
    // The draw under way showed a result: `lines` (Shift-JIS) as a result file holds them
    // before its footer. Only such a draw goes into the history.
    void drawShown(std::vector<std::string> lines);

    // Where result files are looked for: the folder of the last save, else the remembered one,
    // else the documents folder.
    QString saveFolder() const;

    // The complete book's counts follow its "E カードを含まない" box.
    void countBookCards(bool excludeECards) { bookCardCount_ = CountBookCards(tables_, excludeECards); }
    void countBookSpells(bool excludeECards) { bookSpellCount_ = CountBookSpells(tables_, excludeECards); }

protected:
    PageContext(std::filesystem::path systemDir, Dialogs& dialogs, UrlOpener& urls);
    ~PageContext() = default;

    // What the history keeps of the draw under way.
    struct PendingDraw {
        code::DrawCode code;
        std::vector<std::string> lines;
        std::string resultFile;
        bool shown = false;
    };
    friend class DrawUnderWay;
    void drawEnds();

    std::filesystem::path systemDir_;
    Dialogs& dialogs_;
    UrlOpener& urls_;
    SettingsArray settings_{};
    SettingsSaves saves_;
    Tables tables_;
    std::int32_t bookSpellCount_ = 0;
    std::int32_t bookCardCount_ = 0;
    QString lastSaveName_;               // offered again by the next save dialog of the run
    Preferences* preferences_ = nullptr; // none: nothing is remembered beyond the run
    std::function<void(const QString&)> tellStatus_;
    QString drawWarningText_;
    QString drawWarningCaption_;
    QString drawCode_;
    std::function<void(const QString&)> codeShown_;
    bool codeLineWritten_ = true;
    QDateTime drawTime_;
    std::optional<PendingDraw> pending_;
    DrawHistory* history_ = nullptr;
};

// What the main window shares with its pages for the life of the process. Pages see it
// through PageContext; start-up fills it through the rest.
class AppContext final : public PageContext {
public:
    AppContext(std::filesystem::path systemDir, Dialogs& dialogs, UrlOpener& urls)
        : PageContext(std::move(systemDir), dialogs, urls) {}

    // The user's preferences (the last save folder) and the status bar, where there are.
    void usePreferences(Preferences* preferences) { preferences_ = preferences; }
    void setStatusOutput(std::function<void(const QString&)> tell) { tellStatus_ = std::move(tell); }

    // Start-up's steps, in the order it takes them.
    void takeSettings(const SettingsArray& settings) { settings_ = settings; }
    // Whether this run may write the settings file at all (see SettingsSaves).
    SettingsSaves& saves() { return saves_; }
    void takeTables(Tables tables) { tables_ = std::move(tables); }
    void armDrawWarning(const QString& text, const QString& caption) {
        drawWarningText_ = text;
        drawWarningCaption_ = caption;
    }
    void countRarities() { creatureRarityCount_ = CountCreatureRarities(tables_); }

    const CreatureRarityCount& creatureRarityCount() const { return creatureRarityCount_; }
    std::int32_t bookSpellCount() const { return bookSpellCount_; }
    std::int32_t bookCardCount() const { return bookCardCount_; }
    const QString& drawWarningText() const { return drawWarningText_; }
    const QString& drawWarningCaption() const { return drawWarningCaption_; }
    // The code of the last draw (empty before the first, or when the data could not be read
    // for its fingerprint), and who is told of each new one.
    const QString& drawCode() const { return drawCode_; }
    void onDrawCode(std::function<void(const QString&)> shown) { codeShown_ = std::move(shown); }
    // When the last draw started (UTC; invalid before the first).
    const QDateTime& drawTime() const { return drawTime_; }
    // Where the draws are recorded; none: they are not.
    void useHistory(DrawHistory* history) { history_ = history; }
    // Whether result files end with the line of the draw's code.
    void writeCodeLine(bool on) { codeLineWritten_ = on; }

private:
    CreatureRarityCount creatureRarityCount_{};
};

} // namespace tavu

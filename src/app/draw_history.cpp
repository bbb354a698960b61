#include "draw_history.h"

#include "code/draw_record.h"

#include <exception>

namespace tavu {

DrawHistory::DrawHistory(history::History history, QObject* parent)
    : QObject(parent)
    , history_(std::move(history)) {}

void DrawHistory::record(const code::DrawCode& code, const std::vector<std::string>& sjisLines,
                         const std::string& resultFile, const std::string& time) {
    if (!recording_)
        return;
    std::optional<std::int64_t> id;
    try {
        history::DrawEntry entry = code::drawEntry(code, sjisLines, resultFile);
        entry.time = time;
        id = history_.record(entry);
    } catch (const std::exception&) {
        // A draw is never failed by its record: a line that would not convert leaves it out.
    }
    passOnNotice();
    if (id)
        emit recorded(*id);
}

std::vector<history::HistoryRow> DrawHistory::list(const history::HistoryPage& page) {
    auto rows = history_.list(page);
    passOnNotice();
    return rows ? std::move(*rows) : std::vector<history::HistoryRow>{};
}

std::vector<history::HistoryRow> DrawHistory::fetch(std::span<const std::int64_t> ids) {
    auto rows = history_.fetch(ids);
    passOnNotice();
    return rows ? std::move(*rows) : std::vector<history::HistoryRow>{};
}

bool DrawHistory::remove(std::span<const std::int64_t> ids) {
    const bool done = history_.remove(ids).has_value();
    passOnNotice();
    return done;
}

bool DrawHistory::clear() {
    const bool done = history_.clear();
    passOnNotice();
    return done;
}

void DrawHistory::passOnNotice() {
    if (auto text = history_.takeNotice())
        emit notice(QString::fromStdString(*text));
}

} // namespace tavu

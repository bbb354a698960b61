#pragma once

#include "code/draw_code.h"
#include "history/history.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavu {

// The window's side of the history of draws: it records each draw while recording is on and
// is the one way the window reads and changes the history, so that whatever goes wrong with
// the file is told to the player once, whichever call met it. Nothing here fails a draw: a
// history that cannot be used leaves the draw as it is and is told through `notice`.
class DrawHistory : public QObject {
    Q_OBJECT
public:
    explicit DrawHistory(history::History history, QObject* parent = nullptr);

    const std::filesystem::path& file() const { return history_.file(); }
    bool recording() const { return recording_; }
    void setRecording(bool on) { recording_ = on; }

    // Records a draw of `code` that showed `sjisLines` and wrote `resultFile` (empty: none)
    // at `time` (UTC, as the history keeps it), unless recording is off.
    void record(const code::DrawCode& code, const std::vector<std::string>& sjisLines,
                const std::string& resultFile, const std::string& time);

    std::vector<history::HistoryRow> list(const history::HistoryPage& page);
    std::vector<history::HistoryRow> fetch(std::span<const std::int64_t> ids);
    bool remove(std::span<const std::int64_t> ids);
    bool clear();

signals:
    // A draw was recorded under `id`.
    void recorded(qint64 id);
    // What the player is to be told about the history file (once for each trouble).
    void notice(const QString& text);

private:
    void passOnNotice();

    history::History history_;
    bool recording_ = true;
};

} // namespace tavu

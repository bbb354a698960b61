#pragma once

#include "history/draw_entry.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace tavu {

class DrawHistory;

// The recorded draws newest first, a page at a time as the view scrolls down to them, so a
// history of any length opens at once. Each row keeps what the table shows of it; the lines
// of a row are read when asked for (DrawHistory::fetch).
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TimeColumn, CommandColumn, SummaryColumn, CodeColumn, ColumnCount };
    static constexpr int PageRows = 200;

    explicit HistoryModel(DrawHistory& history, QObject* parent = nullptr);

    // Shows only the rows `filter` lets through, from the newest on.
    void setFilter(history::HistoryFilter filter);
    const history::HistoryFilter& filter() const { return filter_; }
    // Adds the rows recorded since the newest one shown, by this window or another program.
    void takeNewest();
    // Drops the rows of `ids` (deleted from the history).
    void forget(std::span<const std::int64_t> ids);
    void reload();
    std::int64_t idAt(int row) const { return rows_[static_cast<std::size_t>(row)].id; }

    // A command's word as the player reads it; the word itself for one this program lacks.
    static QString commandLabel(const QString& word);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    struct Row {
        std::int64_t id;
        QString time;
        QString command;
        QString summary;
        QString code;
    };
    static Row shown(const history::HistoryRow& row);
    std::vector<history::HistoryRow> page(std::int64_t beforeId) const;

    DrawHistory& history_;
    history::HistoryFilter filter_;
    std::vector<Row> rows_;
    bool complete_ = false;
};

} // namespace tavu

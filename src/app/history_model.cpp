#include "history_model.h"

#include "code/draw_plan.h"
#include "draw_history.h"
#include "ui_text.h"

#include <QDateTime>
#include <algorithm>
#include <array>

namespace tavu {

namespace {

// As much as the column shows at the window's width; shaping more would slow every paint.
constexpr int SummaryLength = 60;

constexpr std::array<const char*, code::CommandCount> CommandLabels{
    QT_TRANSLATE_NOOP("tavu::Ui", "クリーチャー・単体"), QT_TRANSLATE_NOOP("tavu::Ui", "クリーチャー・複数"),
    QT_TRANSLATE_NOOP("tavu::Ui", "アイテム・単体"),     QT_TRANSLATE_NOOP("tavu::Ui", "アイテム・複数"),
    QT_TRANSLATE_NOOP("tavu::Ui", "スペル・単体"),       QT_TRANSLATE_NOOP("tavu::Ui", "スペル・複数"),
    QT_TRANSLATE_NOOP("tavu::Ui", "ブック完全構成"),     QT_TRANSLATE_NOOP("tavu::Ui", "対戦マップ"),
    QT_TRANSLATE_NOOP("tavu::Ui", "対戦相手 (CPU)"),
};

// The result's lines on one line, as far as a table cell shows them.
QString summary(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines) {
        const QString part = QString::fromStdString(line).trimmed();
        if (part.isEmpty())
            continue;
        if (!text.isEmpty())
            text += QStringLiteral(" / ");
        text += part;
        if (text.size() > SummaryLength)
            return text.left(SummaryLength) + QChar(0x2026);
    }
    return text;
}

} // namespace

HistoryModel::HistoryModel(DrawHistory& history, QObject* parent)
    : QAbstractTableModel(parent)
    , history_(history) {
    fetchMore({});
}

QString HistoryModel::commandLabel(const QString& word) {
    for (int i = 0; i < code::CommandCount; ++i)
        if (word.toStdString() == code::commandName(static_cast<code::Command>(i)))
            return translated(QString::fromUtf8(CommandLabels[static_cast<std::size_t>(i)]));
    return word;
}

HistoryModel::Row HistoryModel::shown(const history::HistoryRow& row) {
    const QDateTime utc = QDateTime::fromString(QString::fromStdString(row.draw.time), Qt::ISODate);
    return {row.id,
            utc.isValid() ? utc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                          : QString::fromStdString(row.draw.time),
            commandLabel(QString::fromStdString(row.draw.command)), summary(row.draw.lines),
            QString::fromStdString(row.draw.code)};
}

std::vector<history::HistoryRow> HistoryModel::page(std::int64_t beforeId) const {
    history::HistoryPage request;
    request.filter = filter_;
    request.beforeId = beforeId;
    request.limit = PageRows;
    request.withLines = true; // for the summary; only the summary is kept
    return history_.list(request);
}

void HistoryModel::setFilter(history::HistoryFilter filter) {
    filter_ = std::move(filter);
    reload();
}

void HistoryModel::reload() {
    beginResetModel();
    rows_.clear();
    complete_ = false;
    endResetModel();
    // The first page at once, so the rows are there to choose before the view next lays out.
    fetchMore({});
}

void HistoryModel::takeNewest() {
    if (rows_.empty()) {
        if (complete_)
            reload(); // an empty history: the view fetches again
        return;
    }
    const auto newest = page(0);
    std::vector<Row> added;
    for (const auto& row : newest) {
        if (row.id <= rows_.front().id)
            break;
        added.push_back(shown(row));
    }
    if (added.empty())
        return;
    if (added.size() == newest.size()) // more than a page arrived: start again from the top
        return reload();
    beginInsertRows({}, 0, static_cast<int>(added.size()) - 1);
    rows_.insert(rows_.begin(), added.begin(), added.end());
    endInsertRows();
}

void HistoryModel::forget(std::span<const std::int64_t> ids) {
    for (std::int64_t id : ids) {
        // Newest first: the ids fall down the rows.
        const auto at = std::lower_bound(rows_.begin(), rows_.end(), id,
                                         [](const Row& row, std::int64_t wanted) { return row.id > wanted; });
        if (at == rows_.end() || at->id != id)
            continue;
        const int row = static_cast<int>(at - rows_.begin());
        beginRemoveRows({}, row, row);
        rows_.erase(at);
        endRemoveRows();
    }
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case TimeColumn:
        return row.time;
    case CommandColumn:
        return row.command;
    case SummaryColumn:
        return row.summary;
    default:
        return row.code;
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case TimeColumn:
        return Ui::tr("日時");
    case CommandColumn:
        return Ui::tr("抽出");
    case SummaryColumn:
        return Ui::tr("結果");
    default:
        return Ui::tr("抽出コード");
    }
}

bool HistoryModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !complete_;
}

void HistoryModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || complete_)
        return;
    const auto more = page(rows_.empty() ? 0 : rows_.back().id);
    complete_ = more.size() < static_cast<std::size_t>(PageRows);
    if (more.empty())
        return;
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(more.size()) - 1);
    for (const auto& row : more)
        rows_.push_back(shown(row));
    endInsertRows();
}

} // namespace tavu

#include "history_window.h"

#include "code/draw_plan.h"
#include "draw_history.h"
#include "fonts.h"
#include "history_model.h"
#include "result_sharing.h"
#include "ui_text.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace tavu {

namespace {
// Typing in the search box waits this long for the next key before the history is searched.
constexpr int TextPauseMs = 250;
} // namespace

HistoryWindow::HistoryWindow(DrawHistory& history, Dialogs& dialogs,
                             std::function<void(const QString&)> replay, std::function<QString()> saveFolder,
                             QWidget* parent)
    : QWidget(parent, Qt::Window)
    , history_(history)
    , dialogs_(dialogs)
    , replay_(std::move(replay))
    , saveFolder_(std::move(saveFolder)) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(Ui::tr("抽出履歴"));
    model_ = new HistoryModel(history_, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("historyTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // Fixed row heights and column widths: measuring every row of a long history would stall.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->horizontalHeader()->setSectionResizeMode(HistoryModel::SummaryColumn, QHeaderView::Stretch);
    table_->setColumnWidth(HistoryModel::TimeColumn,
                           table_->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00:00")) +
                               16);
    table_->setColumnWidth(HistoryModel::CommandColumn, 130);
    table_->setColumnWidth(HistoryModel::CodeColumn, 220);
    table_->setAccessibleName(Ui::tr("抽出履歴"));
    detail_ = new QPlainTextEdit(this);
    detail_->setObjectName(QStringLiteral("historyDetail"));
    detail_->setReadOnly(true);
    detail_->setLineWrapMode(QPlainTextEdit::NoWrap);
    detail_->setFont(fixedFont(13));
    detail_->setAccessibleName(Ui::tr("選んだ抽出の結果"));
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table_);
    split->addWidget(detail_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFilters());
    layout->addWidget(split, 1);
    layout->addWidget(buildButtons());
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::updateButtons);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &HistoryWindow::showCurrent);
    connect(model_, &QAbstractItemModel::modelReset, this, &HistoryWindow::showCurrent);
    connect(&history_, &DrawHistory::recorded, model_, &HistoryModel::takeNewest);
    chooseFirst();
    updateButtons();
    resize(900, 600);
}

QWidget* HistoryWindow::buildFilters() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    command_ = new QComboBox(row);
    command_->setObjectName(QStringLiteral("historyCommand"));
    command_->addItem(Ui::tr("すべて"), QString());
    for (int i = 0; i < code::CommandCount; ++i) {
        const QString word = QString::fromUtf8(code::commandName(static_cast<code::Command>(i)));
        command_->addItem(HistoryModel::commandLabel(word), word);
    }
    auto* commandLabel = new QLabel(Ui::tr("抽出(&C):"), row);
    commandLabel->setBuddy(command_);
    text_ = new QLineEdit(row);
    text_->setObjectName(QStringLiteral("historyText"));
    text_->setPlaceholderText(Ui::tr("結果や抽出コードに含まれる文字"));
    text_->setClearButtonEnabled(true);
    auto* textLabel = new QLabel(Ui::tr("検索(&S):"), row);
    textLabel->setBuddy(text_);
    layout->addWidget(commandLabel);
    layout->addWidget(command_);
    layout->addSpacing(12);
    layout->addWidget(textLabel);
    layout->addWidget(text_, 1);
    textPause_ = new QTimer(this);
    textPause_->setSingleShot(true);
    textPause_->setInterval(TextPauseMs);
    connect(textPause_, &QTimer::timeout, this, &HistoryWindow::applyFilter);
    connect(text_, &QLineEdit::textChanged, textPause_, qOverload<>(&QTimer::start));
    connect(command_, &QComboBox::currentIndexChanged, this, &HistoryWindow::applyFilter);
    return row;
}

QWidget* HistoryWindow::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const char* name, const QString& caption, void (HistoryWindow::*handler)(),
                         bool perRow) {
        auto* button = new QPushButton(caption, row);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, handler);
        layout->addWidget(button);
        if (perRow)
            rowButtons_ << button;
        return button;
    };
    add("historyReplay", Ui::tr("再現(&P)"), &HistoryWindow::replaySelected, true)
        ->setToolTip(Ui::tr("選んだ抽出を抽出コードでもう一度抽出します"));
    add("historyCopy", Ui::tr("コピー(&Y)"), &HistoryWindow::copySelected, true)
        ->setToolTip(Ui::tr("選んだ抽出の結果と抽出コードをコピーします"));
    add("historyExport", Ui::tr("書き出し(&E)…"), &HistoryWindow::exportSelected, true)
        ->setToolTip(Ui::tr("選んだ抽出を CSV か JSON のファイルに書き出します"));
    layout->addStretch(1);
    add("historyDelete", Ui::tr("削除(&D)"), &HistoryWindow::deleteSelected, true);
    add("historyClear", Ui::tr("すべて削除(&A)…"), &HistoryWindow::deleteAll, false);
    auto* close = new QPushButton(Ui::tr("閉じる"), row);
    close->setObjectName(QStringLiteral("historyClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
    return row;
}

void HistoryWindow::applyFilter() {
    textPause_->stop();
    model_->setFilter(
        {command_->currentData().toString().toStdString(), text_->text().trimmed().toStdString()});
    chooseFirst();
}

void HistoryWindow::chooseFirst() {
    if (!table_->selectionModel()->hasSelection() && model_->rowCount() > 0)
        table_->selectRow(0);
}

void HistoryWindow::changeEvent(QEvent* event) {
    // Another program may have recorded draws meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        model_->takeNewest();
    QWidget::changeEvent(event);
}

std::vector<std::int64_t> HistoryWindow::selectedIds() const {
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<std::int64_t> ids;
    ids.reserve(static_cast<std::size_t>(rows.size()));
    for (const QModelIndex& index : rows)
        ids.push_back(model_->idAt(index.row()));
    return ids;
}

std::vector<history::HistoryRow> HistoryWindow::selectedRows() const {
    const auto ids = selectedIds();
    return ids.empty() ? std::vector<history::HistoryRow>{} : history_.fetch(ids);
}

void HistoryWindow::updateButtons() {
    const bool chosen = table_->selectionModel()->hasSelection();
    for (QPushButton* button : rowButtons_)
        button->setEnabled(chosen);
}

void HistoryWindow::showCurrent() {
    const QModelIndex current = table_->selectionModel()->currentIndex();
    if (!current.isValid())
        return detail_->clear();
    const std::int64_t id = model_->idAt(current.row());
    const auto rows = history_.fetch(std::span(&id, 1));
    if (rows.empty())
        return detail_->clear();
    const history::DrawEntry& draw = rows.front().draw;
    QStringList lines;
    for (const std::string& line : draw.lines)
        lines << QString::fromStdString(line);
    QString text = sharedText({lines, QString::fromStdString(draw.code), {}});
    if (!draw.resultFile.empty())
        text += QLatin1Char('\n') + Ui::tr("結果ファイル: %1").arg(QString::fromStdString(draw.resultFile));
    detail_->setPlainText(text);
}

} // namespace tavu

#include "dialogs.h"
#include "draw_history.h"
#include "history/history_export.h"
#include "history_model.h"
#include "history_window.h"
#include "result_sharing.h"
#include "ui_text.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QSaveFile>
#include <QTableView>

namespace tavu {

namespace {

SharedResult shared(const history::HistoryRow& row) {
    QStringList lines;
    for (const std::string& line : row.draw.lines)
        lines << QString::fromStdString(line);
    return {lines, QString::fromStdString(row.draw.code), {}};
}

} // namespace

void HistoryWindow::replaySelected() {
    const QModelIndex current = table_->selectionModel()->currentIndex();
    const QModelIndexList chosen = table_->selectionModel()->selectedRows();
    const int row = current.isValid() && table_->selectionModel()->isRowSelected(current.row())
                        ? current.row()
                        : (chosen.isEmpty() ? -1 : chosen.first().row());
    if (row < 0)
        return;
    const std::int64_t id = model_->idAt(row);
    const auto rows = history_.fetch(std::span(&id, 1));
    if (!rows.empty())
        replay_(QString::fromStdString(rows.front().draw.code));
}

void HistoryWindow::copySelected() {
    QStringList texts;
    for (const auto& row : selectedRows())
        texts << sharedText(shared(row));
    if (!texts.isEmpty())
        QGuiApplication::clipboard()->setText(texts.join(QStringLiteral("\n\n")));
}

void HistoryWindow::exportSelected() {
    const auto rows = selectedRows();
    if (rows.empty())
        return;
    const QString name = dialogs_.saveFileName({Ui::tr("抽出履歴の書き出し"),
                                                Ui::tr("CSV ファイル(*.csv);;JSON ファイル(*.json)"),
                                                QStringLiteral("csv"), QString(), saveFolder_()});
    if (name.isEmpty())
        return;
    const bool json = QFileInfo(name).suffix().compare(QStringLiteral("json"), Qt::CaseInsensitive) == 0;
    const std::string bytes = json ? history::toJson(rows) : history::toCsv(rows);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit())
        dialogs_.error(
            Ui::tr("書き出せませんでした:\n%1\n%2").arg(QDir::toNativeSeparators(name), file.errorString()));
}

void HistoryWindow::deleteSelected() {
    const auto ids = selectedIds();
    if (ids.empty() ||
        !dialogs_.question(Ui::tr("選んだ %1 件の抽出を履歴から削除しますか？").arg(ids.size()),
                           Ui::tr("抽出履歴"), Dialogs::Buttons::YesNo))
        return;
    if (history_.remove(ids))
        model_->forget(ids);
}

void HistoryWindow::deleteAll() {
    if (!dialogs_.question(Ui::tr("抽出履歴をすべて削除しますか？\n削除した履歴は元に戻せません。"),
                           Ui::tr("抽出履歴"), Dialogs::Buttons::YesNo))
        return;
    if (history_.clear())
        model_->reload();
}

} // namespace tavu

#pragma once

#include "history/draw_entry.h"

#include <QWidget>
#include <functional>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace tavu {

class Dialogs;
class DrawHistory;
class HistoryModel;

// The history of draws in a window of its own: the draws newest first, filtered by command
// and by text, the whole result of the chosen one, and what can be done with chosen rows:
// draw one again, copy, export, delete. It follows new draws while it is open.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    // `replay` draws a code again in the main window. Files are offered in `saveFolder()`.
    HistoryWindow(DrawHistory& history, Dialogs& dialogs, std::function<void(const QString&)> replay,
                  std::function<QString()> saveFolder, QWidget* parent = nullptr);

    HistoryModel* model() const { return model_; }
    QTableView* table() const { return table_; }
    // The chosen rows with their lines, in the table's order.
    std::vector<history::HistoryRow> selectedRows() const;

public slots:
    // Lists the rows the filter boxes let through now, without waiting for typing to pause.
    void applyFilter();
    void replaySelected();
    void copySelected();
    void exportSelected();
    void deleteSelected();
    void deleteAll();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildFilters();
    QWidget* buildButtons();
    void showCurrent();
    void updateButtons();
    // The newest row is chosen when none is, so that its result shows and the actions apply.
    void chooseFirst();
    std::vector<std::int64_t> selectedIds() const;

    DrawHistory& history_;
    Dialogs& dialogs_;
    std::function<void(const QString&)> replay_;
    std::function<QString()> saveFolder_;
    HistoryModel* model_ = nullptr;
    QComboBox* command_ = nullptr;
    QLineEdit* text_ = nullptr;
    QTimer* textPause_ = nullptr;
    QTableView* table_ = nullptr;
    QPlainTextEdit* detail_ = nullptr;
    QList<QPushButton*> rowButtons_; // need a chosen row
};

} // namespace tavu

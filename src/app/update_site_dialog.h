#pragma once

#include "background_task.h"
#include "update/http_fetcher.h"

#include <QDialog>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavu {

class Preferences;

// "更新サイトの設定": the update site's address, and a test that fetches the site's version
// file. OK keeps the address in the user's preferences (an empty one goes back to the
// build's default).
class UpdateSiteDialog : public QDialog {
    Q_OBJECT
public:
    UpdateSiteDialog(Preferences& preferences, FetchLimits limits, QWidget* parent = nullptr);
    ~UpdateSiteDialog() override;

    QLineEdit* addressEdit() const { return address_; }
    QPushButton* testButton() const { return test_; }
    QLabel* testResult() const { return result_; }
    bool testing() const { return task_ && task_->running(); }

    void accept() override;

private:
    void startTest();

    Preferences& preferences_;
    FetchLimits limits_;
    QLineEdit* address_;
    QPushButton* test_;
    QLabel* result_;
    std::unique_ptr<BackgroundTask> task_;
};

} // namespace tavu

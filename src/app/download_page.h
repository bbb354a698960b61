#pragma once

#include <QWidget>

class QPushButton;

namespace tavu {

struct AppContext;
class ResultBox;

// "ダウンロード": refreshes the data files from the developer's site.
class DownloadPage : public QWidget {
    Q_OBJECT
public:
    DownloadPage(AppContext& context, QWidget* parent);

    ResultBox* memo() const { return memo_; }
    QPushButton* downloadButton() const { return download_; }

public slots:
    void ButtonDLClick();
    void ButtonExpositionClick();

private:
    AppContext& ctx_;
    ResultBox* memo_ = nullptr;
    QPushButton* download_ = nullptr;
    QPushButton* exposition_ = nullptr;
};

} // namespace tavu

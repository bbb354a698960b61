#pragma once

#include <QMainWindow>
#include <QUrl>
#include <functional>

class QListWidget;
class QTextBrowser;

namespace tavu {

// The HTML manual in a window of the program: its sections listed beside the page, with
// back, forward and contents. Links within the manual open here; web links go to
// `openExternal` (the desktop's browser).
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    HelpWindow(const QString& contentsFile, std::function<void(const QUrl&)> openExternal,
               QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }
    QListWidget* sections() const { return sections_; }

private:
    void followLink(const QUrl& url);
    void listSections();

    QTextBrowser* browser_;
    QListWidget* sections_;
    std::function<void(const QUrl&)> openExternal_;
    QUrl listedPage_; // the page whose sections are listed
};

} // namespace tavu

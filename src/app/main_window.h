#pragma once

#include "page_context.h"
#include "startup/startup_files.h"
#include "step_back_dialogs.h"

#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <functional>

class QAction;
class QMenu;
class QTimer;

namespace tavu {

class BoundPage;
class DrawHistory;
class HelpWindow;
class HistoryWindow;
class MouseMoveTexts;
class Preferences;
class TFormAbout;
struct SharedResult;

// The main window owns the pages and what they share; the pages own their controls and
// handlers. Building it runs the whole start-up (FormCreate) over the data folder's files,
// read beforehand (readStartupFiles) so that the program reads them while the rest of its
// set-up runs.
//
// Only the page in view at start is built before the window first paints; the others follow
// right after that paint, or at once when a tab is chosen or completePages() is called. Their
// stored settings are applied as they are built, in the order start-up applies them.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(StartupFiles files, Dialogs& dialogs, UrlOpener& urls, QWidget* parent = nullptr);
    ~TMainForm() override;

    AppContext& context() { return ctx_; }
    // Every page built so far, in the order start-up restores them.
    QList<BoundPage*> pages() const { return firstPages_ + waitingPages_; }
    // True when a data file was missing: the program is to end without showing the window.
    bool startupAborted() const { return startupAborted_; }
    QString hintText() const { return hintPanel_->text(); }
    QString noticeText() const { return noticePanel_->text(); }
    const QString& creditNotice() const { return creditNotice_; }
    TFormAbout* aboutForm() const { return about_; }
    HelpWindow* helpWindow() const { return help_; } // null until the help is first opened
    QTimer* timer1() const { return timer1_; }

    // The user's preferences the window shows and keeps (the options menu's code line item);
    // without them the item starts ticked and its changes last for the run.
    void usePreferences(Preferences& preferences);
    // Where the draws are recorded and the history window reads; without one, nothing is
    // recorded and the history items are off.
    void useHistory(DrawHistory& history);
    HistoryWindow* historyWindow() const { return historyWindow_; } // null until first opened
    // Draws `code` again on its page, as the file menu's replay item does with the code typed.
    void replayCode(const QString& code);

    // Builds the pages still waiting and puts their settings in; does nothing the second time.
    void completePages();
    bool pagesComplete() const { return pagesComplete_; }

public slots:
    void mnuExitClick();
    void mnuRandomizeClick();
    void mnuWindowPosClick();
    void mnuUpdateSiteClick();
    void mnuTAVUHelpClick();
    void mnuUpDateClick();
    void mnuVersionClick();
    void mnuReplayCodeClick();
    void mnuCheckFileClick();
    void mnuCodeLineClick(bool on);
    void mnuHistoryClick();
    void mnuRecordHistoryClick(bool on);

protected:
    bool event(QEvent* event) override;

private:
    void buildWindow();
    void buildPages(QWidget* area);
    void bindPages(const QList<BoundPage*>& pages);
    void buildMenus();
    void buildStatusBar();
    void buildCodeMenuItems(QMenu* file);
    void buildCodeLineItem(QMenu* options);
    void buildHistoryItems(QMenu* file, QMenu* options);
    void saveResultPicture(const SharedResult& result);
    QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption, const QString& hint,
                         void (TMainForm::*handler)(), QKeySequence key = {});
    // An item that is ticked at first and tells `handler` each change of its tick.
    QAction* addTickItem(QMenu* menu, const QString& name, const QString& caption, const QString& hint,
                         void (TMainForm::*handler)(bool));

    void FormCreate(StartupFiles& files);
    void keepOrRefuseSaves(const StartupFiles& files);
    void ApplySettings();
    void restorePages(const QList<BoundPage*>& pages);
    void finishPages(const QList<BoundPage*>& pages);
    void showCreditNotice();

    StepBackDialogs dialogs_;
    AppContext ctx_;
    bool startupAborted_ = false;

    // How far start-up got: the waiting pages repeat exactly the steps it reached.
    enum class StartupReached { Nothing, SettingsApplied, Finished };
    StartupReached reached_ = StartupReached::Nothing;
    bool pagesComplete_ = false;
    bool completionPosted_ = false;
    QList<BoundPage*> firstPages_;
    QList<BoundPage*> waitingPages_;
    // Builds the waiting pages into the empty holders standing in their tabs.
    std::function<void()> buildWaitingPages_;

    QLabel* hintPanel_ = nullptr;
    QLabel* noticePanel_ = nullptr;
    QAction* mnuWindowPos_ = nullptr;
    QAction* mnuCodeLine_ = nullptr;
    QAction* mnuHistory_ = nullptr;
    QAction* mnuRecordHistory_ = nullptr;
    DrawHistory* history_ = nullptr;
    HistoryWindow* historyWindow_ = nullptr;
    Preferences* preferences_ = nullptr;
    QTimer* timer1_ = nullptr;
    MouseMoveTexts* moveTexts_ = nullptr;
    TFormAbout* about_ = nullptr;
    HelpWindow* help_ = nullptr;
    QString creditNotice_;
    QString versionText_;
};

} // namespace tavu

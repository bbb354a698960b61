#include "about_form.h"
#include "developer_pages.h"
#include "download_page.h"
#include "help_window.h"
#include "language_menu.h"
#include "main_window.h"
#include "preferences.h"
#include "store/random_source.h"
#include "store/settings_entries.h"
#include "ui_text.h"
#include "update_site_dialog.h"
#include "window_activation.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace tavu {

QAction* TMainForm::addMenuItem(QMenu* menu, const QString& name, const QString& caption, const QString& hint,
                                void (TMainForm::*handler)(), QKeySequence key) {
    QAction* action = menu->addAction(caption, key, this, handler);
    action->setObjectName(name);
    action->setStatusTip(hint);
    return action;
}

QAction* TMainForm::addTickItem(QMenu* menu, const QString& name, const QString& caption, const QString& hint,
                                void (TMainForm::*handler)(bool)) {
    QAction* action = menu->addAction(caption, this, handler);
    action->setObjectName(name);
    action->setStatusTip(hint);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

void TMainForm::buildMenus() {
    auto* file = menuBar()->addMenu(Ui::tr("ファイル(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    buildCodeMenuItems(file);
    addMenuItem(file, QStringLiteral("mnuExit"), Ui::tr("終了(&X)"), Ui::tr("TAVU を終了します"),
                &TMainForm::mnuExitClick, Qt::Key_F6);
    auto* options = menuBar()->addMenu(Ui::tr("オプション(&O)"));
    options->setObjectName(QStringLiteral("mnuOption"));
    addMenuItem(options, QStringLiteral("mnuRandomize"), Ui::tr("ランダムを再発生(&R)"),
                Ui::tr("カードを抽出する際に使用するランダム係数を現時刻より再生成します"),
                &TMainForm::mnuRandomizeClick, Qt::Key_F4);
    mnuWindowPos_ =
        addMenuItem(options, QStringLiteral("mnuWindowPos"), Ui::tr("最前面に表示(&S)"),
                    Ui::tr("TAVU を最前面に表示させます"), &TMainForm::mnuWindowPosClick, Qt::Key_F5);
    mnuWindowPos_->setCheckable(true);
    addMenuItem(options, QStringLiteral("mnuUpdateSite"), Ui::tr("更新サイトの設定(&D)..."),
                Ui::tr("データを更新するサイトのアドレスを設定します"), &TMainForm::mnuUpdateSiteClick);
    buildCodeLineItem(options);
    buildHistoryItems(file, options);
    addLanguageMenu(*options, ctx_);
    auto* help = menuBar()->addMenu(Ui::tr("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addMenuItem(help, QStringLiteral("mnuTAVUHelp"), Ui::tr("TAVU のヘルプ (&H)"), Ui::tr("ヘルプの表示"),
                &TMainForm::mnuTAVUHelpClick, Qt::Key_F1);
    help->addSeparator()->setObjectName(QStringLiteral("N1"));
    addMenuItem(help, QStringLiteral("mnuUpDate"), Ui::tr("TAVU の最新版を確認する (&U)"),
                Ui::tr("ブラウザを起動し、開発者HPへ接続します"), &TMainForm::mnuUpDateClick, Qt::Key_F2);
    addMenuItem(help, QStringLiteral("mnuVersion"), Ui::tr("バージョン情報 (&A)"), Ui::tr("バージョンの表示"),
                &TMainForm::mnuVersionClick, Qt::Key_F3);
}

void TMainForm::mnuExitClick() {
    close();
}

void TMainForm::mnuRandomizeClick() {
    processRandom().Randomize();
    ctx_.dialogs().inform(Ui::tr("ランダムが再生成されました"));
}

void TMainForm::mnuWindowPosClick() {
    // The window's own state, not the mark, which Qt has already flipped when the item is chosen.
    const bool onTop = !staysOnTop(this);
    mnuWindowPos_->setChecked(onTop);
    setStaysOnTop(this, onTop);
    ctx_.storeEntries({{entry::StayOnTop, onTop ? 1 : 0}}, SettingsSaves::Asked::ByChange);
}

void TMainForm::mnuTAVUHelpClick() {
    const QString contents = helpContentsFile();
    // A manual that was never installed is reported; otherwise it opens in a window of ours,
    // which needs no browser.
    if (!QFileInfo::exists(contents)) {
        ctx_.dialogs().error(Ui::tr("ヘルプファイルが見つかりません") + QStringLiteral("\r\n") +
                             QDir::toNativeSeparators(contents));
        return;
    }
    if (!help_)
        help_ = new HelpWindow(
            contents, [this](const QUrl& url) { ctx_.openWebPage(url.toString()); }, this);
    bringToFront(*help_);
}

void TMainForm::mnuUpDateClick() {
    if (ctx_.dialogs().question(Ui::tr("開発者ホームページに接続します\r\n\r\n"
                                       "TAVU for DS の最新情報は TOP ページに設置してあるリンクを辿り、\r\n"
                                       "Orvessa 内コンテンツをご覧下さい\r\n\r\n"
                                       "ブラウザを起動しますか？"),
                                Ui::tr("TAVU アップデート"), Dialogs::Buttons::YesNo))
        ctx_.openWebPage(developerHomePage());
}

void TMainForm::mnuUpdateSiteClick() {
    Preferences* preferences = ctx_.preferences();
    if (!preferences) {
        ctx_.dialogs().warn(Ui::tr("設定を保存するフォルダがないため、更新サイトを設定できません"),
                            Ui::tr("更新サイトの設定"));
        return;
    }
    auto* page = findChild<DownloadPage*>();
    UpdateSiteDialog dialog(*preferences, page ? page->updateOptions().limits : FetchLimits{}, this);
    WindowStepBack stepBack(this);
    dialog.exec();
}

void TMainForm::mnuVersionClick() {
    about_->move(frameGeometry().center() - about_->rect().center());
    WindowStepBack stepBack(this);
    about_->exec();
}

} // namespace tavu

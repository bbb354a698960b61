#pragma once

#include <QtGlobal>

// Fixed texts the program shows in more than one place; the Japanese ones are translated
// where shown (see ui_text.h).
namespace tavu::text {

inline constexpr const char* ApplicationTitle = "TAVU for DS ver 1.00";
inline constexpr const char* VersionText = "Version 1.00";
inline constexpr const char* CaptionPrefix = "TAVU for DS   ";
inline constexpr const char* CreditPrefix = "(C) ";
inline constexpr const char* InstanceName = "TAVUDS_version1.00";
inline constexpr const char* MissingSystemFile =
    QT_TRANSLATE_NOOP("tavu::Ui", "システムファイルが足りません");
inline constexpr const char* SaveQuestion = QT_TRANSLATE_NOOP("tavu::Ui", "現在の設定を保存しますか？");
inline constexpr const char* SaveDone = QT_TRANSLATE_NOOP("tavu::Ui", "保存は正常に行われました");
inline constexpr const char* Randomized = QT_TRANSLATE_NOOP("tavu::Ui", "ランダムが再生成されました");
// What the pointer moving over any "ファイルに出力" box, or any box that clears after it, shows.
inline constexpr const char* OutputMoveText =
    QT_TRANSLATE_NOOP("tavu::Ui", "不正防止の為、抽出された結果をファイルに出力します。");
inline constexpr const char* ClearAfterMoveText = QT_TRANSLATE_NOOP(
    "tavu::Ui", "次の使用者に自分のブック内容を見られない様、予めリスト内をクリアする機能です。");
// Why a run writes no settings, followed by the cause.
inline constexpr const char* SettingsNotLoaded =
    QT_TRANSLATE_NOOP("tavu::Ui", "設定ファイルを読み込めなかったため、この実行中は設定を保存しません。\r\n");
inline constexpr const char* SettingsNotWritable = QT_TRANSLATE_NOOP(
    "tavu::Ui", "このフォルダには設定を保存できないため、この実行中は設定を保存しません。\r\n");

// The developer's pages and the help document.
inline constexpr const char* ConceptQuestion =
    QT_TRANSLATE_NOOP("tavu::Ui", "開発者ホームページに接続します　　　　\r\nブラウザを起動しますか？");
inline constexpr const char* ConceptCaption = QT_TRANSLATE_NOOP("tavu::Ui", "TAVU シリーズコンセプト");
inline constexpr const char* UpdateLinkQuestion =
    QT_TRANSLATE_NOOP("tavu::Ui", "開発者ホームページに接続します\r\n\r\n"
                                  "TAVU for DS の最新情報は TOP ページに設置してあるリンクを辿り、\r\n"
                                  "Orvessa 内コンテンツをご覧下さい\r\n\r\n"
                                  "ブラウザを起動しますか？");
inline constexpr const char* UpdateLinkCaption = QT_TRANSLATE_NOOP("tavu::Ui", "TAVU アップデート");
inline constexpr const char* HelpMissing = QT_TRANSLATE_NOOP("tavu::Ui", "ヘルプファイルが見つかりません");

} // namespace tavu::text

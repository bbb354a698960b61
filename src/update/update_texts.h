#pragma once

// Texts of the update check and download, shared by the window and tavu-cli. Lines of one
// message are separate entries; a message box joins them with CR LF.
namespace tavu::update_text {

inline constexpr const char* FetchFailed1 = "ダウンロードに失敗しました";
inline constexpr const char* FetchFailed2 = "インターネット接続をご確認下さい";
inline constexpr const char* UpToDate = "ご使用のシステムは最新に保たれております";
inline constexpr const char* NewerQuestion1 = "最新のシステムファイルがあります　　　　";
inline constexpr const char* NewerQuestion2 = "ダウンロードを開始しますか？";
inline constexpr const char* QuestionCaption = "TAVU for DS";
inline constexpr const char* Declined = "ダウンロードを中止しました";
inline constexpr const char* VersionUnreadable = "サーバーのバージョン情報を読み取れませんでした";

inline constexpr const char* ProgressCaption = "TAVU for DS     ダウンロードしています";

// Memo_DL after a completed download.
inline constexpr const char* Success[] = {
    "システムファイルのダウンロードが成功しました。",
    "全ての設定が一度初期化されます。",
    "",
    "TAVU を再起動して下さい。",
    "（そのままプログラムを使いつづけると、エラーが発生する場合がございます）",
};

// Memo_DL after a download that failed or was cancelled: the old data stays in use.
inline constexpr const char* Failed = "システムファイルのダウンロードに失敗しました。";
inline constexpr const char* Cancelled = "システムファイルのダウンロードを中止しました。";
inline constexpr const char* NothingChanged =
    "システムファイルは変更されていません。これまでのまま使用できます。";

} // namespace tavu::update_text

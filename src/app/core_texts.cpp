#include "ui_text.h"

// The core's messages that the window shows are written in Japanese, for tavu-cli and the
// result files alike. The window shows them through coreText(), which finds their translation
// by this source text; a message with variable parts shows its fixed lines translated.
namespace tavu {

namespace {

[[maybe_unused]] constexpr const char* CoreTexts[] = {
    // The draws.
    QT_TRANSLATE_NOOP("tavu::Ui", "抽出条件を正しく設定して下さい"),
    QT_TRANSLATE_NOOP("tavu::Ui", "該当カードなし"),
    // The update check and download.
    QT_TRANSLATE_NOOP("tavu::Ui", "ダウンロードに失敗しました"),
    QT_TRANSLATE_NOOP("tavu::Ui", "インターネット接続をご確認下さい"),
    QT_TRANSLATE_NOOP("tavu::Ui", "ご使用のシステムは最新に保たれております"),
    QT_TRANSLATE_NOOP("tavu::Ui", "最新のシステムファイルがあります　　　　"),
    QT_TRANSLATE_NOOP("tavu::Ui", "ダウンロードを開始しますか？"),
    QT_TRANSLATE_NOOP("tavu::Ui", "ダウンロードを中止しました"),
    QT_TRANSLATE_NOOP("tavu::Ui", "サーバーのバージョン情報を読み取れませんでした"),
    QT_TRANSLATE_NOOP("tavu::Ui", "TAVU for DS     ダウンロードしています"),
    QT_TRANSLATE_NOOP("tavu::Ui", "システムファイルのダウンロードが成功しました。"),
    QT_TRANSLATE_NOOP("tavu::Ui", "全ての設定が一度初期化されます。"),
    QT_TRANSLATE_NOOP("tavu::Ui", "TAVU を再起動して下さい。"),
    QT_TRANSLATE_NOOP("tavu::Ui", "（そのままプログラムを使いつづけると、エラーが発生する場合がございます）"),
    QT_TRANSLATE_NOOP("tavu::Ui", "システムファイルのダウンロードに失敗しました。"),
    QT_TRANSLATE_NOOP("tavu::Ui", "システムファイルのダウンロードを中止しました。"),
    QT_TRANSLATE_NOOP("tavu::Ui", "システムファイルは変更されていません。これまでのまま使用できます。"),
    QT_TRANSLATE_NOOP("tavu::Ui", "メモリが足りないため中止しました"),
    QT_TRANSLATE_NOOP("tavu::Ui", "設定ファイルを暗号化できません"),
    QT_TRANSLATE_NOOP("tavu::Ui", "制限時間を過ぎたため打ち切りました"),
    QT_TRANSLATE_NOOP("tavu::Ui", "受信したデータを書き込めません"),
    QT_TRANSLATE_NOOP("tavu::Ui", "サーバーが見つかりません"),
    QT_TRANSLATE_NOOP("tavu::Ui", "サーバーに接続できません"),
    QT_TRANSLATE_NOOP("tavu::Ui", "サーバーの応答が止まったため打ち切りました"),
    QT_TRANSLATE_NOOP("tavu::Ui", "受信が途中で途切れました"),
    QT_TRANSLATE_NOOP("tavu::Ui", "サーバーとの通信が途中で切れました"),
    QT_TRANSLATE_NOOP("tavu::Ui", "URL が正しくありません (http または https のみ使えます)"),
    QT_TRANSLATE_NOOP("tavu::Ui", "中止しました"),
    QT_TRANSLATE_NOOP("tavu::Ui", "通信の準備に失敗しました"),
    // The data folder.
    QT_TRANSLATE_NOOP("tavu::Ui", "インストールされた新しいデータで、データフォルダを更新しました。"),
    QT_TRANSLATE_NOOP("tavu::Ui", "抽出条件などの設定は新しいデータのものになりました。"),
    QT_TRANSLATE_NOOP("tavu::Ui", "インストールされた新しいデータでデータフォルダを更新できませんでした。"),
    QT_TRANSLATE_NOOP("tavu::Ui", "これまでのデータで続けます。"),
    QT_TRANSLATE_NOOP("tavu::Ui", "利用者のデータフォルダの場所が分かりません (HOME が設定されていません)"),
    QT_TRANSLATE_NOOP("tavu::Ui", "設定の行が足りません (100 行必要です)"),
    QT_TRANSLATE_NOOP("tavu::Ui", "整数ではない設定値があります"),
    // Draw codes and result checks.
    QT_TRANSLATE_NOOP("tavu::Ui", "抽出コードの行 (「抽出コード: 」で始まる行) がありません"),
    QT_TRANSLATE_NOOP("tavu::Ui", "一致しました"),
    QT_TRANSLATE_NOOP("tavu::Ui", "抽出コードが空です"),
    QT_TRANSLATE_NOOP("tavu::Ui", "抽出コードではありません。コードを確かめて下さい"),
    QT_TRANSLATE_NOOP("tavu::Ui", "抽出コードが壊れています: 抽出の種類が読めません"),
    QT_TRANSLATE_NOOP("tavu::Ui", "抽出コードが壊れています: 項目の並びが正しくありません"),
};

} // namespace

} // namespace tavu

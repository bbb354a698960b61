#pragma once

#include <QtGlobal>

// Fixed texts the program shows in more than one place; the Japanese ones are translated
// where shown (see ui_text.h).
namespace tavu::text {

inline constexpr const char* ApplicationTitle = "TAVU for DS ver 1.00";
inline constexpr const char* InstanceName = "TAVUDS_version1.00";
inline constexpr const char* SaveQuestion = QT_TRANSLATE_NOOP("tavu::Ui", "現在の設定を保存しますか？");
inline constexpr const char* SaveDone = QT_TRANSLATE_NOOP("tavu::Ui", "保存は正常に行われました");
// What the pointer moving over any "ファイルに出力" box, or any box that clears after it, shows.
inline constexpr const char* OutputMoveText =
    QT_TRANSLATE_NOOP("tavu::Ui", "不正防止の為、抽出された結果をファイルに出力します。");
inline constexpr const char* ClearAfterMoveText = QT_TRANSLATE_NOOP(
    "tavu::Ui", "次の使用者に自分のブック内容を見られない様、予めリスト内をクリアする機能です。");
// Asked before the developer's concept page opens.
inline constexpr const char* ConceptQuestion =
    QT_TRANSLATE_NOOP("tavu::Ui", "開発者ホームページに接続します　　　　\r\nブラウザを起動しますか？");

} // namespace tavu::text

#include "map_page.h"
#include "store/settings_entries.h"
#include "ui_text.h"

namespace tavu {

namespace {

Binding rule(const char* name, int number, const char* hint) {
    return {name, entry::MapRuleFirst + number - 1, Holds::TickAsOne, Step::Map, hint};
}

// Each spin edit of a pair stands between its row's box and "～"; the name says which end it holds.
Binding range(const char* name, int number, const char* hint, const char* accessibleName) {
    Binding row{name, entry::MapSpinFirst + number - 1, Holds::Value, Step::Map, hint};
    row.name = accessibleName;
    return row;
}

// The rules restore in entry order; the button "設定を保存" stores them all.
} // namespace

std::vector<Binding> mapPageBindings() {
    const auto condition = [](const char* name, int entry, const char* hint) {
        return Binding{name, entry, Holds::Position, Step::Map, hint};
    };
    const QString facility = Ui::tr("表示用のチェックボックスです　（抽出条件には反映されません）");
    return {
        {.control = "TabSheet6", .clearsHint = true},
        {.control = "GroupBox8", .clearsHint = true},
        {.control = "GroupBox9", .clearsHint = true},
        rule("SetU1", 1,
             QT_TRANSLATE_NOOP("tavu::Ui", "対戦を行うマップを、指定された抽出条件より選び出します")),
        rule("SetU2", 2, QT_TRANSLATE_NOOP("tavu::Ui", "対戦マップの土地属性を決定します")),
        rule("SetU3", 3, QT_TRANSLATE_NOOP("tavu::Ui", "土地レベルの状態を決定します")),
        rule("SetU4", 4,
             QT_TRANSLATE_NOOP("tavu::Ui", "対戦時の目標魔力を、指定された条件に基づいて決定します")),
        rule("SetU5", 5, QT_TRANSLATE_NOOP("tavu::Ui", "サドンデスの有無を決定します")),
        rule("SetU6", 6,
             QT_TRANSLATE_NOOP("tavu::Ui", "対戦時の期間条件を、指定された条件に基づいて決定します")),
        rule("SetU7", 7,
             QT_TRANSLATE_NOOP("tavu::Ui", "対戦時のコマンド時間を、指定された条件に基づいて決定します")),
        condition("CBSet1", entry::MapCondition,
                  QT_TRANSLATE_NOOP("tavu::Ui", "コンボボックスより、幾つかの条件を設定することが出来ます")),
        range("SESet1", 1,
              QT_TRANSLATE_NOOP("tavu::Ui",
                                "最小値は5000 ～ 89000の範囲で決定出来ます　　（先に最大値を決めて下さい）"),
              QT_TRANSLATE_NOOP("tavu::Ui", "魔力条件の最小値")),
        range("SESet2", 2, QT_TRANSLATE_NOOP("tavu::Ui", "最大値は6000 ～ 90000の範囲で決定出来ます"),
              QT_TRANSLATE_NOOP("tavu::Ui", "魔力条件の最大値")),
        range("SESet3", 3,
              QT_TRANSLATE_NOOP("tavu::Ui",
                                "最小値は30 ～ 90の範囲で決定出来ます　　（先に最大値を決めて下さい）"),
              QT_TRANSLATE_NOOP("tavu::Ui", "期間条件の最小値")),
        range("SESet4", 4, QT_TRANSLATE_NOOP("tavu::Ui", "最大値は35 ～ 95の範囲で決定出来ます"),
              QT_TRANSLATE_NOOP("tavu::Ui", "期間条件の最大値")),
        range("SESet5", 5,
              QT_TRANSLATE_NOOP("tavu::Ui",
                                "最小値は10 ～ 90の範囲で決定出来ます　　（先に最大値を決めて下さい）"),
              QT_TRANSLATE_NOOP("tavu::Ui", "時間制限の最小値")),
        range("SESet6", 6, QT_TRANSLATE_NOOP("tavu::Ui", "最大値は15 ～ 90の範囲で決定出来ます"),
              QT_TRANSLATE_NOOP("tavu::Ui", "時間制限の最大値")),
        condition(
            "CBset2", entry::LandElement,
            QT_TRANSLATE_NOOP(
                "tavu::Ui", "条件を指定しない場合、 “標準、シャッフル、全無属性” の3種類から選び出されます")),
        condition(
            "CBset3", entry::LandLevel,
            QT_TRANSLATE_NOOP("tavu::Ui", "土地レベルを指定しない場合は、Lv1～Lv2 をランダムに選び出します")),
        condition("CBSet4", entry::SuddenDeath,
                  QT_TRANSLATE_NOOP("tavu::Ui", "条件を指定しない場合、オン、オフのどちらかが選出されます")),
        // The result fields carry no caption of their own: their hints pop up and a screen
        // reader speaks the condition each shows.
        {.control = "EditU1",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した対戦マップを表示します"),
         .popUp = true,
         .name = QT_TRANSLATE_NOOP("tavu::Ui", "対戦マップ")},
        {.control = "EditU2",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した土地属性の種類を表示します"),
         .popUp = true,
         .name = QT_TRANSLATE_NOOP("tavu::Ui", "土地属性")},
        {.control = "EditU3",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した土地レベルの状態を表示します"),
         .popUp = true,
         .name = QT_TRANSLATE_NOOP("tavu::Ui", "土地レベル")},
        {.control = "EditU4",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した目標魔力を表示します"),
         .popUp = true,
         .name = QT_TRANSLATE_NOOP("tavu::Ui", "目標魔力")},
        {.control = "EditU5",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定したサドンデスの有無を表示します"),
         .popUp = true,
         .name = QT_TRANSLATE_NOOP("tavu::Ui", "サドンデス")},
        {.control = "EditU6",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した期間条件を表示します"),
         .popUp = true,
         .name = QT_TRANSLATE_NOOP("tavu::Ui", "期間")},
        {.control = "EditU7",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した時間制限を表示します"),
         .popUp = true,
         .name = QT_TRANSLATE_NOOP("tavu::Ui", "時間制限")},
        {.control = "EditU8",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の最大ダイス目が表示されます")},
        {.control = "EditU9",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の１位報酬カード数が表示されます")},
        {.control = "EditU10",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の砦数を表示します")},
        {.control = "LabelS1",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の最大ダイス目が表示されます")},
        {.control = "LabelS2",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の最大ダイス目が表示されます")},
        {.control = "LabelS3",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の１位報酬カード数が表示されます")},
        {.control = "LabelS4",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の砦数を表示します")},
        {.control = "SetCB1", .moveText = facility},
        {.control = "SetCB2", .moveText = facility},
        {.control = "SetCB3", .moveText = facility},
        {.control = "SetCB4", .moveText = facility},
        {.control = "ButtonMapSave",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "現在の設定（数値やチェックなどの全て）を保存します")},
        {.control = "ButtonMapSetUp",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "設定された項目に基づいて対戦条件を抽出します")},
    };
}

} // namespace tavu

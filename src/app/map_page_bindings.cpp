#include "binding.h"
#include "store/settings_entries.h"
#include "ui_text.h"

namespace tavu {

namespace {

Binding rule(int n, const QString& hint) {
    return {QStringLiteral("SetU%1").arg(n), entry::MapRuleFirst + n - 1, Holds::TickAsOne, Step::Map, hint};
}

Binding condition(const char* name, int entry, const QString& hint) {
    return {name, entry, Holds::Position, Step::Map, hint};
}

// Each spin edit of a pair stands between its row's box and "～"; the name says which end it holds.
Binding range(int n, const QString& hint, const QString& name) {
    Binding row{QStringLiteral("SESet%1").arg(n), entry::MapSpinFirst + n - 1, Holds::Value, Step::Map, hint};
    row.name = name;
    return row;
}

// The result fields carry no caption of their own: their hints pop up and a screen reader
// speaks the condition each shows.
Binding shown(int n, const QString& hint, const QString& name) {
    return {.control = QStringLiteral("EditU%1").arg(n), .hint = hint, .popUp = true, .name = name};
}

} // namespace

// The rules restore in entry order; the button "設定を保存" stores them all.
std::vector<Binding> mapPageBindings() {
    const QString facility = Ui::tr("表示用のチェックボックスです　（抽出条件には反映されません）");
    const QString dice = Ui::tr("表示用 ：　抽出された MAP の最大ダイス目が表示されます");
    const QString reward = Ui::tr("表示用 ：　抽出された MAP の１位報酬カード数が表示されます");
    const QString forts = Ui::tr("表示用 ：　抽出された MAP の砦数を表示します");
    return {
        {.control = "TabSheet6", .clearsHint = true},
        {.control = "GroupBox8", .clearsHint = true},
        {.control = "GroupBox9", .clearsHint = true},
        rule(1, Ui::tr("対戦を行うマップを、指定された抽出条件より選び出します")),
        rule(2, Ui::tr("対戦マップの土地属性を決定します")),
        rule(3, Ui::tr("土地レベルの状態を決定します")),
        rule(4, Ui::tr("対戦時の目標魔力を、指定された条件に基づいて決定します")),
        rule(5, Ui::tr("サドンデスの有無を決定します")),
        rule(6, Ui::tr("対戦時の期間条件を、指定された条件に基づいて決定します")),
        rule(7, Ui::tr("対戦時のコマンド時間を、指定された条件に基づいて決定します")),
        condition("CBSet1", entry::MapCondition,
                  Ui::tr("コンボボックスより、幾つかの条件を設定することが出来ます")),
        range(1, Ui::tr("最小値は5000 ～ 89000の範囲で決定出来ます　　（先に最大値を決めて下さい）"),
              Ui::tr("魔力条件の最小値")),
        range(2, Ui::tr("最大値は6000 ～ 90000の範囲で決定出来ます"), Ui::tr("魔力条件の最大値")),
        range(3, Ui::tr("最小値は30 ～ 90の範囲で決定出来ます　　（先に最大値を決めて下さい）"),
              Ui::tr("期間条件の最小値")),
        range(4, Ui::tr("最大値は35 ～ 95の範囲で決定出来ます"), Ui::tr("期間条件の最大値")),
        range(5, Ui::tr("最小値は10 ～ 90の範囲で決定出来ます　　（先に最大値を決めて下さい）"),
              Ui::tr("時間制限の最小値")),
        range(6, Ui::tr("最大値は15 ～ 90の範囲で決定出来ます"), Ui::tr("時間制限の最大値")),
        condition("CBset2", entry::LandElement,
                  Ui::tr("条件を指定しない場合、 “標準、シャッフル、全無属性” の3種類から選び出されます")),
        condition("CBset3", entry::LandLevel,
                  Ui::tr("土地レベルを指定しない場合は、Lv1～Lv2 をランダムに選び出します")),
        condition("CBSet4", entry::SuddenDeath,
                  Ui::tr("条件を指定しない場合、オン、オフのどちらかが選出されます")),
        shown(1, Ui::tr("表示用 ：　決定した対戦マップを表示します"), Ui::tr("対戦マップ")),
        shown(2, Ui::tr("表示用 ：　決定した土地属性の種類を表示します"), Ui::tr("土地属性")),
        shown(3, Ui::tr("表示用 ：　決定した土地レベルの状態を表示します"), Ui::tr("土地レベル")),
        shown(4, Ui::tr("表示用 ：　決定した目標魔力を表示します"), Ui::tr("目標魔力")),
        shown(5, Ui::tr("表示用 ：　決定したサドンデスの有無を表示します"), Ui::tr("サドンデス")),
        shown(6, Ui::tr("表示用 ：　決定した期間条件を表示します"), Ui::tr("期間")),
        shown(7, Ui::tr("表示用 ：　決定した時間制限を表示します"), Ui::tr("時間制限")),
        {.control = "EditU8", .hint = dice},
        {.control = "EditU9", .hint = reward},
        {.control = "EditU10", .hint = forts},
        {.control = "LabelS1", .hint = dice},
        {.control = "LabelS2", .hint = dice},
        {.control = "LabelS3", .hint = reward},
        {.control = "LabelS4", .hint = forts},
        {.control = "SetCB1", .moveText = facility},
        {.control = "SetCB2", .moveText = facility},
        {.control = "SetCB3", .moveText = facility},
        {.control = "SetCB4", .moveText = facility},
        {.control = "ButtonMapSave", .hint = Ui::tr("現在の設定（数値やチェックなどの全て）を保存します")},
        {.control = "ButtonMapSetUp", .hint = Ui::tr("設定された項目に基づいて対戦条件を抽出します")},
    };
}

} // namespace tavu

#include "hint_table.h"

#include "mouse_move_texts.h"

#include <QWidget>
#include <initializer_list>

namespace tavu {

namespace {

struct Hint {
    const char* control;
    const char* text;
};

// The hint of each control that has one; a control not listed has none of its own.
constexpr Hint ControlHints[] = {
    {"CEdit1", "クリーチャー名を表示"},
    {"CEdit2", "クリーチャーの基本 ST を表示"},
    {"CEdit3", "クリーチャーの基本 HP を表示"},
    {"CEdit4", "カード使用時に消費する魔力を表示"},
    {"CEdit5", "クリーチャー召喚時に必要な連鎖数を表示"},
    {"CEdit6", "クリーチャー召喚時に必要な生贄の有無を表示"},
    {"CEdit7", "カードのレア度を表示"},
    {"CEdit8", "クリーチャーの特殊能力 （先制、通常、後手） を表示"},
    {"CCB1A", "抽出枚数を指定します"},
    {"CB2", "火属性クリーチャー"},
    {"CB3", "水属性クリーチャー"},
    {"CB4", "地属性クリーチャー"},
    {"CB5", "風属性クリーチャー"},
    {"BRandom1", "設定条件に基づいて、カードの単体抽出を行います"},
    {"CEdit9", "ブック内に指定カードを組み込む枚数を表示"},
    {"ButtonC4", "表示されてある項目を完全にクリアします"},
    {"CRE", "抽出されたカードは “属性　>　名前” 順に表示されます"},
    {"CSE4B", "抽出枚数は、1 ～ 50枚の範囲で設定出来ます"},
    {"CCB1B", "1 ～ 50枚の範囲でランダムに抽出されます"},
    {"BRandom2", "設定条件に基づいて、カードの複数抽出を行います"},
    {"ButtonC1", "リストに表示されてある項目を完全にクリアします"},
    {"IEdit1", "アイテム名を表示"},
    {"IEdit2", "アイテムの使用による、基本増加 ST を表示"},
    {"IEdit3", "アイテムの使用による、基本増加 HP を表示"},
    {"IEdit4", "カード使用時に消費する魔力を表示"},
    {"IEdit5", "アイテムの種類 （武器、防具、アイテム、巻物）を表示"},
    {"BRandom3", "設定条件に基づいて、カードの単体抽出を行います"},
    {"IEdit6", "カードのレア度を表示"},
    {"IEdit8", "ブック内に指定カードを組み込む枚数を表示"},
    {"IEdit7", "アイテムの特殊能力 （先制、通常、後手） を表示"},
    {"ICB4", "抽出枚数を指定します"},
    {"ButtonC5", "表示されてある項目を完全にクリアします"},
    {"BRandom4", "設定条件に基づいて、カードの複数抽出を行います"},
    {"ISE4B", "抽出枚数は、1 ～ 49枚の範囲で設定出来ます"},
    {"ICB4B", "1 ～ 49枚の範囲でランダムに抽出されます"},
    {"ButtonC2", "リストに表示されてある項目を完全にクリアします"},
    {"SEdit1", "スペル名を表示"},
    {"SEdit2", "カード使用時に消費する魔力を表示"},
    {"SEdit3", "カードのレア度を表示"},
    {"SEdit4", "カード使用時に必要な生贄の有無を表示"},
    {"SEdit5", "スペルの使用によって及ぼされる効果適用範囲を表示"},
    {"BRandom5", "設定条件に基づいて、カードの単体抽出を行います"},
    {"SEdit6", "スペルの効果が及ぶ対象を表示"},
    {"SEdit7", "スペルの効果適用時間 （瞬間 or 継続） を表示"},
    {"SEdit8", "ブック内に指定カードを組み込む枚数を表示"},
    {"SpellCB1A", "抽出枚数を指定します"},
    {"ButtonC6", "表示されてある項目を完全にクリアします"},
    {"BRandom6", "設定条件に基づいて、カードの複数抽出を行います"},
    {"SSE1B", "抽出枚数は、1 ～ 50枚の範囲で設定出来ます"},
    {"SCB1B", "1 ～ 50枚の範囲でランダムに抽出されます"},
    {"ButtonC3", "リストに表示されてある項目を完全にクリアします"},
    {"EditU1", "表示用 ：　決定した対戦マップを表示します"},
    {"EditU4", "表示用 ：　決定した目標魔力を表示します"},
    {"EditU6", "表示用 ：　決定した期間条件を表示します"},
    {"EditU7", "表示用 ：　決定した時間制限を表示します"},
    {"EditU3", "表示用 ：　決定した土地レベルの状態を表示します"},
    {"EditU2", "表示用 ：　決定した土地属性の種類を表示します"},
    {"EditU5", "表示用 ：　決定したサドンデスの有無を表示します"},
    {"ButtonMapSave", "現在の設定（数値やチェックなどの全て）を保存します"},
    {"ButtonMapSetUp", "設定された項目に基づいて対戦条件を抽出します"},
    {"LabelS1", "表示用 ：　抽出された MAP の最大ダイス目が表示されます"},
    {"LabelS2", "表示用 ：　抽出された MAP の最大ダイス目が表示されます"},
    {"LabelS4", "表示用 ：　抽出された MAP の砦数を表示します"},
    {"LabelS3", "表示用 ：　抽出された MAP の１位報酬カード数が表示されます"},
    {"EditU10", "表示用 ：　抽出された MAP の砦数を表示します"},
    {"EditU8", "表示用 ：　抽出された MAP の最大ダイス目が表示されます"},
    {"EditU9", "表示用 ：　抽出された MAP の１位報酬カード数が表示されます"},
    {"SetU1", "対戦を行うマップを、指定された抽出条件より選び出します"},
    {"SetU4", "対戦時の目標魔力を、指定された条件に基づいて決定します"},
    {"SetU2", "対戦マップの土地属性を決定します"},
    {"SetU5", "サドンデスの有無を決定します"},
    {"SetU3", "土地レベルの状態を決定します"},
    {"SESet1", "最小値は5000 ～ 89000の範囲で決定出来ます　　（先に最大値を決めて下さい）"},
    {"SESet2", "最大値は6000 ～ 90000の範囲で決定出来ます"},
    {"CBset2", "条件を指定しない場合、 “標準、シャッフル、全無属性” の3種類から選び出されます"},
    {"SetU6", "対戦時の期間条件を、指定された条件に基づいて決定します"},
    {"SetU7", "対戦時のコマンド時間を、指定された条件に基づいて決定します"},
    {"SESet3", "最小値は30 ～ 90の範囲で決定出来ます　　（先に最大値を決めて下さい）"},
    {"SESet4", "最大値は35 ～ 95の範囲で決定出来ます"},
    {"SESet5", "最小値は10 ～ 90の範囲で決定出来ます　　（先に最大値を決めて下さい）"},
    {"SESet6", "最大値は15 ～ 90の範囲で決定出来ます"},
    {"CBSet1", "コンボボックスより、幾つかの条件を設定することが出来ます"},
    {"CBset3", "土地レベルを指定しない場合は、Lv1～Lv2 をランダムに選び出します"},
    {"CBSet4", "条件を指定しない場合、オン、オフのどちらかが選出されます"},
    {"Label39", "同盟相手をチェックにより表示"},
    {"VSEdit1", "CPU の人数を表示します"},
    {"VSEdit2", "対戦相手 1人目"},
    {"VSEdit3", "対戦相手 2人目"},
    {"VSEdit4", "対戦相手 3人目"},
    {"FCB1", "同盟相手表示用"},
    {"FCB2", "同盟相手を 2人以上に設定しても、CPU人数によってはその数が減少する場合があります"},
    {"FCB3", "同盟相手を 2人以上に設定しても、CPU人数によってはその数が減少する場合があります"},
    {"ButtonVSSetUp", "設定された項目に基づいて対戦相手を抽出します"},
    {"ButtonCPUSave", "現在の設定（数値やチェックなどの全て）を保存します"},
    {"Label10", "CPU 4人による対戦はサポートしておりません"},
    {"Label33", "ファイル出力の有無を設定します"},
    {"Label31", "幾つかのブックを保有するセプターの場合は、通常時のブックを参照しています"},
    {"Label38", "人数を設定しない場合、0 ～ 3 人の範囲で同盟相手が決定されます"},
    {"VS_ComboBox", "対戦相手の人数を選択することが出来ます"},
    {"VS_CBFile2", "ファイルに出力後、結果をクリアします"},
    {"VS_CBox2", "同盟相手を抽出したい場合はここを選択して下さい"},
    {"AbsoluteLabel1",
     "クリーチャーは 0～50 枚の間で設定出来ます　（数値が 50 を超えないように注意して下さい）"},
    {"AbsoluteLabel2", "アイテムは 0～49 枚の間で設定出来ます　（数値が 49 を超えないように注意して下さい）"},
    {"AbsoluteLabel3", "スペルは 0～50 枚の間で設定出来ます　（数値が 50 を超えないように注意して下さい）"},
    {"LabelA", "カード総計が 50 枚を超えないように注意して下さい"},
    {"Label17", "クリーチャーは 0～50 枚の間で設定出来ます　（数値が 50 を超えないように注意して下さい）"},
    {"Label24", "アイテムは 0～49 枚の間で設定出来ます　（数値が 49 を超えないように注意して下さい）"},
    {"Label26", "スペルは 0～50 枚の間で設定出来ます　（数値が 50 を超えないように注意して下さい）"},
    {"AbsoluteSE1",
     "クリーチャーは 0～50 枚の間で設定出来ます　（数値が 50 を超えないように注意して下さい）"},
    {"AbsoluteSE2", "アイテムは 0～49 枚の間で設定出来ます　（数値が 49 を超えないように注意して下さい）"},
    {"AbsoluteSE3", "スペルは 0～50 枚の間で設定出来ます　（数値が 50 を超えないように注意して下さい）"},
    {"AbsoluteRE",
     "抽出されたカードは、“クリーチャー（属性 > 名前）　>　アイテム　>　スペル” の順に表示されます"},
    {"ButtonAbsoluteClear", "表示されてある項目を完全にクリアします"},
    {"BRandomAbsolute", "ブック総数 50 枚を、完全にランダムで抽出します"},
    {"AbsoluteCB4", "ブック 50 枚を完全にランダムで作成したい場合には、ここにチェックを入れて下さい"},
    {"AbsoluteCB1", "Ｅカードを使用したくない場合はここにチェックを入れて下さい"},
    {"AbsoluteBCaution", "完全ランダムを選択する際に、一読下さい"},
    {"ButtonAbsoluteSave", "現在の設定を保存することが出来ます"},
    {"Label_Development_concept", "開発コンセプト　：　開発者ホームページにジャンプします"},
    {"ComentRE", "コメントが表示されます"},
    {"Outline1", "使用上の注意、及び免責事項等"},
    {"Outline2", "単体抽出時の解説"},
    {"Outline3", "複数抽出時の解説"},
    {"Outline4", "対戦条件設定時の解説とヒント"},
    {"Outline6", "バトルギア 選出時の特殊ルールについて"},
    {"Outline5", "ブック完全構成の解説とヒント"},
    {"TAVUManual", "作者からのお知らせと、諸注意が表示されます"},
    {"ButtonDL", "TAVU for DS のシステム更新ファイルをダウンロードします"},
    {"ButtonExposition", "ダウンロード機能の解説"},
    {"Memo_DL", "コメントが表示されます"},
};

// Pop-up tips belong only to the single-draw result fields, whose texts can be cut off.
bool showsToolTip(const QString& name) {
    return (name.startsWith(QLatin1String("CEdit")) || name.startsWith(QLatin1String("IEdit")) ||
            name.startsWith(QLatin1String("SEdit")));
}

struct MoveGroup {
    const char* text;
    std::initializer_list<const char*> controls;
};

const MoveGroup MoveGroups[] = {
    {"ここのチェックを外すことにより、抽出したくない属性クリーチャーを選択することが出来ます",
     {"CB1", "CB2", "CB3", "CB4", "CB5", "NCB", "FCB", "SCB", "ECB", "WCB"}},
    {"ここのチェックを外すことにより、抽出したくないレア度を選択することが出来ます",
     {"CRCB1A",        "CRCB2A",        "CRCB3A",        "CRCB4A",        "CRCB1B",        "CRCB2B",
      "CRCB3B",        "CRCB4B",        "ItemReaCBox1N", "ItemReaCBox1S", "ItemReaCBox1R", "ItemReaCBox1E",
      "ItemReaCBox2N", "ItemReaCBox2S", "ItemReaCBox2R", "ItemReaCBox2E", "SCB1N",         "SCB1S",
      "SCB1R",         "SCB1E",         "SCB2N",         "SCB2S",         "SCB2R",         "SCB2E"}},
    {"ここのチェックを外すことにより、抽出したくないアイテムの種類を選択することが出来ます",
     {"ICB1A", "ICB2A", "ICB3A", "ICB4A", "ICB1C", "ICB2C", "ICB3C", "ICB4C"}},
    {"不正防止の為、抽出された結果をファイルに出力します。",
     {"CCB2A", "CCB2B", "ICB1", "ICB5B", "SCB1A", "SCB2B", "VS_CBFile1", "AbsoluteCB2"}},
    {"次の使用者に自分のブック内容を見られない様、予めリスト内をクリアする機能です。",
     {"CCB3A", "CCB3B", "ICB2", "ICB6B", "SCB2A", "SCB3B", "AbsoluteCB3"}},
    {"抽出されたカードは名前順に表示されます", {"ItemRE", "SpellRE"}},
    {"表示用のチェックボックスです　（抽出条件には反映されません）",
     {"SetCB1", "SetCB2", "SetCB3", "SetCB4"}},
    {"カード総計が 50 枚を超えないように注意して下さい", {"LabelA", "Label27", "LabelB"}},
    {"右クリックで全属性にチェック", {"VS_CB1", "VS_CB2", "VS_CB3", "VS_CB4", "VS_CB5"}},
};

// Pointer movement over the bare area of these clears the hint panel. The download page is
// left out, as it always has been.
constexpr const char* ClearingAreas[] = {
    "TabSheet1",  "TabSheet2",  "TabSheet3",  "TabSheet6",  "TabSheet7",  "TabSheet8",  "TabSheet9",
    "TabSheet10", "TabSheet11", "TabSheet12", "TabSheet13", "TabSheet14", "TabSheet15", "TabSheet16",
    "GroupBox1",  "GroupBox2",  "GroupBox3",  "GroupBox4",  "GroupBox5",  "GroupBox6",  "GroupBox8",
    "GroupBox9",  "GroupBox15", "GroupBox16", "VS_GB1",     "VS_GB2"};

} // namespace

WidgetsByName indexWidgetsByName(QWidget* window) {
    WidgetsByName widgets;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty())
            widgets.insert(widget->objectName(), widget);
    }
    return widgets;
}

void applyControlHints(const WidgetsByName& widgets) {
    for (const Hint& hint : ControlHints) {
        const QString name = QString::fromUtf8(hint.control);
        QWidget* control = widgets.value(name);
        if (control == nullptr)
            continue;
        control->setStatusTip(QString::fromUtf8(hint.text));
        if (showsToolTip(name))
            control->setToolTip(QString::fromUtf8(hint.text));
    }
}

void attachMouseMoveTexts(const WidgetsByName& widgets, QWidget* windowArea, MouseMoveTexts& texts) {
    for (const MoveGroup& group : MoveGroups) {
        for (const char* name : group.controls)
            texts.attach(widgets.value(QString::fromUtf8(name)), QString::fromUtf8(group.text));
    }
    texts.attachToArea(windowArea, {});
    for (const char* name : ClearingAreas)
        texts.attachToArea(widgets.value(QString::fromUtf8(name)), {});
}

} // namespace tavu

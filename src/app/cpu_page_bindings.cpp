#include "app_strings.h"
#include "binding.h"
#include "store/settings_entries.h"
#include "ui_text.h"

namespace tavu {

namespace {

Binding element(int n) {
    return {QStringLiteral("VS_CB%1").arg(n),
            entry::CpuElementFirst + n - 1,
            Holds::TickAsOne,
            Step::Opponents,
            {},
            Ui::tr("右クリックで全属性にチェック")};
}

Binding stored(const char* name, int entry, Holds holds, const QString& hint, const char* moveText = "") {
    return {name, entry, holds, Step::Opponents, hint, moveText};
}

// The result fields and ally marks stand without captions of their own.
Binding shown(const char* name, const QString& hint, const QString& accessibleName) {
    return {.control = name, .hint = hint, .name = accessibleName};
}

} // namespace

// The controls restore in entry order; the button "設定を保存" stores them all.
std::vector<Binding> cpuPageBindings() {
    const QString fewerAllies =
        Ui::tr("同盟相手を 2人以上に設定しても、CPU人数によってはその数が減少する場合があります");
    return {
        {.control = "TabSheet9", .clearsHint = true},
        {.control = "VS_GB1", .clearsHint = true},
        {.control = "VS_GB2", .clearsHint = true},
        element(1),
        element(2),
        element(3),
        element(4),
        element(5),
        stored("VS_ComboBox", entry::CpuCount, Holds::Position,
               Ui::tr("対戦相手の人数を選択することが出来ます")),
        stored("VS_CBFile1", entry::CpuOutput, Holds::TickAsOne, {}, text::OutputMoveText),
        stored("VS_CBFile2", entry::CpuClear, Holds::TickAsOne,
               Ui::tr("ファイルに出力後、結果をクリアします")),
        stored("VS_CBox2", entry::CpuAllies, Holds::Position,
               Ui::tr("同盟相手を抽出したい場合はここを選択して下さい")),
        {.control = "Label10", .hint = Ui::tr("CPU 4人による対戦はサポートしておりません")},
        {.control = "Label31",
         .hint = Ui::tr("幾つかのブックを保有するセプターの場合は、通常時のブックを参照しています")},
        {.control = "Label33", .hint = Ui::tr("ファイル出力の有無を設定します")},
        {.control = "Label38",
         .hint = Ui::tr("人数を設定しない場合、0 ～ 3 人の範囲で同盟相手が決定されます")},
        {.control = "Label39", .hint = Ui::tr("同盟相手をチェックにより表示")},
        shown("VSEdit1", Ui::tr("CPU の人数を表示します"), Ui::tr("決定した CPU の人数")),
        shown("VSEdit2", Ui::tr("対戦相手 1人目"), Ui::tr("対戦相手 1人目")),
        shown("VSEdit3", Ui::tr("対戦相手 2人目"), Ui::tr("対戦相手 2人目")),
        shown("VSEdit4", Ui::tr("対戦相手 3人目"), Ui::tr("対戦相手 3人目")),
        shown("FCB1", Ui::tr("同盟相手表示用"), Ui::tr("対戦相手 1人目と同盟")),
        shown("FCB2", fewerAllies, Ui::tr("対戦相手 2人目と同盟")),
        shown("FCB3", fewerAllies, Ui::tr("対戦相手 3人目と同盟")),
        {.control = "ButtonVSSetUp", .hint = Ui::tr("設定された項目に基づいて対戦相手を抽出します")},
        {.control = "ButtonCPUSave", .hint = Ui::tr("現在の設定（数値やチェックなどの全て）を保存します")},
    };
}

} // namespace tavu

// The battle-map page's draw: the map and rule boxes, and a condition no map meets.
#include "app/spin_edit.h"
#include "gui_test_support.h"
#include "store/file_io.h"
#include "store/sjis_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class MapDrawTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void mapAndRulesFillTheirBoxes();
    void untickedMapShowsQuestionMarks();
    void downloadMapsOnlyWithoutOneWarnsAndStillDrawsRules();
    void saveStoresThePageOnlyWhenConfirmed();

private:
    QCheckBox* rule(int n) { return w_->find<QCheckBox>(QStringLiteral("SetU") + QString::number(n)); }
    QString box(int n) { return w_->find<QLineEdit>(QStringLiteral("EditU") + QString::number(n))->text(); }
    bool facility(int n) {
        return w_->find<QCheckBox>(QStringLiteral("SetCB") + QString::number(n))->isChecked();
    }
    void pressOk() {
        QTest::mouseClick(w_->find<QPushButton>(QStringLiteral("ButtonMapSetUp")), Qt::LeftButton);
    }

    std::unique_ptr<StartedWindow> w_;
};

void MapDrawTest::init() {
    w_ = std::make_unique<StartedWindow>();
}

void MapDrawTest::cleanup() {
    w_.reset();
}

void MapDrawTest::mapAndRulesFillTheirBoxes() {
    w_->start();
    const std::string before = w_->settingsBytes();
    for (int n : {1, 2, 3, 4})
        rule(n)->setChecked(true);
    w_->find<QComboBox>(QStringLiteral("CBSet1"))->setCurrentIndex(5); // standard maps only: 草原の島
    pressOk();
    QCOMPARE(box(1), QStringLiteral(" 草原の島        "));
    QCOMPARE(box(8), QStringLiteral(" 6"));
    QCOMPARE(box(9), QStringLiteral("  3"));
    QCOMPARE(box(10), QStringLiteral("  4   ")); // one blank, then the 5-byte field
    QVERIFY(facility(1) && facility(2) && facility(3) && facility(4));
    QVERIFY(QStringList({" 標準", " シャッフル", " 全無属性"}).contains(box(2)));
    QVERIFY(QStringList({" Lv 1", " Lv 2"}).contains(box(3)));
    QVERIFY(QStringList({" 6000", " 7000", " 8000", " 9000"}).contains(box(4)));
    QCOMPARE(box(5), QString());
    QVERIFY(w_->dialogs.calls.isEmpty());
    QCOMPARE(w_->settingsBytes(), before);
}

void MapDrawTest::untickedMapShowsQuestionMarks() {
    w_->start();
    rule(5)->setChecked(true);
    pressOk();
    QCOMPARE(box(1), QString());
    QCOMPARE(box(8), QStringLiteral(" ？"));
    QCOMPARE(box(2), QStringLiteral(" "));
    QVERIFY(QStringList({" オン", " オフ"}).contains(box(5)));
}

void MapDrawTest::downloadMapsOnlyWithoutOneWarnsAndStillDrawsRules() {
    writeFileAtomically(w_->systemDir() / "RM_Map.tri",
                        "0 1 1 1 1 6 3" + sjis::fromUtf8OrThrow(" 草原の島        ") + " 4    0\r\n" +
                            "0 0 1 0 1 8 2" + sjis::fromUtf8OrThrow(" 砂漠の城        ") + " 2    0\r\n");
    w_->start();
    rule(1)->setChecked(true);
    rule(3)->setChecked(true);
    w_->find<QComboBox>(QStringLiteral("CBSet1"))->setCurrentIndex(6);
    w_->find<QComboBox>(QStringLiteral("CBset3"))->setCurrentIndex(2);
    pressOk();
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QCOMPARE(w_->dialogs.calls.front().kind, QStringLiteral("warn"));
    QVERIFY(w_->dialogs.calls.front().text.contains(QStringLiteral("条件に合う対戦マップがありません")));
    QCOMPARE(box(1), QString());
    QCOMPARE(box(8), QStringLiteral(" ？"));
    QCOMPARE(box(3), QStringLiteral(" Lv 2"));
}

void MapDrawTest::saveStoresThePageOnlyWhenConfirmed() {
    w_->start();
    const std::string before = w_->settingsBytes();
    rule(1)->setChecked(true);
    w_->find<SpinEdit>(QStringLiteral("SESet2"))->setValue(30000);
    w_->find<SpinEdit>(QStringLiteral("SESet1"))->setValue(20000);
    w_->find<QComboBox>(QStringLiteral("CBSet4"))->setCurrentIndex(2);
    auto* save = w_->find<QPushButton>(QStringLiteral("ButtonMapSave"));
    w_->dialogs.answers = {false};
    save->click();
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QCOMPARE(w_->dialogs.calls.front().text, QStringLiteral("現在の設定を保存しますか？   "));
    QCOMPARE(w_->dialogs.calls.front().caption, QStringLiteral("TAVU for DS Warning !"));
    QCOMPARE(w_->settingsBytes(), before);

    save->click(); // answered OK
    const SettingsArray stored = w_->storedSettings();
    QCOMPARE(stored[0], 1);
    QCOMPARE(stored[8], 20000);
    QCOMPARE(stored[9], 30000);
    QCOMPARE(stored[51], 2);
    QCOMPARE(w_->dialogs.texts().last(), QStringLiteral("保存は正常に行われました"));
}

QTEST_MAIN(MapDrawTest)
#include "test_map_page_draw.moc"

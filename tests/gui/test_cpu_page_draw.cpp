// The CPU opponent page's draw: opponents, ally marks, the file and the draws that cannot end.
#include "gui_test_support.h"
#include "store/file_io.h"
#include "store/sjis_text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class CpuDrawTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void threePlayersAreThreeDifferentOpponents();
    void allyMarkGoesWithoutASecondOpponent();
    void onePlayerWithTwoAlliesShowsTheTendencyWarning();
    void tooFewQualifyingOpponentsWarnsAndKeepsTheDisplay();
    void fileBodyAndClearAfterACancelledSave();
    void popUpMenuTicksEveryElementAndEnablesOk();
    void onePlayerWithAnAllyChosenDisablesBothButtons();
    void saveStoresThePageOnlyWhenConfirmed();

private:
    QString display(int n) {
        return w_->find<QLineEdit>(QStringLiteral("VSEdit") + QString::number(n))->text();
    }
    bool ally(int n) { return w_->find<QCheckBox>(QStringLiteral("FCB") + QString::number(n))->isChecked(); }
    QComboBox* combo(const char* name) { return w_->find<QComboBox>(QString::fromLatin1(name)); }
    void pressOk() {
        QTest::mouseClick(w_->find<QPushButton>(QStringLiteral("ButtonVSSetUp")), Qt::LeftButton);
    }

    std::unique_ptr<StartedWindow> w_;
};

void CpuDrawTest::init() {
    w_ = std::make_unique<StartedWindow>();
    w_->start();
}

void CpuDrawTest::cleanup() {
    w_.reset();
}

void CpuDrawTest::threePlayersAreThreeDifferentOpponents() {
    combo("VS_ComboBox")->setCurrentIndex(3);
    for (int round = 0; round < 5; ++round) {
        pressOk();
        QCOMPARE(display(1), QStringLiteral(" CPU 人数 3人"));
        const QSet<QString> names = {display(2), display(3), display(4)};
        QCOMPARE(names.size(), 3);
    }
}

void CpuDrawTest::allyMarkGoesWithoutASecondOpponent() {
    // Setting a combo from code runs no handler, so OK stays enabled for this choice.
    combo("VS_ComboBox")->setCurrentIndex(1);
    combo("VS_CBox2")->setCurrentIndex(2);
    pressOk();
    QVERIFY(!display(2).isEmpty());
    QCOMPARE(display(3), QString());
    QVERIFY(!ally(1) && !ally(2) && !ally(3));
    combo("VS_ComboBox")->setCurrentIndex(2);
    combo("VS_CBox2")->setCurrentIndex(3);
    pressOk();
    QVERIFY(ally(1) && ally(2) && !ally(3));
}

void CpuDrawTest::onePlayerWithTwoAlliesShowsTheTendencyWarning() {
    combo("VS_ComboBox")->setCurrentIndex(1);
    combo("VS_CBox2")->setCurrentIndex(3);
    pressOk();
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QCOMPARE(w_->dialogs.calls.front().text, QStringLiteral("ブック傾向を正しく設定して下さい　"));
    QCOMPARE(w_->dialogs.calls.front().caption, QStringLiteral("TAVU　Warning"));
    QCOMPARE(display(1), QString());
}

void CpuDrawTest::tooFewQualifyingOpponentsWarnsAndKeepsTheDisplay() {
    combo("VS_ComboBox")->setCurrentIndex(1);
    pressOk();
    const QString shown = display(2);
    for (int n = 1; n <= 4; ++n) // only 賢者 plays wind
        w_->find<QCheckBox>(QStringLiteral("VS_CB") + QString::number(n))->setChecked(false);
    combo("VS_ComboBox")->setCurrentIndex(2);
    pressOk();
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QVERIFY(w_->dialogs.calls.front().text.contains(QStringLiteral("1 人しかいない")));
    QCOMPARE(display(2), shown);
    QCOMPARE(display(1), QStringLiteral(" CPU 人数 1人"));
}

void CpuDrawTest::fileBodyAndClearAfterACancelledSave() {
    QTemporaryDir out;
    const QString name = out.filePath(QStringLiteral("cpu.txt"));
    w_->dialogs.fileNames = {name};
    w_->find<QCheckBox>(QStringLiteral("VS_CBFile1"))->setChecked(true);
    combo("VS_ComboBox")->setCurrentIndex(2);
    combo("VS_CBox2")->setCurrentIndex(2);
    pressOk();
    const std::string bytes = readWholeFile(name.toStdString());
    const std::string first = sjis::fromUtf8OrThrow("同盟相手　　>>>　" + display(2).toStdString()) + "\r\n";
    const std::string second = sjis::fromUtf8OrThrow("対戦相手　　>>>　" + display(3).toStdString()) + "\r\n";
    QCOMPARE(bytes.substr(0, first.size() + second.size() + 3), first + second + " \r\n");
    QVERIFY(bytes.find(sjis::fromUtf8OrThrow("以上のストーリーキャラと対戦を行って下さい。")) !=
            std::string::npos);

    w_->find<QCheckBox>(QStringLiteral("VS_CBFile2"))->setChecked(true);
    pressOk(); // no name left: the dialog is cancelled
    QCOMPARE(display(1), QString());
    QCOMPARE(display(2), QString());
    QVERIFY(!ally(1));
}

void CpuDrawTest::popUpMenuTicksEveryElementAndEnablesOk() {
    for (int n = 1; n <= 5; ++n)
        w_->find<QCheckBox>(QStringLiteral("VS_CB") + QString::number(n))->setChecked(false);
    auto* ok = w_->find<QPushButton>(QStringLiteral("ButtonVSSetUp"));
    QVERIFY(!ok->isEnabled());
    w_->find<QAction>(QStringLiteral("N3"))->trigger();
    for (int n = 1; n <= 5; ++n)
        QVERIFY(w_->find<QCheckBox>(QStringLiteral("VS_CB") + QString::number(n))->isChecked());
    QVERIFY(ok->isEnabled());
}

void CpuDrawTest::onePlayerWithAnAllyChosenDisablesBothButtons() {
    combo("VS_ComboBox")->setCurrentIndex(1);
    combo("VS_CBox2")->setCurrentIndex(2);
    emit combo("VS_CBox2")->activated(2); // as a user's choice does
    QVERIFY(!w_->find<QPushButton>(QStringLiteral("ButtonVSSetUp"))->isEnabled());
    QVERIFY(!w_->find<QPushButton>(QStringLiteral("ButtonCPUSave"))->isEnabled());
    combo("VS_CBox2")->setCurrentIndex(1);
    emit combo("VS_CBox2")->activated(1);
    QVERIFY(w_->find<QPushButton>(QStringLiteral("ButtonVSSetUp"))->isEnabled());
}

void CpuDrawTest::saveStoresThePageOnlyWhenConfirmed() {
    const std::string before = w_->settingsBytes();
    w_->find<QCheckBox>(QStringLiteral("VS_CB2"))->setChecked(false);
    combo("VS_ComboBox")->setCurrentIndex(3);
    combo("VS_CBox2")->setCurrentIndex(1);
    auto* save = w_->find<QPushButton>(QStringLiteral("ButtonCPUSave"));
    w_->dialogs.answers = {false};
    save->click();
    QCOMPARE(w_->dialogs.calls.front().caption, QStringLiteral("TAVU"));
    QCOMPARE(w_->settingsBytes(), before);
    save->click();
    const SettingsArray stored = w_->storedSettings();
    QCOMPARE(stored[59], 1);
    QCOMPARE(stored[60], 0);
    QCOMPARE(stored[64], 3);
    QCOMPARE(stored[67], 1);
}

QTEST_MAIN(CpuDrawTest)
#include "test_cpu_page_draw.moc"

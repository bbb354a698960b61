// The complete-book page's draw: the listing, the file output and the draws that cannot be made.
#include "app/result_box.h"
#include "app/spin_edit.h"
#include "gui_test_support.h"
#include "store/file_io.h"
#include "store/sjis_text.h"
#include "store/tables.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class BookDrawTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fixedCountsListFamiliesWithEmptyLinesBetween();
    void fullyRandomListsFiftyFourLines();
    void fileHoldsListingClosingLineAndFooter();
    void cancelledSaveStillClearsWhenAsked();
    void bookWithoutUsableCardsShowsItsMessage();

private:
    QCheckBox* option(int n) {
        return w_->find<QCheckBox>(QStringLiteral("AbsoluteCB") + QString::number(n));
    }
    ResultBox* listing() { return w_->find<ResultBox>(QStringLiteral("AbsoluteRE")); }
    void pressOk() {
        QTest::mouseClick(w_->find<QPushButton>(QStringLiteral("BRandomAbsolute")), Qt::LeftButton);
    }

    std::unique_ptr<StartedWindow> w_;
};

void BookDrawTest::init() {
    w_ = std::make_unique<StartedWindow>();
}

void BookDrawTest::cleanup() {
    w_.reset();
}

void BookDrawTest::fixedCountsListFamiliesWithEmptyLinesBetween() {
    w_->start();
    const std::string before = w_->settingsBytes();
    pressOk();
    const QStringList lines = listing()->lines();
    QCOMPARE(lines.size(), 52);
    QCOMPARE(lines[20], QString());
    QCOMPARE(lines[36], QString());
    QVERIFY(lines[0].startsWith(QStringLiteral("1  ")));
    QVERIFY(lines[51].startsWith(QStringLiteral("50 ")));
    QVERIFY(w_->dialogs.calls.isEmpty());
    QCOMPARE(w_->settingsBytes(), before); // drawing never saves
}

void BookDrawTest::fullyRandomListsFiftyFourLines() {
    w_->start();
    option(4)->setChecked(true);
    pressOk();
    const QStringList lines = listing()->lines();
    QCOMPARE(lines.size(), 54);
    for (int blank : {10, 21, 32, 43})
        QCOMPARE(lines[blank], QStringLiteral(" "));
}

void BookDrawTest::fileHoldsListingClosingLineAndFooter() {
    w_->start();
    QTemporaryDir out;
    const QString name = out.filePath(QStringLiteral("book.txt"));
    w_->dialogs.fileNames = {name};
    option(2)->setChecked(true);
    pressOk();
    const std::string bytes = readWholeFile(name.toStdString());
    const std::string tail =
        "\r\n" + sjis::fromUtf8OrThrow("の 50 枚をブック内に組み込んでブックを作成して下さい。") + "\r\n" +
        sjis::fromUtf8OrThrow("TAVU for DS で作成しました") + "\r\n" + sjis::fromUtf8OrThrow("抽出コード: ") +
        w_->window().context().drawCode().toStdString() + "\r\n";
    QVERIFY(bytes.size() > tail.size());
    QCOMPARE(bytes.substr(bytes.size() - tail.size()), tail);
    QCOMPARE(listing()->lines().size(), 52); // the clear-after box is unticked
}

void BookDrawTest::cancelledSaveStillClearsWhenAsked() {
    w_->start();
    option(2)->setChecked(true);
    option(3)->setChecked(true);
    pressOk(); // no file name scripted: the dialog is cancelled
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QCOMPARE(w_->dialogs.calls.front().kind, QStringLiteral("save"));
    QVERIFY(listing()->toPlainText().isEmpty());
}

void BookDrawTest::bookWithoutUsableCardsShowsItsMessage() {
    std::string allE;
    for (int i = 0; i < 32; ++i) {
        allE += tableLine(CardListRecord{sjis::fromUtf8OrThrow("カード") + std::to_string(i), 1, 0});
    }
    writeFileAtomically(w_->systemDir() / "RM_08.tri", allE);
    w_->start();
    option(4)->setChecked(true);
    pressOk();
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QCOMPARE(w_->dialogs.calls.front().kind, QStringLiteral("warn"));
    QVERIFY(w_->dialogs.calls.front().text.contains(QStringLiteral("使用できるカードがありません")));
    QVERIFY(listing()->toPlainText().isEmpty());
}

QTEST_MAIN(BookDrawTest)
#include "test_book_page_draw.moc"

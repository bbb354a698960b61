// The manual tab, "解説", the developer links and help.
#include "app/app_strings.h"
#include "app/developer_pages.h"
#include "app/help_window.h"
#include "app/result_box.h"
#include "gui_test_support.h"
#include "store/file_io.h"
#include "store/sjis_text.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>
#include <filesystem>

using namespace tavu;
using namespace tavu::test;

class ManualPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void eachButtonLoadsItsPage();
    void pressingTwiceShowsThePageOnce();
    void missingPageIsReportedAndLeavesBoxEmpty();
    void expositionLoadsPageEight();
    void hoverShiftsOnceAndLeaveRestores();
    void linkQuestionsOpenNothingOnNo();
    void linkQuestionsOpenTheDevelopersPagesOnYes();
    void helpOpensTheShippedManual();

private:
    void writePage(int page, const std::string& utf8Text);
    void sendTo(QWidget* widget, QEvent::Type type);
    std::unique_ptr<StartedWindow> w_;
};

void ManualPageTest::init() {
    w_ = std::make_unique<StartedWindow>();
    for (int page = 1; page <= 8; ++page)
        writePage(page, "第" + std::to_string(page) + "ページ\r\n二行目\r\n");
    w_->start();
}

void ManualPageTest::cleanup() {
    w_.reset();
}

void ManualPageTest::writePage(int page, const std::string& utf8Text) {
    writeFileAtomically(w_->systemDir() / ("Explanation_" + std::to_string(page) + ".tri"),
                        sjis::fromUtf8OrThrow(utf8Text));
}

void ManualPageTest::sendTo(QWidget* widget, QEvent::Type type) {
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), button, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
        return;
    }
    QEvent event(type);
    QApplication::sendEvent(widget, &event);
}

void ManualPageTest::eachButtonLoadsItsPage() {
    auto* box = w_->find<ResultBox>(QStringLiteral("ComentRE"));
    const QStringList names = {"Outline1", "Outline2", "Outline3",  "Outline4",
                               "Outline5", "Outline6", "TAVUManual"};
    for (int i = 0; i < names.size(); ++i) {
        w_->find<QPushButton>(names[i])->click();
        QCOMPARE(box->lines(),
                 QStringList({QStringLiteral("第%1ページ").arg(i + 1), QStringLiteral("二行目")}));
    }
    QVERIFY(box->isReadOnly());
}

void ManualPageTest::pressingTwiceShowsThePageOnce() {
    auto* box = w_->find<ResultBox>(QStringLiteral("ComentRE"));
    auto* button = w_->find<QPushButton>(QStringLiteral("Outline6"));
    button->click();
    button->click();
    QCOMPARE(box->lines().size(), 2);
    // A page without a final line end shows its last line all the same.
    writePage(7, "最後の行");
    w_->find<QPushButton>(QStringLiteral("TAVUManual"))->click();
    QCOMPARE(box->lines(), QStringList({QStringLiteral("最後の行")}));
}

void ManualPageTest::missingPageIsReportedAndLeavesBoxEmpty() {
    auto* box = w_->find<ResultBox>(QStringLiteral("ComentRE"));
    w_->find<QPushButton>(QStringLiteral("Outline1"))->click();
    std::filesystem::remove(w_->systemDir() / "Explanation_2.tri");
    w_->find<QPushButton>(QStringLiteral("Outline2"))->click();
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QCOMPARE(w_->dialogs.calls[0].kind, QStringLiteral("error"));
    QVERIFY(w_->dialogs.calls[0].text.contains(QStringLiteral("Explanation_2.tri")));
    QVERIFY(box->lines().isEmpty());
    // Shown later, the box does not put its placeholder back over the emptied page.
    w_->window().show();
    box->show();
    QVERIFY(box->lines().isEmpty());
}

void ManualPageTest::expositionLoadsPageEight() {
    auto* memo = w_->find<ResultBox>(QStringLiteral("Memo_DL"));
    w_->find<QPushButton>(QStringLiteral("ButtonExposition"))->click();
    w_->find<QPushButton>(QStringLiteral("ButtonExposition"))->click();
    QCOMPARE(memo->lines(), QStringList({QStringLiteral("第8ページ"), QStringLiteral("二行目")}));
}

void ManualPageTest::hoverShiftsOnceAndLeaveRestores() {
    auto* link = w_->find<QLabel>(QStringLiteral("Label_Development_concept"));
    const QPoint home = link->pos();
    const QString resting = link->styleSheet();
    const QColor restingColour = link->palette().color(QPalette::WindowText);
    for (int i = 0; i < 3; ++i)
        sendTo(link, QEvent::MouseMove);
    QCOMPARE(link->pos(), home + QPoint(2, -2));
    QVERIFY(link->styleSheet() != resting);
    // Lifted, it still reads against the page.
    const QColor lifted = link->palette().color(QPalette::WindowText);
    QVERIFY(lifted != restingColour);
    QVERIFY(contrastRatio(lifted, link->parentWidget()->palette().color(QPalette::Window)) >= 4.5);
    sendTo(link, QEvent::Leave);
    sendTo(link, QEvent::Leave);
    QCOMPARE(link->pos(), home);
    QCOMPARE(link->styleSheet(), resting);
    // The shift survives the page being laid out again.
    sendTo(link, QEvent::MouseMove);
    w_->window().show();
    w_->window().resize(w_->window().size() + QSize(1, 1));
    QApplication::processEvents();
    QCOMPARE(link->pos(), home + QPoint(2, -2));
}

void ManualPageTest::linkQuestionsOpenNothingOnNo() {
    w_->dialogs.answers = {false, false};
    sendTo(w_->find<QLabel>(QStringLiteral("Label_Development_concept")), QEvent::MouseButtonRelease);
    w_->find<QAction>(QStringLiteral("mnuUpDate"))->trigger();
    QVERIFY(w_->urls.opened.isEmpty());
    QCOMPARE(w_->dialogs.calls.size(), 2);
    QCOMPARE(w_->dialogs.calls[0].text, QString::fromUtf8(text::ConceptQuestion));
    QCOMPARE(w_->dialogs.calls[0].caption, QStringLiteral("TAVU シリーズコンセプト"));
    QCOMPARE(w_->dialogs.calls[1].caption, QStringLiteral("TAVU アップデート"));
    QCOMPARE(w_->dialogs.calls[1].text.split(QStringLiteral("\r\n")).size(), 6);
}

void ManualPageTest::linkQuestionsOpenTheDevelopersPagesOnYes() {
    w_->dialogs.answers = {true, true};
    sendTo(w_->find<QLabel>(QStringLiteral("Label_Development_concept")), QEvent::MouseButtonRelease);
    w_->find<QAction>(QStringLiteral("mnuUpDate"))->trigger();
    QCOMPARE(w_->urls.opened, QStringList({developerConceptPage(), developerHomePage()}));
    QVERIFY(developerConceptPage().endsWith(QStringLiteral("/tavu_03.html")));
    QVERIFY(developerHomePage().endsWith(QStringLiteral("/index.html")));
    QVERIFY(!developerHomePage().contains(QStringLiteral("system_file")));
}

void ManualPageTest::helpOpensTheShippedManual() {
    w_->find<QAction>(QStringLiteral("mnuTAVUHelp"))->trigger();
    QVERIFY(w_->window().helpWindow());
    const QFileInfo opened(w_->window().helpWindow()->browser()->source().toLocalFile());
    QCOMPARE(opened.fileName(), QStringLiteral("index.html"));
    QCOMPARE(opened.dir().dirName(), QStringLiteral("help"));
    QVERIFY(opened.exists());
    QVERIFY(w_->urls.opened.isEmpty()); // no browser needed
    QVERIFY(w_->dialogs.calls.isEmpty());
}

QTEST_MAIN(ManualPageTest)
#include "test_manual_page.moc"

// The history of the window's draws: what a draw leaves in it, the switch that stops it, the
// history window's listing and actions, a history file in any state, sharing a result, and
// another program recording into the same file at the same time.
#include "app/draw_history.h"
#include "app/history_model.h"
#include "app/history_window.h"
#include "app/preferences.h"
#include "app/result_box.h"
#include "app/result_sharing.h"
#include "gui_test_support.h"
#include "history_fixture.h"
#include "store/file_io.h"
#include "store/random_source.h"
#include "store/sjis_text.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <fstream>
#include <random>

using namespace tavu;
using namespace tavu::test;
namespace fs = std::filesystem;

namespace {

// RFC 4180 records: quoted fields may hold commas, doubled quotes and line ends.
QList<QStringList> parseCsv(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << std::exchange(field, {});
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << std::exchange(field, {});
            records << std::exchange(record, {});
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

// What another program runs to record `count` draws in `file`.
// The other program: a burst of records through the core, or `count` runs of the real
// command line recording a draw each, one after another, as a player's script would.
QStringList otherWriter(const fs::path& file, int count, bool commandLine) {
    const QString path = QString::fromStdString(file.string());
    if (!commandLine)
        return {QStringLiteral(TAVU_HISTORY_BURST), path, QString::number(count)};
    const QString loop = QStringLiteral("for i in $(seq %1); do \"$0\" --system \"$1\" --history \"$2\" "
                                        "--record --seed $i creature multiple >/dev/null || exit 1; done")
                             .arg(count);
    return {QStringLiteral("/bin/sh"),
            QStringLiteral("-c"),
            loop,
            QStringLiteral(TAVU_CLI),
            QStringLiteral(TAVU_SYSTEM_DIR),
            path};
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void aDrawIsRecordedWithTheCodeThatReplaysIt();
    void recordingOffRecordsNothingAndStaysOff();
    void theWindowListsNewestFirstFiltersAndFollows();
    void aRowReplaysItsPageAndResult();
    void exportedRowsReadBack();
    void rowsAreDeletedOnlyWhenConfirmed();
    void aBadHistoryFileLeavesDrawingWorking_data();
    void aBadHistoryFileLeavesDrawingWorking();
    void aResultIsSharedAsTextAndPicture();
    void anotherProgramRecordsAtTheSameTime_data();
    void anotherProgramRecordsAtTheSameTime();

private:
    void startWindow(history::History::Options options = {});
    void press(const QString& name) { QTest::mouseClick(w_->find<QPushButton>(name), Qt::LeftButton); }
    template <class T>
    T* find(const QString& name) {
        return w_->find<T>(name);
    }
    std::vector<history::HistoryRow> rows() {
        history::HistoryPage page;
        page.withLines = true;
        page.limit = 1000;
        return history::History(file_).list(page).value_or(std::vector<history::HistoryRow>{});
    }
    HistoryWindow* openHistory() {
        find<QAction>(QStringLiteral("mnuHistory"))->trigger();
        return w_->window().historyWindow();
    }
    QStringList historyNotices() const {
        QStringList texts;
        for (const DialogCall& call : w_->dialogs.calls)
            if (call.caption == QStringLiteral("抽出履歴") && call.kind == QStringLiteral("warn"))
                texts << call.text;
        return texts;
    }

    QTemporaryDir dir_;
    fs::path file_;
    std::unique_ptr<StartedWindow> w_;
    std::unique_ptr<DrawHistory> history_;
};

void HistoryWindowTest::init() {
    QVERIFY(dir_.isValid());
    file_ = fs::path(dir_.path().toStdString()) / ("history-" + std::to_string(std::rand()) + ".sqlite3");
    w_ = std::make_unique<StartedWindow>(fs::path(TAVU_SYSTEM_DIR));
}

void HistoryWindowTest::startWindow(history::History::Options options) {
    history_ = std::make_unique<DrawHistory>(history::History(file_, options));
    w_->start();
    w_->window().useHistory(*history_);
}

void HistoryWindowTest::cleanup() {
    w_.reset();
    history_.reset();
    setOpenFailure({});
}

// The row holds the lines the result file holds before its footer, the file and a code that
// draws the same lines again.
void HistoryWindowTest::aDrawIsRecordedWithTheCodeThatReplaysIt() {
    startWindow();
    find<QCheckBox>(QStringLiteral("CCB2B"))->setChecked(true); // write a result file
    const QString resultFile = dir_.filePath(QStringLiteral("result.txt"));
    w_->dialogs.fileNames << resultFile;
    processRandom().setSeed(45296789u);
    press(QStringLiteral("BRandom2"));
    press(QStringLiteral("ButtonMapSetUp"));
    auto recorded = rows();
    QCOMPARE(recorded.size(), 2u);
    const history::DrawEntry map = recorded[0].draw;
    const history::DrawEntry list = recorded[1].draw;
    QCOMPARE(map.command, std::string("map"));
    QCOMPARE(list.command, std::string("creature-multiple"));
    QCOMPARE(QString::fromStdString(map.code), w_->window().context().drawCode());
    QCOMPARE(list.resultFile, resultFile.toStdString());
    QVERIFY(map.resultFile.empty());
    const std::string written = sjis::toUtf8(readWholeFile(resultFile.toStdString()));
    std::string joined;
    for (const std::string& line : list.lines)
        joined += line + "\r\n";
    QVERIFY2(written.starts_with(joined), written.c_str());
    for (const QString& shown : find<ResultBox>(QStringLiteral("CRE"))->lines())
        QVERIFY(std::ranges::find(list.lines, shown.toStdString()) != list.lines.end());

    // Another random state, then the code: the same lines again, recorded as a draw of its own.
    processRandom().setSeed(1u);
    w_->window().replayCode(QString::fromStdString(list.code));
    recorded = rows();
    QCOMPARE(recorded.size(), 3u);
    QCOMPARE(recorded[0].draw.code, list.code);
    QCOMPARE(recorded[0].draw.lines, list.lines);
}

void HistoryWindowTest::recordingOffRecordsNothingAndStaysOff() {
    const fs::path preferencesFile = fs::path(dir_.path().toStdString()) / "tavu.conf";
    {
        Preferences preferences(preferencesFile);
        startWindow();
        w_->window().usePreferences(preferences);
        auto* item = find<QAction>(QStringLiteral("mnuRecordHistory"));
        QVERIFY(item->isChecked());
        item->trigger();
        press(QStringLiteral("ButtonMapSetUp"));
        QCOMPARE(rows().size(), 0u);
        w_->destroyWindow();
    }
    Preferences preferences(preferencesFile);
    w_->start();
    w_->window().useHistory(*history_);
    w_->window().usePreferences(preferences);
    auto* item = find<QAction>(QStringLiteral("mnuRecordHistory"));
    QVERIFY(!item->isChecked());
    press(QStringLiteral("ButtonMapSetUp"));
    QCOMPARE(rows().size(), 0u);
    item->trigger();
    press(QStringLiteral("ButtonMapSetUp"));
    QCOMPARE(rows().size(), 1u);
    QVERIFY(Preferences(preferencesFile).recordHistory());
}

void HistoryWindowTest::theWindowListsNewestFirstFiltersAndFollows() {
    startWindow();
    press(QStringLiteral("BRandomAbsolute"));
    press(QStringLiteral("ButtonMapSetUp"));
    press(QStringLiteral("BRandom2"));
    HistoryWindow* window = openHistory();
    QVERIFY(window && window->isVisible());
    HistoryModel* model = window->model();
    QCOMPARE(model->rowCount(), 3);
    const auto commandAt = [&](int row) {
        return model->index(row, HistoryModel::CommandColumn).data().toString();
    };
    QCOMPARE(commandAt(0), HistoryModel::commandLabel(QStringLiteral("creature-multiple")));
    QCOMPARE(commandAt(2), HistoryModel::commandLabel(QStringLiteral("book")));
    QVERIFY(commandAt(2) != QStringLiteral("book"));

    auto* command = window->findChild<QComboBox*>(QStringLiteral("historyCommand"));
    command->setCurrentIndex(command->findData(QStringLiteral("map")));
    QCOMPARE(model->rowCount(), 1);
    command->setCurrentIndex(0);
    const QString bookCode = QString::fromStdString(rows().back().draw.code);
    auto* text = window->findChild<QLineEdit*>(QStringLiteral("historyText"));
    text->setText(QRegularExpression(QStringLiteral("s=[0-9]+")).match(bookCode).captured());
    QTRY_COMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, HistoryModel::CodeColumn).data().toString(), bookCode);
    text->clear();
    QTRY_COMPARE(model->rowCount(), 3);

    // Draws made while it is open come in at the top.
    press(QStringLiteral("ButtonMapSetUp"));
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(model->index(0, HistoryModel::CodeColumn).data().toString(), w_->window().context().drawCode());
}

void HistoryWindowTest::aRowReplaysItsPageAndResult() {
    startWindow();
    find<QCheckBox>(QStringLiteral("FCB"))->setChecked(false);
    press(QStringLiteral("BRandom2"));
    const QStringList lines = find<ResultBox>(QStringLiteral("CRE"))->lines();
    const QString drawn = w_->window().context().drawCode();
    find<QCheckBox>(QStringLiteral("FCB"))->setChecked(true);
    press(QStringLiteral("BRandom2"));
    press(QStringLiteral("BRandomAbsolute"));
    QVERIFY(find<ResultBox>(QStringLiteral("CRE"))->lines() != lines);

    HistoryWindow* window = openHistory();
    window->table()->selectRow(2);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("historyReplay")), Qt::LeftButton);
    QCOMPARE(w_->window().context().drawCode(), drawn);
    QCOMPARE(find<ResultBox>(QStringLiteral("CRE"))->lines(), lines);
    QVERIFY(!find<QCheckBox>(QStringLiteral("FCB"))->isChecked());
    QVERIFY(find<ResultBox>(QStringLiteral("CRE"))->isVisibleTo(&w_->window()));
    const auto recorded = rows();
    QCOMPARE(recorded[0].draw.lines, recorded[3].draw.lines);
}

void HistoryWindowTest::exportedRowsReadBack() {
    startWindow();
    press(QStringLiteral("BRandomAbsolute"));
    press(QStringLiteral("BRandom2"));
    press(QStringLiteral("ButtonMapSetUp"));
    HistoryWindow* window = openHistory();
    window->table()->selectionModel()->select(
        QItemSelection(window->model()->index(0, 0), window->model()->index(1, 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const auto recorded = rows();

    const QString json = dir_.filePath(QStringLiteral("chosen.json"));
    const QString csv = dir_.filePath(QStringLiteral("chosen.csv"));
    w_->dialogs.fileNames << json << csv;
    auto* exportButton = window->findChild<QPushButton*>(QStringLiteral("historyExport"));
    QTest::mouseClick(exportButton, Qt::LeftButton);
    QTest::mouseClick(exportButton, Qt::LeftButton);

    const QJsonArray array =
        QJsonDocument::fromJson(QByteArray::fromStdString(readWholeFile(json.toStdString()))).array();
    QCOMPARE(array.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QJsonObject row = array[i].toObject();
        QCOMPARE(row[QStringLiteral("code")].toString().toStdString(),
                 recorded[static_cast<std::size_t>(i)].draw.code);
        QCOMPARE(row[QStringLiteral("lines")].toArray().size(),
                 static_cast<qsizetype>(recorded[static_cast<std::size_t>(i)].draw.lines.size()));
    }
    const auto records = parseCsv(QString::fromStdString(readWholeFile(csv.toStdString())));
    QCOMPARE(records.size(), 3); // the header and two rows
    const int codeColumn = static_cast<int>(records[0].indexOf(QStringLiteral("code")));
    const int linesColumn = static_cast<int>(records[0].indexOf(QStringLiteral("lines")));
    QVERIFY(codeColumn >= 0 && linesColumn >= 0);
    QCOMPARE(records[2][codeColumn].toStdString(), recorded[1].draw.code);
    QCOMPARE(records[2][linesColumn].split(u'\n').size(),
             static_cast<qsizetype>(recorded[1].draw.lines.size()));
}

void HistoryWindowTest::rowsAreDeletedOnlyWhenConfirmed() {
    startWindow();
    press(QStringLiteral("BRandomAbsolute"));
    press(QStringLiteral("ButtonMapSetUp"));
    press(QStringLiteral("BRandom2"));
    HistoryWindow* window = openHistory();
    window->table()->selectRow(1);
    auto* remove = window->findChild<QPushButton*>(QStringLiteral("historyDelete"));
    w_->dialogs.answers << false;
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(rows().size(), 3u);
    w_->dialogs.answers << true;
    QTest::mouseClick(remove, Qt::LeftButton);
    const auto left = rows();
    QCOMPARE(left.size(), 2u);
    QCOMPARE(left[0].draw.command, std::string("creature-multiple"));
    QCOMPARE(left[1].draw.command, std::string("book"));
    QCOMPARE(window->model()->rowCount(), 2);

    auto* clear = window->findChild<QPushButton*>(QStringLiteral("historyClear"));
    w_->dialogs.answers << false;
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(rows().size(), 2u);
    w_->dialogs.answers << true;
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(rows().size(), 0u);
    QCOMPARE(window->model()->rowCount(), 0);
    QCOMPARE(w_->dialogs.calls.size(), 4);
}

void HistoryWindowTest::aBadHistoryFileLeavesDrawingWorking_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("truncated") << "truncated";
    QTest::newRow("random bytes") << "random";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("mode 000") << "mode000";
}

// Each draw still shows its result; the player is told once; later draws are recorded again
// where the file could be replaced.
void HistoryWindowTest::aBadHistoryFileLeavesDrawingWorking() {
    QFETCH(QString, damage);
    history::History::Options options;
    if (damage == QStringLiteral("truncated")) {
        makeHistory(file_, 200);
        fs::resize_file(file_, fs::file_size(file_) / 2);
    } else if (damage == QStringLiteral("random")) {
        std::mt19937 random(7);
        std::ofstream out(file_, std::ios::binary);
        for (int i = 0; i < 64 * 1024; ++i)
            out.put(static_cast<char>(random()));
    } else if (damage == QStringLiteral("folder")) {
        fs::create_directories(file_ / "inside");
    } else {
        makeHistory(file_, 3);
        fs::permissions(file_, fs::perms::none);
        setOpenFailure(modeIsZero); // as for a user without rights, also when tests run as root
        options.vfs = faultyVfs();
    }
    startWindow(options);
    for (int i = 0; i < 3; ++i) {
        find<ResultBox>(QStringLiteral("CRE"))->clear();
        press(QStringLiteral("BRandom2"));
        QVERIFY(!find<ResultBox>(QStringLiteral("CRE"))->lines().isEmpty());
        QCoreApplication::processEvents();
    }
    QCOMPARE(historyNotices().size(), 1);
    QVERIFY(!historyNotices().first().isEmpty());
    // The history window opens on whatever history there is now, without telling again.
    QVERIFY(openHistory() != nullptr);
    QCoreApplication::processEvents();
    QCOMPARE(historyNotices().size(), 1);
    setOpenFailure({});
    fs::permissions(file_, fs::perms::owner_all, fs::perm_options::replace);
}

void HistoryWindowTest::aResultIsSharedAsTextAndPicture() {
    startWindow();
    auto* box = find<ResultBox>(QStringLiteral("AbsoluteRE"));
    const auto action = [&](std::unique_ptr<QMenu>& menu, const char* name) {
        menu = box->contextMenu({});
        return menu->findChild<QAction*>(QString::fromLatin1(name));
    };
    std::unique_ptr<QMenu> menu;
    QVERIFY(!action(menu, "copyResult")->isEnabled()); // nothing drawn yet
    press(QStringLiteral("BRandomAbsolute"));
    const QStringList lines = box->lines();
    const QString code = w_->window().context().drawCode();
    press(QStringLiteral("ButtonMapSetUp")); // a later draw elsewhere keeps the book's own code
    action(menu, "copyResult")->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, lines.join(u'\n') + QStringLiteral("\n抽出コード: ") + code);

    const QString png = dir_.filePath(QStringLiteral("book.png"));
    w_->dialogs.fileNames << png;
    action(menu, "saveResultPicture")->trigger();
    QImage picture(png);
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() <= SharedPictureMaxWidth);
    // Every line has room: a line at least as tall as a readable text's.
    QVERIFY(picture.height() >= lines.size() * 16);

    // A line too long for a chat is cut, not widened past the limit.
    const QImage wide = sharedPicture({{QString(400, QChar(0x30AB))}, code, QDateTime::currentDateTimeUtc()});
    QCOMPARE(wide.width(), SharedPictureMaxWidth);

    press(QStringLiteral("ButtonAbsoluteClear"));
    QVERIFY(!action(menu, "copyResult")->isEnabled());
    QVERIFY(!action(menu, "saveResultPicture")->isEnabled());
}

void HistoryWindowTest::anotherProgramRecordsAtTheSameTime_data() {
    QTest::addColumn<bool>("commandLine");
    QTest::addColumn<int>("otherDraws");
    QTest::newRow("core") << false << 300;
    QTest::newRow("tavu-cli --record") << true << 40;
}

void HistoryWindowTest::anotherProgramRecordsAtTheSameTime() {
    QFETCH(bool, commandLine);
    QFETCH(int, otherDraws);
    startWindow();
    press(QStringLiteral("ButtonMapSetUp")); // the file exists before the other program starts
    const int OtherDraws = otherDraws;
    QProcess other;
    other.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList command = otherWriter(file_, OtherDraws, commandLine);
    other.start(command.first(), command.mid(1));
    QVERIFY(other.waitForStarted());
    int windowDraws = 1;
    while (other.state() != QProcess::NotRunning || windowDraws < 20) {
        press(QStringLiteral("BRandom2"));
        ++windowDraws;
        QCoreApplication::processEvents();
        if (windowDraws > 5000)
            break;
    }
    QVERIFY(other.state() == QProcess::NotRunning || other.waitForFinished(60000));
    QCOMPARE(other.exitStatus(), QProcess::NormalExit);
    QCOMPARE(other.exitCode(), 0);
    QCOMPARE(historyNotices().size(), 0);
    QCOMPARE(history::History(file_).count({}), std::optional<std::int64_t>(OtherDraws + windowDraws));
    qInfo("%d draws of the window among %d of another program", windowDraws, OtherDraws);
}

QTEST_MAIN(HistoryWindowTest)
#include "test_history_window.moc"

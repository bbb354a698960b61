// Where the save dialog opens: the documents folder at first, then the folder of the last
// save, also in the next run; and the status bar says where the file went.
#include "app/preferences.h"
#include "gui_test_support.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class SaveFolderTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstSaveOpensInDocumentsThenInTheLastFolderAcrossRuns();
    void removedFolderFallsBackToDocuments();
    void cancelledSaveRemembersNothing();

private:
    // A run of the program: a window over the fixture folder with the preferences file kept
    // across runs.
    std::unique_ptr<StartedWindow> run() {
        auto w = std::make_unique<StartedWindow>();
        w->start();
        w->window().usePreferences(*preferences_);
        return w;
    }
    void drawAndSave(StartedWindow& w, const QString& file) {
        w.find<QCheckBox>(QStringLiteral("CCB2A"))->setChecked(true); // write the result
        if (!file.isEmpty())
            w.dialogs.fileNames << file;
        w.find<QPushButton>(QStringLiteral("BRandom1"))->click();
    }
    QString documents() const { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

    QTemporaryDir root_;
    std::unique_ptr<Preferences> preferences_;
};

void SaveFolderTest::init() {
    QFile::remove(root_.filePath(QStringLiteral("tavu.conf")));
    preferences_ = std::make_unique<Preferences>(root_.filePath(QStringLiteral("tavu.conf")).toStdString());
}

void SaveFolderTest::firstSaveOpensInDocumentsThenInTheLastFolderAcrossRuns() {
    QVERIFY(QDir(root_.path()).mkpath(QStringLiteral("records")));
    const QString file = root_.filePath(QStringLiteral("records/deck.txt"));
    {
        auto w = run();
        drawAndSave(*w, file);
        QCOMPARE(w->dialogs.saveRequests.size(), 1);
        QCOMPARE(w->dialogs.saveRequests[0].folder, documents());
        QVERIFY(QFile::exists(file));
        const QString told = w->window().statusBar()->currentMessage();
        QVERIFY2(told.contains(QDir::toNativeSeparators(file)), qPrintable(told));
        drawAndSave(*w, {});
        QCOMPARE(w->dialogs.saveRequests[1].folder, root_.filePath(QStringLiteral("records")));
    }
    // The next run, with the preferences read afresh from the file.
    preferences_ = std::make_unique<Preferences>(root_.filePath(QStringLiteral("tavu.conf")).toStdString());
    auto w = run();
    drawAndSave(*w, {});
    QCOMPARE(w->dialogs.saveRequests[0].folder, root_.filePath(QStringLiteral("records")));
}

void SaveFolderTest::removedFolderFallsBackToDocuments() {
    preferences_->setLastSaveFolder(root_.filePath(QStringLiteral("gone")));
    auto w = run();
    drawAndSave(*w, {});
    QCOMPARE(w->dialogs.saveRequests[0].folder, documents());
}

void SaveFolderTest::cancelledSaveRemembersNothing() {
    auto w = run();
    drawAndSave(*w, {});
    QVERIFY(preferences_->lastSaveFolder().isEmpty());
    QVERIFY(w->window().statusBar()->currentMessage().isEmpty());
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SaveFolderTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_save_folder.moc"

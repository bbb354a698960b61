// Every window as a screen reader meets it: each control the keyboard reaches says what it is
// and, where the window hints at it, what it does.
#include "accessibility_checks.h"
#include "app/about_form.h"
#include "app/help_window.h"
#include "app/language.h"
#include "app/preferences.h"
#include "app/update_site_dialog.h"
#include "gui_test_support.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class AccessibleNamesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyWindowNamesItsControlsAndSpeaksItsHints();
    void everyWindowDoesSoInEnglishToo();
    void namesFollowTheVisibleLabels();

private:
    // The whole check over the window as built now: run once more after a change of language.
    void checkEveryWindow();

    std::unique_ptr<StartedWindow> w_;
    QTemporaryDir home_;
};

void AccessibleNamesTest::init() {
    w_ = std::make_unique<StartedWindow>();
    w_->start();
    w_->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w_->window()));
}

void AccessibleNamesTest::cleanup() {
    w_.reset();
    useLanguage(Language::Japanese);
}

void AccessibleNamesTest::checkEveryWindow() {
    TMainForm& window = w_->window();
    QStringList faults = unnamedControls(&window) + unspokenHints(window.pages());
    faults += unnamedControls(window.aboutForm());
    window.activateWindow();
    QTRY_VERIFY(window.isActiveWindow());
    QTest::keyClick(&window, Qt::Key_F1);
    QVERIFY(window.helpWindow() != nullptr);
    faults += unnamedControls(window.helpWindow());
    window.helpWindow()->close();
    Preferences preferences((home_.path() + QStringLiteral("/tavu.conf")).toStdString());
    UpdateSiteDialog site(preferences, FetchLimits{});
    faults += unnamedControls(&site);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void AccessibleNamesTest::everyWindowNamesItsControlsAndSpeaksItsHints() {
    checkEveryWindow();
}

// Names and descriptions come from the texts as shown, so an English window must name every
// control as well: a name set from an untranslated text, or a hint lost on the way, shows here.
void AccessibleNamesTest::everyWindowDoesSoInEnglishToo() {
    w_.reset();
    QVERIFY(useLanguage(Language::English));
    w_ = std::make_unique<StartedWindow>();
    w_->start();
    w_->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w_->window()));
    QCOMPARE(w_->find<QWidget>(QStringLiteral("PageControl1"))->accessibleName(), QStringLiteral("Pages"));
    checkEveryWindow();
}

// A field beside its caption is called by the caption as it reads now, so that a caption
// shown in another language names its field too.
void AccessibleNamesTest::namesFollowTheVisibleLabels() {
    const auto name = [this](const char* control) {
        return QAccessible::queryAccessibleInterface(w_->find<QWidget>(QLatin1String(control)))
            ->text(QAccessible::Name);
    };
    const std::pair<const char*, const char*> labelled[] = {
        {"AbsoluteLabel2", "AbsoluteSE2"}, {"Label38", "VS_CBox2"}, {"LabelS3", "EditU9"}};
    for (const auto& [label, control] : labelled) {
        w_->find<QLabel>(QLatin1String(label))->setText(QStringLiteral("Caption"));
        if (qobject_cast<QComboBox*>(w_->find<QWidget>(QLatin1String(control))))
            continue; // a combo box reads its choice; the caption is its label relation
        QCOMPARE(name(control), QStringLiteral("Caption"));
    }
}

QTEST_MAIN(AccessibleNamesTest)
#include "test_accessible_names.moc"

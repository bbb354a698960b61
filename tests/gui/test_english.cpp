// The window in English: every text of its own translated, none cut off at 1x or 2x, Qt's
// dialogs alike, and what players exchange byte for byte as in Japanese.
#include "app/bound_page.h"
#include "app/developer_pages.h"
#include "app/fonts.h"
#include "app/language.h"
#include "app/preferences.h"
#include "app/spin_edit.h"
#include "app/ui_text.h"
#include "gui_test_support.h"
#include "store/random_source.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QtTest>
#include <fstream>

using namespace tavu;
using namespace tavu::test;

namespace {

bool hasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3040 && u <= 0x30ff) || (u >= 0x4e00 && u <= 0x9fff))
            return true;
    }
    return false;
}

// What a control draws: mnemonics gone, rich text as plain.
QString drawnText(QString text) {
    if (Qt::mightBeRichText(text))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    return text.replace(QStringLiteral("&&"), QStringLiteral("\1"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\1'), QLatin1Char('&'));
}

// The room a button-like control gives its text, as its style lays it out.
int textRoom(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    option.text = button.text();
    QStyle::SubElement room = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button))
        room = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(&button))
        room = QStyle::SE_RadioButtonContents;
    return button.style()->subElementRect(room, &option, &button).width();
}

// Every text of `page` wider than the room its control gives it: "name 'text' needs N, has M".
QStringList cutOffTexts(const QWidget& page) {
    QStringList faults;
    auto check = [&](const QWidget& w, const QString& shown, int room) {
        for (const QString& line : drawnText(shown).split(QLatin1Char('\n'))) {
            const QStringList pieces =
                w.property("wordWrap").toBool() ? line.split(QLatin1Char(' ')) : QStringList{line};
            for (const QString& piece : pieces) {
                const int needed = w.fontMetrics().horizontalAdvance(piece);
                if (needed > room)
                    faults << QStringLiteral("%1 '%2' needs %3, has %4")
                                  .arg(w.objectName(), piece)
                                  .arg(needed)
                                  .arg(room);
            }
        }
    };
    for (const QLabel* label : page.findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty())
            check(*label, label->text(), label->contentsRect().width() - 2 * label->margin());
    for (const QAbstractButton* button : page.findChildren<QAbstractButton*>())
        if (button->isVisible() && !button->text().isEmpty() &&
            !qobject_cast<const QTabBar*>(button->parent()))
            check(*button, button->text(), textRoom(*button));
    return faults;
}

std::string fileBytes(const QString& file) {
    std::ifstream in(file.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

class EnglishTest : public QObject {
    Q_OBJECT
private slots:
    // The program's own font, as main() sets it: widths are measured in it.
    void initTestCase() {
        installFontSubstitutes();
        QApplication::setFont(proportionalFont(12));
    }
    void cleanup() { useLanguage(Language::Japanese); }
    void languageFollowsTheLocaleUnlessChosen();
    void windowTextsAreEnglish();
    void textsFitTheirControlsOnEveryPage();
    void qtDialogsSpeakTheWindowsLanguage();
    void resultFilesAreTheSameInEitherLanguage();
    void choiceIsKeptAndToldInTheChosenLanguage();
    void helpOpensTheManualOfTheLanguage();
    void coreMessagesAreTranslatedLineByLine();
};

void EnglishTest::languageFollowsTheLocaleUnlessChosen() {
    const QLocale japan(QLocale::Japanese, QLocale::Japan);
    const QLocale others[] = {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::French),
                              QLocale::c()};
    QCOMPARE(shownLanguage(Language::System, japan), Language::Japanese);
    for (const QLocale& other : others) {
        QCOMPARE(shownLanguage(Language::System, other), Language::English);
        QCOMPARE(shownLanguage(Language::Japanese, other), Language::Japanese);
    }
    QCOMPARE(shownLanguage(Language::English, japan), Language::English);
    for (Language l : {Language::System, Language::Japanese, Language::English})
        QCOMPARE(languageFromKey(keyOf(l)), l);
    // A key written by a later version, or by hand, falls back to the system's language.
    QCOMPARE(languageFromKey(QStringLiteral("fr")), Language::System);
}

// No text of the window's own is left in Japanese: controls, tabs, menus, status tips and the
// hints of every page's bindings.
void EnglishTest::windowTextsAreEnglish() {
    QVERIFY(useLanguage(Language::English));
    StartedWindow w;
    w.start();
    QStringList japanese;
    auto look = [&](const QObject* o, const QString& text) {
        if (hasJapanese(text))
            japanese << o->objectName() + QStringLiteral(": ") + text;
    };
    for (const QLabel* l : w.window().findChildren<QLabel*>())
        look(l, l->text());
    for (const QAbstractButton* b : w.window().findChildren<QAbstractButton*>())
        look(b, b->text());
    for (const QGroupBox* g : w.window().findChildren<QGroupBox*>())
        look(g, g->title());
    for (const QTabWidget* t : w.window().findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            look(t, t->tabText(i));
    for (const QComboBox* c : w.window().findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i)
            look(c, c->itemText(i));
    // The language menu names each language in itself.
    const auto* languages = w.find<QMenu>(QStringLiteral("mnuLanguage"));
    QVERIFY(languages);
    for (const QAction* a : w.window().findChildren<QAction*>()) {
        if (a == languages->menuAction() || languages->actions().contains(a))
            continue;
        look(a, a->text());
        look(a, a->statusTip());
    }
    for (const BoundPage* page : w.window().findChildren<BoundPage*>())
        for (const Binding& row : page->bindings().rows()) {
            look(page, row.hint);
            look(page, row.moveText);
        }
    // The draws' warning comes from the core and is translated as the window shows it.
    look(&w.window(), w.window().context().drawWarningText());
    QVERIFY2(japanese.isEmpty(), qPrintable(japanese.join(QLatin1Char('\n'))));
}

// Run at 1x and, by a second test entry, at QT_SCALE_FACTOR=2.
void EnglishTest::textsFitTheirControlsOnEveryPage() {
    QVERIFY(useLanguage(Language::English));
    StartedWindow w;
    w.start();
    w.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window()));
    auto* pages = w.find<QTabWidget>(QStringLiteral("PageControl1"));
    QVERIFY(pages);
    QStringList faults;
    for (int tab = 0; tab < pages->count(); ++tab) {
        pages->setCurrentIndex(tab);
        auto* inner = pages->currentWidget()->findChild<QTabWidget*>();
        for (int sub = 0; sub < (inner ? inner->count() : 1); ++sub) {
            if (inner)
                inner->setCurrentIndex(sub);
            QApplication::processEvents();
            faults << cutOffTexts(inner ? *inner->currentWidget() : *pages->currentWidget());
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void EnglishTest::qtDialogsSpeakTheWindowsLanguage() {
    QVERIFY(useLanguage(Language::English));
    {
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(drawnText(box.button(QMessageBox::Yes)->text()), QStringLiteral("Yes"));
    }
    if (!useLanguage(Language::Japanese))
        QSKIP("Qt's Japanese translation is not installed");
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    QVERIFY(hasJapanese(box.button(QMessageBox::Yes)->text()));
}

// The same draws from the same seed write the same bytes, whichever language the window shows:
// a list draw and the whole book, with footer and code line.
void EnglishTest::resultFilesAreTheSameInEitherLanguage() {
    std::string files[2][2];
    int n = 0;
    for (Language language : {Language::Japanese, Language::English}) {
        useLanguage(language);
        StartedWindow w;
        w.start();
        const QString out = QString::fromStdString(w.systemDir().parent_path().string());
        w.dialogs.fileNames << out + QStringLiteral("/items.txt") << out + QStringLiteral("/book.txt");
        processRandom().setSeed(45296789);
        w.find<QCheckBox>(QStringLiteral("ICB5B"))->setChecked(true);
        w.find<SpinEdit>(QStringLiteral("ISE4B"))->setValue(12);
        w.find<QPushButton>(QStringLiteral("BRandom4"))->click();
        w.find<QCheckBox>(QStringLiteral("AbsoluteCB2"))->setChecked(true);
        w.find<QPushButton>(QStringLiteral("BRandomAbsolute"))->click();
        files[n][0] = fileBytes(out + QStringLiteral("/items.txt"));
        files[n][1] = fileBytes(out + QStringLiteral("/book.txt"));
        ++n;
    }
    for (int f = 0; f < 2; ++f) {
        QVERIFY(files[0][f].size() > 100);
        QVERIFY(files[0][f] == files[1][f]);
    }
}

void EnglishTest::choiceIsKeptAndToldInTheChosenLanguage() {
    QTemporaryDir home;
    Preferences preferences(home.filePath(QStringLiteral("tavu.conf")).toStdString());
    useLanguage(Language::Japanese);
    StartedWindow w;
    w.start();
    w.window().usePreferences(preferences);
    w.find<QAction>(QStringLiteral("mnuLanguageEnglish"))->trigger();
    QCOMPARE(preferences.language(), QStringLiteral("en"));
    QCOMPARE(w.dialogs.calls.size(), 1);
    const QString told = w.dialogs.calls[0].text;
    QVERIFY2(!told.isEmpty() && !hasJapanese(told), qPrintable(told));
    // Back to the language shown now: kept, and nothing to restart for.
    w.find<QAction>(QStringLiteral("mnuLanguageJapanese"))->trigger();
    QCOMPARE(preferences.language(), QStringLiteral("ja"));
    QCOMPARE(w.dialogs.calls.size(), 1);
}

void EnglishTest::helpOpensTheManualOfTheLanguage() {
    useLanguage(Language::English);
    const QString english = helpContentsFile();
    useLanguage(Language::Japanese);
    const QString japanese = helpContentsFile();
    QVERIFY2(QFileInfo(english).fileName() == QStringLiteral("index_en.html") && QFileInfo::exists(english),
             qPrintable(english));
    QCOMPARE(QFileInfo(japanese).fileName(), QStringLiteral("index.html"));
    QCOMPARE(QFileInfo(english).dir(), QFileInfo(japanese).dir());
}

// A message of the core joins its lines with CR LF: each known line is translated, the line
// ends are kept, and a line with a variable part (a path, a version) is shown as it came.
void EnglishTest::coreMessagesAreTranslatedLineByLine() {
    QVERIFY(useLanguage(Language::English));
    const QString variable = QStringLiteral("データのバージョン: 3");
    const QString shown = coreText("ダウンロードに失敗しました\r\nインターネット接続をご確認下さい\r\n\r\n" +
                                   variable.toStdString());
    const QStringList lines = shown.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);
    QVERIFY2(!hasJapanese(lines[0]) && !hasJapanese(lines[1]) && !lines[0].isEmpty(), qPrintable(shown));
    QCOMPARE(lines[2], QString());
    QCOMPARE(lines[3], variable);
    // In Japanese nothing changes.
    useLanguage(Language::Japanese);
    QCOMPARE(coreText(variable.toStdString()), variable);
}

QTEST_MAIN(EnglishTest)
#include "test_english.moc"

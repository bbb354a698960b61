// Qt's own buttons and dialogs speak Japanese once the program has installed Qt's translation.
#include "app/qt_translation.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace tavu;

namespace {

QStringList buttonTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&dialog) && !button->text().isEmpty())
            texts << button->text();
    return texts;
}

// Text a Japanese reader can read: some of it outside ASCII, and not Qt's English.
bool looksJapanese(const QString& text, const QString& english) {
    if (text == english)
        return false;
    for (const QChar c : text)
        if (c.unicode() >= 0x3000)
            return true;
    return false;
}

} // namespace

class QtJapaneseTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void messageBoxButtonsAreJapanese();
    void saveDialogButtonsAreJapanese();
    void editContextMenuIsJapanese();
};

void QtJapaneseTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QVERIFY2(installQtJapanese(*QCoreApplication::instance()),
             "Qt's Japanese translation is not installed (qt6-translations-l10n)");
}

void QtJapaneseTest::messageBoxButtonsAreJapanese() {
    QMessageBox yesNo(QMessageBox::Warning, QStringLiteral("TAVU"), QStringLiteral("よろしいですか"),
                      QMessageBox::Yes | QMessageBox::No);
    QVERIFY(looksJapanese(yesNo.button(QMessageBox::Yes)->text(), QStringLiteral("&Yes")));
    QVERIFY(looksJapanese(yesNo.button(QMessageBox::No)->text(), QStringLiteral("&No")));
    QMessageBox okCancel(QMessageBox::Warning, QStringLiteral("TAVU"), QStringLiteral("保存しますか"),
                         QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY(looksJapanese(okCancel.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel")));
}

void QtJapaneseTest::saveDialogButtonsAreJapanese() {
    // Qt's own dialog, as on a desktop without a platform dialog (and as the tests see it).
    QFileDialog dialog(nullptr, QStringLiteral("TAVU ファイルの保存"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto* box = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(box);
    const QStringList texts = buttonTexts(*box);
    QCOMPARE(texts.size(), 2);
    QVERIFY2(looksJapanese(box->button(QDialogButtonBox::Save)->text(), QStringLiteral("&Save")),
             qPrintable(texts.join(u'|')));
    QVERIFY2(looksJapanese(box->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel")),
             qPrintable(texts.join(u'|')));
    // The labels beside the name and type boxes too.
    const auto labels = dialog.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return looksJapanese(label->text(), QStringLiteral("File &name:"));
    }));
}

void QtJapaneseTest::editContextMenuIsJapanese() {
    QLineEdit edit(QStringLiteral("TAVU"));
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    QVERIFY(!texts.isEmpty());
    for (const QString& text : texts)
        QVERIFY2(looksJapanese(text, {}), qPrintable(text));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtJapaneseTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_qt_japanese.moc"

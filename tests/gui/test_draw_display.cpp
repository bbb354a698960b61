// What a draw leaves on screen as the player sees it: every list from its first line, a drawn
// count that can be read in its greyed field, and an About window that shows its whole text.
#include "app/about_form.h"
#include "app/result_box.h"
#include "app/spin_edit.h"
#include "gui_test_support.h"

#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <cmath>

using namespace tavu;
using namespace tavu::test;

namespace {

// Relative luminance and contrast ratio as the web accessibility guidelines define them.
double luminance(QRgb rgb) {
    auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of text with its field as painted: the field is the colour most pixels have,
// the text the pixel that stands out from it most (the core of a glyph, not its soft edge).
double paintedTextContrast(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb field = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            std::tie(field, most) = std::pair(it.key(), it.value());
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(field, it.key()));
    return best;
}

} // namespace

class DrawDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyListShowsItsFirstLineAfterADraw_data();
    void everyListShowsItsFirstLineAfterADraw();
    void drawnCountIsReadableInItsGreyedField_data();
    void drawnCountIsReadableInItsGreyedField();
    void aboutShowsEveryTextWhole();

private:
    std::unique_ptr<StartedWindow> w_;
};

void DrawDisplayTest::init() {
    w_ = std::make_unique<StartedWindow>();
    w_->start();
    w_->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w_->window()));
}

void DrawDisplayTest::cleanup() {
    w_.reset();
}

void DrawDisplayTest::everyListShowsItsFirstLineAfterADraw_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("ok");
    QTest::newRow("creatures") << "CRE"
                               << "CSE4B"
                               << "BRandom2";
    QTest::newRow("items") << "ItemRE"
                           << "ISE4B"
                           << "BRandom4";
    QTest::newRow("spells") << "SpellRE"
                            << "SSE1B"
                            << "BRandom6";
    QTest::newRow("complete book") << "AbsoluteRE" << QString() << "BRandomAbsolute";
}

void DrawDisplayTest::everyListShowsItsFirstLineAfterADraw() {
    QFETCH(QString, list);
    QFETCH(QString, count);
    QFETCH(QString, ok);
    auto* box = w_->find<ResultBox>(list);
    bringIntoView(box);
    if (!count.isEmpty())
        w_->find<SpinEdit>(count)->setValue(50);
    auto* button = w_->find<QPushButton>(ok);
    // The second draw starts from a list the player scrolled to its far end.
    for (int draw = 0; draw < 2; ++draw) {
        button->click();
        QCoreApplication::processEvents();
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QCOMPARE(box->horizontalScrollBar()->value(), 0);
        QCOMPARE(box->cursorForPosition({0, 0}).blockNumber(), 0);
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        box->horizontalScrollBar()->setValue(box->horizontalScrollBar()->maximum());
    }
    QVERIFY(w_->dialogs.calls.isEmpty());
}

void DrawDisplayTest::drawnCountIsReadableInItsGreyedField_data() {
    QTest::addColumn<QString>("spin");
    QTest::addColumn<QString>("random");
    QTest::addColumn<QString>("ok");
    QTest::newRow("creatures") << "CSE4B"
                               << "CCB1B"
                               << "BRandom2";
    QTest::newRow("items") << "ISE4B"
                           << "ICB4B"
                           << "BRandom4";
    QTest::newRow("spells") << "SSE1B"
                            << "SCB1B"
                            << "BRandom6";
}

void DrawDisplayTest::drawnCountIsReadableInItsGreyedField() {
    QFETCH(QString, spin);
    QFETCH(QString, random);
    QFETCH(QString, ok);
    auto* count = w_->find<SpinEdit>(spin);
    bringIntoView(count);
    auto* field = count->findChild<QLineEdit*>();
    const double enabledContrast = paintedTextContrast(field);
    w_->find<QCheckBox>(random)->setChecked(true);
    w_->find<QPushButton>(ok)->click();
    QCoreApplication::processEvents();
    QVERIFY(!count->isEnabled());
    QVERIFY(!field->text().isEmpty());
    QVERIFY2(paintedTextContrast(field) >= 4.5, qPrintable(QString::number(paintedTextContrast(field))));
    // The field still looks unlike one the player can type in.
    QVERIFY(paintedTextContrast(field) < enabledContrast);
}

// At any scale (the test also runs with QT_SCALE_FACTOR=2) each label's text fits the label,
// and each label lies inside the window.
void DrawDisplayTest::aboutShowsEveryTextWhole() {
    TFormAbout* about = w_->window().aboutForm();
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    for (QLabel* label : {about->L1, about->L2, about->L3, about->L4}) {
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(textWidth <= label->contentsRect().width(), qPrintable(label->text()));
        QVERIFY2(about->rect().contains(label->geometry()), qPrintable(label->text()));
    }
    about->hide();
}

QTEST_MAIN(DrawDisplayTest)
#include "test_draw_display.moc"

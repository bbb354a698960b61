// Text as painted on every page, in each control, live and greyed: 4.5:1 against the
// background right around it, measured from the pixels.
#include "app/bound_page.h"
#include "gui_test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

namespace {

// Takes a control's text away and gives it back.
struct TextSwitch {
    std::function<void()> clear;
    std::function<void()> restore;
};

// Labels, buttons, boxes and fields carry text; anything else is skipped. An empty field
// is given a line to show.
std::optional<TextSwitch> textSwitchOf(QWidget* w) {
    const QString sample = QStringLiteral("抽出 Abc 123");
    if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        auto* edit = spin->findChild<QLineEdit*>();
        const QString text = edit->text();
        return TextSwitch{[edit] { edit->setText({}); },
                          [edit, text] {
                              edit->setText(text);
                          }};
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int at = combo->currentIndex();
        const QString text = combo->itemText(at);
        return TextSwitch{[combo, at] { combo->setItemText(at, {}); },
                          [combo, at, text] {
                              combo->setItemText(at, text);
                          }};
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        const QString text = group->title();
        return text.trimmed().isEmpty() ? std::nullopt
                                        : std::optional(TextSwitch{[group] { group->setTitle({}); },
                                                                   [group, text] {
                                                                       group->setTitle(text);
                                                                   }});
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (qobject_cast<QSpinBox*>(w->parentWidget()))
            return std::nullopt;
        const QString text = edit->text();
        return TextSwitch{[edit] { edit->setText({}); },
                          [edit, text, sample] {
                              edit->setText(text.isEmpty() ? sample : text);
                          }};
    }
    if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w))
        return std::nullopt;
    const QString text = w->property("text").toString();
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return TextSwitch{[w] { w->setProperty("text", QString()); },
                      [w, text] {
                          w->setProperty("text", text);
                      }};
}

// The contrast of the text as painted: the pixels that go when the text goes are the text;
// the background is the colour most of the other pixels around them have.
double paintedTextContrast(QWidget* w, const TextSwitch& text) {
    text.restore();
    const QImage with = w->grab().toImage();
    text.clear();
    const QImage without = w->grab().toImage();
    text.restore();
    QRect area;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                area |= QRect(x, y, 1, 1);
    if (area.isEmpty())
        return 0.0;
    QHash<QRgb, int> counts;
    const QRect around = area.adjusted(-2, -2, 2, 2) & with.rect();
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (with.pixel(x, y) == without.pixel(x, y))
                ++counts[with.pixel(x, y)];
    QRgb background = without.pixel(area.topLeft());
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            std::tie(background, most) = std::pair(it.key(), it.value());
    double best = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                best = std::max(best, contrastRatio(QColor(with.pixel(x, y)), QColor(background)));
    return best;
}

} // namespace

class ReadableColoursTest : public QObject {
    Q_OBJECT
private slots:
    void everyTextReadsLiveAndGreyed();
};

void ReadableColoursTest::everyTextReadsLiveAndGreyed() {
    StartedWindow w;
    w.start();
    w.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window()));
    QStringList faults;
    int measured = 0;
    for (BoundPage* page : w.window().pages()) {
        bringIntoView(page);
        for (QWidget* control : page->findChildren<QWidget*>()) {
            const auto text = textSwitchOf(control);
            if (!text || !control->isVisible())
                continue;
            const bool wasEnabled = control->isEnabled();
            for (bool enabled : {true, false}) {
                control->setEnabled(enabled);
                const double ratio = paintedTextContrast(control, *text);
                ++measured;
                if (ratio < 4.5)
                    faults << QStringLiteral("%1 %2: %3")
                                  .arg(control->objectName(), enabled ? "live" : "greyed")
                                  .arg(ratio, 0, 'f', 2);
            }
            control->setEnabled(wasEnabled);
        }
    }
    QVERIFY(measured > 200);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(ReadableColoursTest)
#include "test_readable_colours.moc"

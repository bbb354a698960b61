#include "readable_palette.h"

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace tavu {

namespace {

// Above the 4.5:1 that text needs: the thin strokes of small glyphs are painted a little
// lighter than their colour, and greyed captions are often a single character.
constexpr double ReadableText = 5.5;

double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double worstContrast(const QColor& text, const QList<QColor>& backgrounds) {
    double worst = 21.0;
    for (const QColor& background : backgrounds)
        worst = std::min(worst, contrast(text, background));
    return worst;
}

// Moves `text` towards black (or white on dark backgrounds) in small steps, keeping its hue,
// until it reads against all of `backgrounds`.
QColor readableOn(QColor text, const QList<QColor>& backgrounds) {
    if (worstContrast(text, backgrounds) >= ReadableText)
        return text;
    double darkest = 1.0;
    for (const QColor& background : backgrounds)
        darkest = std::min(darkest, luminance(background));
    const bool lighten = darkest < 0.18;
    text.setAlpha(255);
    for (int step = 0; step < 100 && worstContrast(text, backgrounds) < ReadableText; ++step) {
        const int v = text.value();
        text = lighten ? text.lighter(106) : text.darker(106);
        if (text.value() == v) // black or white already
            break;
    }
    return text;
}

} // namespace

QPalette withReadableGreyedText(QPalette palette) {
    const auto colour = [&palette](QPalette::ColorGroup group, QPalette::ColorRole role) {
        return palette.color(group, role);
    };
    // Greyed text stands on greyed and on live backgrounds alike (a greyed check box on its page).
    QList<QColor> backgrounds;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            backgrounds << colour(group, role);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, readableOn(colour(QPalette::Disabled, role), backgrounds));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        // The placeholder is usually the text colour half transparent; make it solid first.
        QColor placeholder = colour(group, QPalette::PlaceholderText);
        const QColor base = colour(group, QPalette::Base);
        const double a = placeholder.alphaF();
        placeholder = QColor::fromRgbF(placeholder.redF() * a + base.redF() * (1 - a),
                                       placeholder.greenF() * a + base.greenF() * (1 - a),
                                       placeholder.blueF() * a + base.blueF() * (1 - a));
        palette.setColor(group, QPalette::PlaceholderText, readableOn(placeholder, {base}));
    }
    return palette;
}

void useReadableGreyedText() {
    QApplication::setPalette(withReadableGreyedText(QApplication::palette()));
}

} // namespace tavu

#include "about_form.h"

#include <QFrame>
#include <QLabel>

namespace tavu {

namespace {

constexpr int Width = 200;
constexpr int Height = 105;

QFont arial(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    return font;
}

const QColor TitleColour(245, 245, 239);
const QColor TextColour(50, 50, 52);

// Fixed rectangles rather than adjustSize(): measuring the text would load the font for a
// window that may never be opened.
QLabel* placeLabel(QWidget* parent, const QString& name, const QString& text, QRect rect, int pixelSize,
                   const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(arial(pixelSize));
    label->setGeometry(rect);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

void addLine(QWidget* parent, const QString& name, QRect rect) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setGeometry(rect);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Qt::white);
    line->setPalette(palette);
}

} // namespace

TFormAbout::TFormAbout(const QString& versionText, const QString& notice, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FormAbout"));
    setFixedSize(Width, Height);
    QPalette sky = palette();
    sky.setColor(QPalette::Window, QColor(166, 202, 240));
    setPalette(sky);
    setAutoFillBackground(true);
    setFont(arial(12));
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel"));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setGeometry(0, 0, Width, Height);
    L1 = placeLabel(this, QStringLiteral("L1"), QStringLiteral("TAVU for DS"), {20, 12, 176, 30}, 24,
                    TitleColour);
    L3 = placeLabel(this, QStringLiteral("L3"), notice, {14, 68, 184, 16}, 12, TextColour);
    // Wider than the room right of the version line: set flush right, clear of the border.
    L4 = placeLabel(this, QStringLiteral("L4"), QStringLiteral("Produced by TAVU Project"), {14, 84, 180, 16},
                    12, TextColour);
    L4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    L2 = placeLabel(this, QStringLiteral("L2"), versionText, {108, 41, 90, 18}, 13, TitleColour);
    auto* frontImage = new QWidget(this);
    frontImage->setObjectName(QStringLiteral("FrontImage"));
    frontImage->setGeometry(0, 0, Width, Height);
    frontImage->setCursor(Qt::PointingHandCursor);
    addLine(this, QStringLiteral("Panel1"), {6, 50, 90, 1});
    addLine(this, QStringLiteral("Panel2"), {6, 1, 1, 50});
    addLine(this, QStringLiteral("Panel3"), {176, 27, 24, 1});
}

void TFormAbout::mouseReleaseEvent(QMouseEvent*) {
    accept();
}

} // namespace tavu

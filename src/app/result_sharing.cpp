#include "result_sharing.h"

#include "code/result_check.h"
#include "dialogs.h"
#include "fonts.h"
#include "store/sjis_text.h"
#include "ui_text.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace tavu {

namespace {

constexpr int Margin = 28;
constexpr int LinePixels = 20;
constexpr int FooterPixels = 15;
// Narrower results keep a width a chat still shows as a picture rather than a sliver.
constexpr int MinWidth = 480;

QString codeLineText(const QString& code) {
    return QString::fromStdString(sjis::toUtf8(code::codeLine(code.toStdString())));
}

QStringList footerLines(const SharedResult& result) {
    QStringList footer;
    if (!result.code.isEmpty())
        footer << codeLineText(result.code);
    if (result.time.isValid())
        footer << Ui::tr("抽出日時: %1")
                      .arg(result.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    footer << QStringLiteral("TAVU");
    return footer;
}

// Named after the moment of the draw, so a second picture does not offer to replace the first.
QString pictureName(const SharedResult& result) {
    const QDateTime time = result.time.isValid() ? result.time : QDateTime::currentDateTimeUtc();
    return QStringLiteral("tavu-%1.png").arg(time.toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

} // namespace

QString sharedText(const SharedResult& result) {
    QStringList text = result.lines;
    if (!result.code.isEmpty())
        text << codeLineText(result.code);
    return text.join(QLatin1Char('\n'));
}

QImage sharedPicture(const SharedResult& result) {
    const QFont body = fixedFont(LinePixels);
    const QFont small = proportionalFont(FooterPixels);
    const QFontMetrics bodyMetrics(body);
    const QFontMetrics smallMetrics(small);
    const QStringList footer = footerLines(result);
    int widest = 0;
    for (const QString& line : result.lines)
        widest = std::max(widest, bodyMetrics.horizontalAdvance(line));
    for (const QString& line : footer)
        widest = std::max(widest, smallMetrics.horizontalAdvance(line));
    const int width = std::clamp(widest + 2 * Margin, MinWidth, SharedPictureMaxWidth);
    const int textWidth = width - 2 * Margin;
    const int bodyHeight = static_cast<int>(result.lines.size()) * bodyMetrics.lineSpacing();
    const int footerHeight = static_cast<int>(footer.size()) * smallMetrics.lineSpacing();
    const int height = Margin + bodyHeight + Margin / 2 + 1 + Margin / 2 + footerHeight + Margin;

    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(252, 252, 248));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(24, 24, 28));
    painter.setFont(body);
    int y = Margin + bodyMetrics.ascent();
    for (const QString& line : result.lines) {
        painter.drawText(Margin, y, bodyMetrics.elidedText(line, Qt::ElideRight, textWidth));
        y += bodyMetrics.lineSpacing();
    }
    y = Margin + bodyHeight + Margin / 2;
    painter.setPen(QColor(200, 200, 196));
    painter.drawLine(Margin, y, width - Margin, y);
    painter.setPen(QColor(84, 84, 92));
    painter.setFont(small);
    y += Margin / 2 + smallMetrics.ascent();
    for (const QString& line : footer) {
        painter.drawText(Margin, y, smallMetrics.elidedText(line, Qt::ElideRight, textWidth));
        y += smallMetrics.lineSpacing();
    }
    return picture;
}

QString savePicture(const SharedResult& result, Dialogs& dialogs, const QString& folder) {
    const QString name =
        dialogs.saveFileName({Ui::tr("画像として保存"), Ui::tr("PNG 画像(*.png);;全てのファイル(*.*)"),
                              QStringLiteral("png"), pictureName(result), folder});
    if (name.isEmpty())
        return {};
    if (!sharedPicture(result).save(name, "PNG")) {
        dialogs.error(Ui::tr("画像を保存できませんでした:\n%1").arg(QDir::toNativeSeparators(name)));
        return {};
    }
    return name;
}

} // namespace tavu

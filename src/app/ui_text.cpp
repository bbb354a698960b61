#include "ui_text.h"

#include <QStringList>

namespace tavu {

QString translated(const QString& source) {
    if (source.isEmpty())
        return source;
    const QString whole = Ui::tr(source.toUtf8().constData());
    if (whole != source || !source.contains(QLatin1Char('\n')))
        return whole;
    // A message of several lines (the core's are joined with CR LF) is translated by line.
    QStringList lines = source.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const bool cr = line.endsWith(QLatin1Char('\r'));
        if (cr)
            line.chop(1);
        if (!line.isEmpty())
            line = Ui::tr(line.toUtf8().constData());
        if (cr)
            line += QLatin1Char('\r');
    }
    return lines.join(QLatin1Char('\n'));
}

QString coreText(const std::string& message) {
    return translated(QString::fromStdString(message));
}

} // namespace tavu

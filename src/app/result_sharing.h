#pragma once

#include <QDateTime>
#include <QImage>
#include <QStringList>

namespace tavu {

class Dialogs;

// A draw's result as a player shares it in a chat: its lines, the code that draws it again
// and when it was drawn.
struct SharedResult {
    QStringList lines;
    QString code;   // empty when the draw has none
    QDateTime time; // invalid when not known
};

// The lines, then the code line a result file ends with, so the text can be checked as one.
QString sharedText(const SharedResult& result);

// The widest picture a chat shows without scaling it down.
inline constexpr int SharedPictureMaxWidth = 1200;

// The result on a light ground with its code and local time beneath, no wider than
// SharedPictureMaxWidth: a line too long for that is cut with an ellipsis.
QImage sharedPicture(const SharedResult& result);

// Asks where to save the picture (a PNG) and writes it there; a failure is shown in the error
// box. The saved file's name, or empty when cancelled or not written.
QString savePicture(const SharedResult& result, Dialogs& dialogs, const QString& folder);

} // namespace tavu

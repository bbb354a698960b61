#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

namespace tavu {

// The window's own texts are written in Japanese and shown in the user's language. A text in
// code is translated at once with Ui::tr("…"); a text kept in a table or a constant is marked
// with QT_TRANSLATE_NOOP("tavu::Ui", "…") and translated where it is shown, with translated().
// What players exchange (result files, data names) is never passed through here.
class Ui {
    Q_DECLARE_TR_FUNCTIONS(tavu::Ui)
};

// The shown form of a text whose Japanese source is known only at run time: a table's text,
// or a message of the core, line by line. A text with no translation is shown as it is.
QString translated(const QString& source);
// The same for a message of the core, which comes as UTF-8.
QString coreText(const std::string& message);

} // namespace tavu

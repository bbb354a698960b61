#include "explanation_page.h"

#include "dialogs.h"
#include "result_box.h"
#include "store/sjis_text.h"
#include "store/system_files.h"

#include <QStringList>
#include <exception>

namespace tavu {

namespace {

// The pages are written on Windows: CR LF, sometimes a last line without an end.
QString pageText(const std::string& sjisBytes) {
    QString text = QString::fromUtf8(sjis::toUtf8(sjisBytes));
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

} // namespace

void loadExplanationPage(const std::filesystem::path& systemDir, int page, ResultBox& box, Dialogs& dialogs) {
    // A box that has not been shown yet would otherwise put its placeholder back on first show.
    box.setInitialText({});
    box.clear();
    try {
        box.setPlainText(pageText(readSystemFile(systemDir, explanationFileName(page))));
    } catch (const std::exception& e) {
        dialogs.error(QString::fromUtf8(e.what()));
    }
}

} // namespace tavu

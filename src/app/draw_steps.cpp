#include "draw_steps.h"

#include "dialogs.h"
#include "page_context.h"
#include "result_box.h"
#include "store/data_error.h"
#include "store/sjis_text.h"
#include "ui_text.h"

#include <QLineEdit>

namespace tavu {

QString fromSjis(const std::string& bytes) {
    return QString::fromStdString(sjis::toUtf8(bytes));
}

std::string toSjis(const QString& text) {
    return sjis::fromUtf8(text.toStdString()).value_or(std::string());
}

void showFields(const QList<QLineEdit*>& fields, const std::vector<std::string>& values) {
    for (qsizetype i = 0; i < fields.size() && static_cast<std::size_t>(i) < values.size(); ++i)
        fields[i]->setText(fromSjis(values[static_cast<std::size_t>(i)]));
}

void showLines(ResultBox* list, const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines)
        text << fromSjis(line);
    list->showResult(text.join(QLatin1Char('\n')));
}

bool showDrawEnd(PageContext& ctx, DrawEnd end) {
    switch (end) {
    case DrawEnd::Result:
        return false;
    case DrawEnd::DrawWarning:
        ctx.showDrawWarning();
        break;
    case DrawEnd::NoMatchingCard:
        ctx.dialogs().inform(coreText(std::string(NoMatchingCardText)));
        break;
    }
    return true;
}

void runUnderDrawGuard(PageContext& ctx, const std::function<void()>& draw) {
    try {
        draw();
    } catch (const std::exception&) {
        ctx.showDrawWarning();
    }
}

void runShowingErrors(PageContext& ctx, const std::function<void()>& draw) {
    try {
        draw();
    } catch (const std::exception& e) {
        ctx.dialogs().error(coreText(e.what()));
    }
}

} // namespace tavu

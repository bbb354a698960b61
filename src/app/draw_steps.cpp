#include "draw_steps.h"

#include "app_context.h"
#include "result_box.h"
#include "store/data_error.h"
#include "store/sjis_text.h"

#include <QCheckBox>
#include <QLineEdit>

namespace tavu {

std::vector<bool> tickedStates(const QList<QCheckBox*>& boxes) {
    std::vector<bool> states;
    for (const QCheckBox* box : boxes)
        states.push_back(box->isChecked());
    return states;
}

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

std::vector<std::string> sjisLines(const ResultBox* list) {
    std::vector<std::string> lines;
    for (const QString& line : list->lines())
        lines.push_back(toSjis(line));
    return lines;
}

void showDrawWarning(AppContext& ctx) {
    ctx.dialogs.warn(ctx.drawWarningText, ctx.drawWarningCaption);
}

bool showDrawEnd(AppContext& ctx, DrawEnd end) {
    switch (end) {
    case DrawEnd::Result:
        return false;
    case DrawEnd::DrawWarning:
        showDrawWarning(ctx);
        break;
    case DrawEnd::NoMatchingCard:
        ctx.dialogs.inform(QString::fromUtf8(NoMatchingCardText.data(), NoMatchingCardText.size()));
        break;
    }
    return true;
}

void runUnderDrawGuard(AppContext& ctx, const std::function<void()>& draw) {
    try {
        draw();
    } catch (const std::exception&) {
        showDrawWarning(ctx);
    }
}

void runShowingErrors(AppContext& ctx, const std::function<void()>& draw) {
    try {
        draw();
    } catch (const std::exception& e) {
        ctx.dialogs.error(QString::fromUtf8(e.what()));
    }
}

} // namespace tavu

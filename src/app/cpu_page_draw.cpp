#include "cpu_page.h"
#include "dialogs.h"
#include "draw_steps.h"
#include "match/cpu_opponents.h"
#include "page_context.h"
#include "store/sjis_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tavu {

cpu::CpuDisplay CpuPage::shownDisplay() const {
    cpu::CpuDisplay display;
    for (int i = 0; i < 4; ++i)
        display.vsEdit[static_cast<std::size_t>(i)] =
            sjis::fromUtf8(displays_[i]->text().toStdString()).value_or(std::string{});
    for (int i = 0; i < 3; ++i)
        display.allies[static_cast<std::size_t>(i)] = allyMarks_[i]->isChecked();
    return display;
}

void CpuPage::show(const cpu::CpuDisplay& display) {
    for (int i = 0; i < 4; ++i)
        displays_[i]->setText(QString::fromUtf8(sjis::toUtf8(display.vsEdit[static_cast<std::size_t>(i)])));
    for (int i = 0; i < 3; ++i)
        allyMarks_[i]->setChecked(display.allies[static_cast<std::size_t>(i)]);
}

void CpuPage::clearDisplay() {
    show(cpu::CpuDisplay{});
}

void CpuPage::ShowTendencyWarning() {
    ctx_.dialogs().warn(QString::fromUtf8(cpu::TendencyWarningText),
                        QString::fromUtf8(cpu::TendencyWarningCaption));
}

void CpuPage::showStop(const std::string& message) {
    if (message == cpu::TendencyWarningText)
        return ShowTendencyWarning();
    ctx_.dialogs().warn(QString::fromUtf8(message), QString::fromUtf8(cpu::TendencyWarningCaption));
}

void CpuPage::ButtonVSSetUpClick() {
    cpu::CpuRequest request{count_->currentIndex(), {}, allies_->currentIndex()};
    for (int i = 0; i < 5; ++i)
        request.elements[static_cast<std::size_t>(i)] = elements_[i]->isChecked();
    ctx_.drawStarts(code::cpuSpec(request));
    const auto result =
        cpu::drawCpuOpponents(ctx_.tables().opponents, request, shownDisplay(), processRandom());
    if (!result.message.empty())
        return showStop(result.message);
    show(result.display);
    if (!output_->isChecked())
        return;
    auto body = cpu::cpuFileBody(result.display, result.opponents);
    runShowingErrors(ctx_, [this, &body] {
        ctx_.writeResultFile(std::move(body), clearAfter_, [this] { clearDisplay(); });
    });
}

} // namespace tavu

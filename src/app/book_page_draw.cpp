#include "book_page.h"
#include "dialogs.h"
#include "draw/complete_book.h"
#include "draw/draw_result.h"
#include "draw_steps.h"
#include "page_context.h"
#include "result_box.h"
#include "spin_edit.h"

#include <QCheckBox>

namespace tavu {

void BookPage::BRandomAbsoluteClick() {
    result_->clear();
    const bool excludeE = options_[0]->isChecked();
    ctx_.countBookSpells(excludeE);
    const book::BookRequest request{
        {counts_[0]->value(), counts_[1]->value(), counts_[2]->value()}, excludeE, options_[3]->isChecked()};
    ctx_.drawStarts(code::bookSpec(request));
    const auto result = book::drawCompleteBook(ctx_.tables(), request, processRandom());
    if (!result.message.empty()) {
        ctx_.dialogs().warn(QString::fromUtf8(result.message), QString::fromUtf8(DrawWarningCaption));
        return;
    }
    showLines(result_, result.lines);
    if (!options_[1]->isChecked())
        return;
    auto body = book::bookFileBody(result.lines);
    runShowingErrors(ctx_, [this, &body] {
        ctx_.writeResultFile(std::move(body), options_[2], [this] { result_->clear(); });
    });
}

} // namespace tavu

#include "app_context.h"
#include "app_strings.h"
#include "book_page.h"
#include "draw/complete_book.h"
#include "draw_steps.h"
#include "result_box.h"
#include "result_file_output.h"
#include "spin_edit.h"

#include <QCheckBox>

namespace tavu {

void BookPage::BRandomAbsoluteClick() {
    result_->clear();
    const bool excludeE = options_[0]->isChecked();
    ctx_.bookSpellCount = CountBookSpells(ctx_.tables, excludeE);
    const book::BookRequest request{
        {counts_[0]->value(), counts_[1]->value(), counts_[2]->value()}, excludeE, options_[3]->isChecked()};
    const auto result = book::drawCompleteBook(ctx_.tables, request, processRandom());
    if (!result.message.empty()) {
        ctx_.dialogs.warn(QString::fromUtf8(result.message), QString::fromUtf8(text::DrawWarningCaption));
        return;
    }
    showLines(result_, result.lines);
    if (!options_[1]->isChecked())
        return;
    ctx_.outputBuffer = book::bookFileBody(result.lines);
    runShowingErrors(ctx_, [this] { WriteResultFile(ctx_, options_[2], [this] { result_->clear(); }); });
}

} // namespace tavu

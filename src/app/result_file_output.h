#pragma once

#include <functional>

class QCheckBox;

namespace tavu {

struct AppContext;

// The file-output step shared by the draws: the OutputBuffer (filled by the caller) with
// the Comment.tri footer appended, the save dialog, the write, and then the page's clear
// action when its clear-after box is enabled and ticked, also after a cancelled dialog.
// A footer or file that cannot be read or written is shown in the error box; the result
// is then kept on the page, so nothing the user has not saved is lost.
void WriteResultFile(AppContext& context, const QCheckBox* clearAfter,
                     const std::function<void()>& clearResult);

} // namespace tavu

#pragma once

#include <functional>

class QCheckBox;

namespace tavu {

struct AppContext;

// The file-output step shared by every draw: the OutputBuffer (filled by the caller) with
// the Comment.tri footer appended (a footer that cannot be read throws DataError, so each
// page's own guard decides how that failure is shown), the save dialog, the write, and
// then the page's clear action when its clear-after box is enabled and ticked, also after
// a cancelled dialog. A file that cannot be written is shown in the error box with its
// reason and the result stays on the page, so nothing the user has not saved is lost.
void WriteResultFile(AppContext& context, const QCheckBox* clearAfter,
                     const std::function<void()>& clearResult);

} // namespace tavu

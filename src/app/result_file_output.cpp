#include "result_file_output.h"

#include "app_context.h"
#include "draw/result_file.h"
#include "store/data_error.h"

#include <QCheckBox>
#include <filesystem>

namespace tavu {

void WriteResultFile(AppContext& context, const QCheckBox* clearAfter,
                     const std::function<void()>& clearResult) {
    AppendCommentFooter(context.outputBuffer, context.systemDir);
    const QString name = context.dialogs.saveFileName(context.resultFileRequest());
    if (!name.isEmpty()) {
        context.lastSaveName = name;
        try {
            saveResultBytes(std::filesystem::path(name.toStdU16String()),
                            resultFileBytes(context.outputBuffer));
        } catch (const DataError& e) {
            context.dialogs.error(QString::fromUtf8(e.what()));
            return;
        }
    }
    if (clearAfter->isEnabled() && clearAfter->isChecked())
        clearResult();
}

} // namespace tavu

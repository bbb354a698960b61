#include "result_file_output.h"

#include "app_context.h"
#include "draw/result_file.h"

#include <QCheckBox>
#include <QFile>
#include <exception>

namespace tavu {

void WriteResultFile(AppContext& context, const QCheckBox* clearAfter,
                     const std::function<void()>& clearResult) {
    try {
        AppendCommentFooter(context.outputBuffer, context.systemDir);
        const QString name = context.dialogs.saveFileName(context.resultFileRequest());
        if (!name.isEmpty()) {
            context.lastSaveName = name;
            writeResultFile(QFile::encodeName(name).toStdString(), resultFileBytes(context.outputBuffer));
        }
    } catch (const std::exception& e) {
        context.dialogs.error(QString::fromUtf8(e.what()));
        return;
    }
    if (clearAfter->isEnabled() && clearAfter->isChecked())
        clearResult();
}

} // namespace tavu

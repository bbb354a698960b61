#include "bound_page.h"

#include "app_strings.h"
#include "dialogs.h"
#include "page_context.h"
#include "ui_text.h"

#include <QtGlobal>

namespace tavu {

BoundPage::BoundPage(PageContext& context, const QString& name, std::vector<Binding> rows)
    : ctx_(context)
    , bindings_(std::move(rows)) {
    setObjectName(name);
}

void BoundPage::bind(MouseMoveTexts& texts) {
    const QStringList missing = bindings_.resolve(this);
    if (!missing.isEmpty()) {
        const QByteArray names = missing.join(QStringLiteral(", ")).toUtf8();
#ifdef NDEBUG
        qCritical("%s binds controls it does not have: %s", qPrintable(objectName()), names.constData());
#else
        qFatal("%s binds controls it does not have: %s", qPrintable(objectName()), names.constData());
#endif
    }
    bindings_.attachHints(texts);
}

void BoundPage::store(const QWidget* control) {
    ctx_.storeEntries(bindings_.entries(control), SettingsSaves::Asked::ByChange);
}

void BoundPage::storeAllIfConfirmed(const QString& question, const QString& caption) {
    if (!ctx_.dialogs().question(question, caption, Dialogs::Buttons::OkCancel))
        return;
    if (ctx_.storeEntries(bindings_.entries(), SettingsSaves::Asked::ByUser))
        ctx_.dialogs().inform(Ui::tr(text::SaveDone));
}

} // namespace tavu

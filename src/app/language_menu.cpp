#include "language_menu.h"

#include "dialogs.h"
#include "language.h"
#include "page_context.h"
#include "preferences.h"
#include "ui_text.h"

#include <QActionGroup>
#include <QLocale>
#include <QMenu>

namespace tavu {

namespace {

constexpr const char* NextStart =
    QT_TRANSLATE_NOOP("tavu::Ui", "表示言語は TAVU の次回の起動から切り替わります。");
constexpr const char* NoPreferences =
    QT_TRANSLATE_NOOP("tavu::Ui", "設定を保存するフォルダがないため、表示言語を変えられません");

void choose(PageContext& ctx, Language choice) {
    Preferences* preferences = ctx.preferences();
    if (preferences == nullptr) {
        ctx.dialogs().warn(Ui::tr(NoPreferences), Ui::tr("言語"));
        return;
    }
    preferences->setLanguage(keyOf(choice));
    const Language shown = shownLanguage(choice, QLocale::system());
    if (shown != languageInUse())
        ctx.dialogs().inform(textIn(shown, NextStart));
}

} // namespace

QMenu* addLanguageMenu(QMenu& options, PageContext& ctx) {
    QMenu* menu = options.addMenu(Ui::tr("言語(&L) / Language"));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(menu);
    // Each language is named in itself, so a user who cannot read the window can find theirs.
    const struct {
        const char* name;
        QString caption;
        Language language;
    } items[] = {
        {"mnuLanguageSystem", Ui::tr("システムの設定に従う"), Language::System},
        {"mnuLanguageJapanese", QStringLiteral("日本語"), Language::Japanese},
        {"mnuLanguageEnglish", QStringLiteral("English"), Language::English},
    };
    for (const auto& item : items) {
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(QString::fromLatin1(item.name));
        action->setCheckable(true);
        action->setActionGroup(group);
        QObject::connect(action, &QAction::triggered, menu,
                         [&ctx, language = item.language] { choose(ctx, language); });
    }
    // The mark shows the choice kept now, which a second window or tavu-cli may have changed.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &ctx] {
        const Preferences* preferences = ctx.preferences();
        const Language kept = languageFromKey(preferences ? preferences->language() : QString());
        const auto actions = menu->actions();
        for (qsizetype i = 0; i < actions.size(); ++i)
            actions[i]->setChecked(static_cast<qsizetype>(kept) == i);
    });
    return menu;
}

} // namespace tavu

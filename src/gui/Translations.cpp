#include "gui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

bool install(QCoreApplication &app, const QLocale &language, const QString &name,
             const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(language, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void installTranslations(QCoreApplication &app)
{
    // QTranslator::load(QLocale) alone would skip a preferred English it has no file for
    // and fall through to the next language listed.
    for (const QString &name : QLocale().uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break;
        if (install(app, language, QStringLiteral("orvanta"), QStringLiteral(":/i18n"))) {
            install(app, language, QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
    // English, asked for or as the fallback, has a file too: the forms of the texts a number
    // decides ("%n second(s)").
    install(app, QLocale(QLocale::English), QStringLiteral("orvanta"), QStringLiteral(":/i18n"));
}

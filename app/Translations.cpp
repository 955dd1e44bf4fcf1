#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

bool install(QCoreApplication &application, const QLocale &locale, const QString &name,
             const QString &folder) {
    auto *translator = new QTranslator(&application);
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

bool hasProgramTranslation(const QLocale &locale) {
    return locale.language() == QLocale::English;
}

void installTranslations(QCoreApplication &application, const QLocale &locale) {
    // Qt's own texts are English already: nothing more to load for them.
    if (hasProgramTranslation(locale) && installEnglishTranslation(application))
        return;
    installGermanTranslations(application);
}

bool installEnglishTranslation(QCoreApplication &application) {
    return install(application, QLocale(QLocale::English), QStringLiteral("tagomat"),
                   QStringLiteral(":/i18n"));
}

bool installGermanTranslations(QCoreApplication &application) {
    return install(application, QLocale(QLocale::German, QLocale::Germany),
                   QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

#include "Translations.h"

#include "Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

namespace {

QString programFile(const QString &language) {
    return QStringLiteral(":/translations/angulor_%1.qm").arg(language);
}

} // namespace

QString chosenLanguage() {
    return Language::chosen(Language::preferred(Language::fromProcess()), [](const QString &name) {
        return QFileInfo::exists(programFile(name));
    });
}

void install(QCoreApplication &application) {
    // Those of an earlier call make way, so that the language can follow a changed desktop.
    for (QTranslator *earlier : application.findChildren<QTranslator *>(
             QStringLiteral("angulor translation"), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    const QString language = chosenLanguage();
    if (language.isEmpty())
        return;
    auto *program = new QTranslator(&application);
    program->setObjectName(QStringLiteral("angulor translation"));
    if (program->load(programFile(language)))
        QCoreApplication::installTranslator(program);
    // Qt's own texts: the OK button, the fields' context menus. Without Qt's translations
    // installed they stay English.
    auto *qt = new QTranslator(&application);
    qt->setObjectName(QStringLiteral("angulor translation"));
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

QString beforeApplication(const char *context, const char *text) {
    static QTranslator translation;
    static const bool loaded = [] {
        const QString language = chosenLanguage();
        return !language.isEmpty() && translation.load(programFile(language));
    }();
    const QString translated = loaded ? translation.translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

} // namespace Translations

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

QString ChosenLanguage() {
    return Language::Chosen(Language::Preferred(Language::FromProcess()), [](const QString &name) {
        return QFileInfo::exists(programFile(name));
    });
}

void Install(QCoreApplication &application) {
    // Those of an earlier call make way, so that the language can follow a changed desktop.
    for (QTranslator *earlier : application.findChildren<QTranslator *>(
             QStringLiteral("angulor translation"), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    const QString language = ChosenLanguage();
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

const QTranslator &ProgramTranslation() {
    static QTranslator translation;
    static const bool loaded = [] {
        const QString language = ChosenLanguage();
        return !language.isEmpty() && translation.load(programFile(language));
    }();
    Q_UNUSED(loaded);
    return translation;
}

} // namespace Translations

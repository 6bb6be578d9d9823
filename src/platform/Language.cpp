#include "Language.h"

#include <QtGlobal>

namespace Language {

namespace {

bool isCLocale(const QString &name) {
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// "de_DE.UTF-8@euro" names the language "de_DE".
QString withoutCodesetAndModifier(QString name) {
    for (const QChar mark : {QLatin1Char('@'), QLatin1Char('.')}) {
        const qsizetype at = name.indexOf(mark);
        if (at >= 0)
            name.truncate(at);
    }
    return name;
}

} // namespace

Environment FromProcess() {
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

QStringList Preferred(const Environment &environment) {
    QString locale = environment.lcAll;
    if (locale.isEmpty())
        locale = environment.lcMessages;
    if (locale.isEmpty())
        locale = environment.lang;
    if (locale.isEmpty() || isCLocale(locale))
        return {};

    const QStringList asked =
        environment.language.isEmpty()
            ? QStringList{locale}
            : environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QStringList names;
    for (const QString &entry : asked) {
        const QString name = withoutCodesetAndModifier(entry);
        const QString base = name.section(QLatin1Char('_'), 0, 0);
        if (isCLocale(name) || base == QLatin1String("en"))
            break;
        for (const QString &candidate : {name, base}) {
            if (!candidate.isEmpty() && !names.contains(candidate))
                names.append(candidate);
        }
    }
    return names;
}

} // namespace Language

#include "FontSubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>

void installFontSubstitutes() {
    // Liberation Sans and Mono share the metrics of Arial and Courier New, so captions fit
    // the twips layout; DejaVu is the fallback on systems without them.
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    const QStringList mono{QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("Lucida Sans"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), mono);
    // The program shows Unicode text, so "Symbol" only needs a font with arrows and signs.
    QFont::insertSubstitutions(QStringLiteral("Symbol"), sans);
}

QString installedFamily(const QString &requested) {
    // Asking the font matcher for a missing family makes it sort every installed font for
    // fallbacks, once per family and style: a large part of the start-up time. Naming an
    // installed family avoids that. An answer is kept only for the substitutes it was found
    // with, so one asked for before they were installed is not given again after.
    struct Answer {
        QStringList substitutes;
        QString family;
    };
    static QHash<QString, Answer> answers;
    const QStringList substitutes = QFont::substitutes(requested);
    if (const auto found = answers.constFind(requested);
        found != answers.constEnd() && found->substitutes == substitutes)
        return found->family;
    const QStringList installed = QFontDatabase::families();
    QString family = requested;
    if (!installed.contains(requested, Qt::CaseInsensitive)) {
        for (const QString &substitute : substitutes) {
            if (installed.contains(substitute, Qt::CaseInsensitive)) {
                family = substitute;
                break;
            }
        }
    }
    answers.insert(requested, {substitutes, family});
    return family;
}

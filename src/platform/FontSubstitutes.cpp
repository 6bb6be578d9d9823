#include "FontSubstitutes.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes() {
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
    QFont::insertSubstitutions(QStringLiteral("Symbol"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

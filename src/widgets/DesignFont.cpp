#include "DesignFont.h"

#include "FontSubstitutes.h"

QFont DesignFont(const QString &family, qreal points, QFont::Weight weight) {
    QFont font(InstalledFamily(family));
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

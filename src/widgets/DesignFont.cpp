#include "DesignFont.h"

#include "FontSubstitutes.h"

QFont designFont(const QString &family, qreal points, QFont::Weight weight) {
    QFont font(installedFamily(family));
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

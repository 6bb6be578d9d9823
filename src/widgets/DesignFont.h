#pragma once

#include <QFont>
#include <QString>

// A font as the windows' designs name it ("Arial", "Tahoma", …) at a size in points. The family
// is the installed one that stands for the name, so the font matcher never has to look for a
// missing family (see installedFamily).
QFont designFont(const QString &family, qreal points, QFont::Weight weight = QFont::Normal);

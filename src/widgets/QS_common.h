#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

// Colours and fonts set over every control of a window by the control's kind. Colours are
// written &H00BBGGRR.
namespace QS_common {

void SetControlsBackColor(QWidget &window, quint32 colour);
void SetControlsForeColor(QWidget &window, quint32 colour);
void SetControlsFontSize(QWidget &window, qreal points);
void SetControlsFontName(QWidget &window, const QString &name, bool includeTextBoxes,
                         bool includeButtons);

// The same properties on one control.
void setBackColor(QWidget &control, quint32 colour);
void setForeColor(QWidget &control, quint32 colour);
void setFontSize(QWidget &control, qreal points);
void setFontName(QWidget &control, const QString &name);

} // namespace QS_common

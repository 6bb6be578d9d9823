#include "QS_common.h"

#include "FontSubstitutes.h"
#include "WindowsColour.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <initializer_list>
#include <vector>

namespace {

enum class Kind { Other, Frame, Label, TextBox, Button, CheckBox, OptionButton, ComboBox };

Kind kindOf(const QWidget *widget) {
    if (qobject_cast<const QGroupBox *>(widget))
        return Kind::Frame;
    if (qobject_cast<const QLabel *>(widget))
        return Kind::Label;
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget) ||
        qobject_cast<const QTextEdit *>(widget))
        return Kind::TextBox;
    if (qobject_cast<const QPushButton *>(widget))
        return Kind::Button;
    if (qobject_cast<const QCheckBox *>(widget))
        return Kind::CheckBox;
    if (qobject_cast<const QRadioButton *>(widget))
        return Kind::OptionButton;
    if (qobject_cast<const QComboBox *>(widget))
        return Kind::ComboBox;
    return Kind::Other;
}

// Frames and plain containers hold controls of their own; the parts inside a control (the
// line edit of a combo box, the viewport of a text box) are not controls of the window.
bool holdsControls(const QWidget *widget) {
    const Kind kind = kindOf(widget);
    if (kind == Kind::Frame)
        return true;
    if (kind != Kind::Other)
        return false;
    const char *className = widget->metaObject()->className();
    return qstrcmp(className, "QWidget") == 0 || qstrcmp(className, "QFrame") == 0;
}

void collectControls(QWidget &parent, std::vector<QWidget *> &controls) {
    for (QObject *child : parent.children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow())
            continue;
        controls.push_back(widget);
        if (holdsControls(widget))
            collectControls(*widget, controls);
    }
}

template <typename Apply>
void forEachControl(QWidget &window, std::initializer_list<Kind> kinds, Apply apply) {
    std::vector<QWidget *> controls;
    collectControls(window, controls);
    for (QWidget *control : controls) {
        const Kind kind = kindOf(control);
        for (Kind wanted : kinds) {
            if (kind == wanted) {
                apply(*control);
                break;
            }
        }
    }
}

} // namespace

namespace QS_common {

void setBackColor(QWidget &control, quint32 colour) {
    QPalette palette = control.palette();
    palette.setColor(QPalette::Window, fromWindowsColour(colour));
    control.setPalette(palette);
    // Buttons of every kind fill with the Button role; the back colour is the Window one.
    control.setBackgroundRole(QPalette::Window);
    control.setAutoFillBackground(true);
}

void setForeColor(QWidget &control, quint32 colour) {
    // Greyed (disabled) controls keep the style's own text colour, so they still look greyed.
    QPalette palette = control.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, fromWindowsColour(colour));
    control.setPalette(palette);
}

void setFontSize(QWidget &control, qreal points) {
    QFont font = control.font();
    font.setPointSizeF(points);
    control.setFont(font);
}

void setFontName(QWidget &control, const QString &name) {
    QFont font = control.font();
    font.setFamilies({installedFamily(name)});
    control.setFont(font);
}

void SetControlsBackColor(QWidget &window, quint32 colour) {
    setBackColor(window, colour);
    forEachControl(window, {Kind::CheckBox, Kind::Label, Kind::Frame, Kind::OptionButton},
                   [colour](QWidget &control) { setBackColor(control, colour); });
}

void SetControlsForeColor(QWidget &window, quint32 colour) {
    forEachControl(window, {Kind::CheckBox, Kind::Label, Kind::Frame, Kind::OptionButton},
                   [colour](QWidget &control) { setForeColor(control, colour); });
}

void SetControlsFontSize(QWidget &window, qreal points) {
    forEachControl(window,
                   {Kind::Label, Kind::Button, Kind::CheckBox, Kind::TextBox, Kind::OptionButton,
                    Kind::ComboBox},
                   [points](QWidget &control) { setFontSize(control, points); });
}

void SetControlsFontName(QWidget &window, const QString &name, bool includeTextBoxes,
                         bool includeButtons) {
    const auto setName = [&name](QWidget &control) { setFontName(control, name); };
    forEachControl(window,
                   {Kind::Frame, Kind::Button, Kind::CheckBox, Kind::Label, Kind::OptionButton,
                    Kind::ComboBox},
                   setName);
    if (includeTextBoxes)
        forEachControl(window, {Kind::TextBox}, setName);
    if (includeButtons)
        forEachControl(window, {Kind::Button}, setName);
}

} // namespace QS_common

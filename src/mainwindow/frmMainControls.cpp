#include "DesignFont.h"
#include "OneLineInput.h"
#include "PointWatch.h"
#include "Twips.h"
#include "frmMain.h"
#include "frmMainLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <type_traits>

namespace {

template <typename Control>
Control *makeControl(QWidget *window, const char *name, const QString &caption = {}) {
    auto *control = new Control(window);
    control->setObjectName(QString::fromLatin1(name));
    if constexpr (std::is_base_of_v<QLabel, Control>) {
        control->setText(caption);
        control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    } else if constexpr (std::is_base_of_v<QAbstractButton, Control>) {
        control->setText(caption);
    }
    return control;
}

QLineEdit *makeField(QWidget *window, const char *name, int maxLength, const QString &spoken) {
    auto *field = makeControl<QLineEdit>(window, name);
    field->setMaxLength(maxLength);
    field->setAccessibleName(spoken);
    field->setValidator(new OneLineInput(field));
    return field;
}

QPushButton *makeButton(QWidget *window, const char *name, const QString &caption) {
    auto *button = makeControl<QPushButton>(window, name, caption);
    // Enter on a focused button presses it, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace

void frmMain::createControls() {
    setWindowTitle(tr("Radians to/from degrees,minutes,seconds",
                      "window title while the window is being built"));
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 8.25));
    const QFont courier = DesignFont(QStringLiteral("Courier New"), 8.25);

    Label1 =
        makeControl<QLabel>(this, "Label1", tr("Radians", "small label before the radians field"));
    txbRadians =
        makeField(this, "txbRadians", 13, tr("Radians", "spoken name of the radians field"));
    const char *plusMinusNames[] = {"cmdPlusMinus(0)", "cmdPlusMinus(1)", "cmdPlusMinus(2)"};
    const QString plusMinusCaptions[] = {QStringLiteral("+"), QStringLiteral("-"),
                                         QStringLiteral("->")};
    for (std::size_t index = 0; index < cmdPlusMinus.size(); ++index) {
        cmdPlusMinus[index] = makeButton(this, plusMinusNames[index], plusMinusCaptions[index]);
        cmdPlusMinus[index]->setFont(
            DesignFont(QStringLiteral("MS Sans Serif"), 8.25, QFont::Bold));
    }
    cmdPlusMinus[2]->setAccessibleName(
        tr("Move radians to value to add", "spoken name of the arrow button"));
    txbToAdd =
        makeField(this, "txbToAdd", 13, tr("Value to add or subtract", "spoken name of a field"));
    chkShowPlusMinus =
        makeControl<QCheckBox>(this, "chkShowPlusMinus", tr("Show +/- results", "small check box"));
    Label5 = makeControl<QLabel>(
        this, "Label5", tr("Significant figures:", "small label before the list of 6 to 9"));
    Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);
    cboDecimalPlaces = makeControl<QComboBox>(this, "cboDecimalPlaces");
    cboDecimalPlaces->setEditable(true);
    cboDecimalPlaces->setAccessibleName(tr("Significant figures", "spoken name of the list"));
    // The text of the box is the user's own: typing never picks or adds a list entry.
    cboDecimalPlaces->setInsertPolicy(QComboBox::NoInsert);
    cboDecimalPlaces->setCompleter(nullptr);
    disconnect(cboDecimalPlaces->lineEdit(), &QLineEdit::editingFinished, cboDecimalPlaces,
               nullptr);
    cboDecimalPlaces->setEditText(QStringLiteral("Combo1"));
    // A wheel turned on the way across the window must not change later results: the list
    // takes the wheel only once it has the focus, and the wheel does not give it the focus.
    cboDecimalPlaces->setFocusPolicy(Qt::StrongFocus);
    cboDecimalPlaces->installEventFilter(this);
    cmdRad2Deg = makeButton(this, "cmdRad2Deg", tr("Radians to degrees", "button"));
    chkRoundToMinutes = makeControl<QCheckBox>(this, "chkRoundToMinutes",
                                               tr("Round to minutes", "small check box"));
    chkDecimal =
        makeControl<QCheckBox>(this, "chkDecimal", tr("Output in decimal", "small check box"));
    optDecDegrees = makeControl<QRadioButton>(this, "optDecDegrees",
                                              tr("degrees", "small option: decimal degrees"));
    optDecMinutes = makeControl<QRadioButton>(this, "optDecMinutes",
                                              tr("minutes", "small option: decimal minutes"));
    txbOutput = makeControl<QPlainTextEdit>(this, "txbOutput");
    txbOutput->setAccessibleName(tr("Output", "spoken name of the output box"));
    txbOutput->setFont(courier);
    txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txbOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbOutput->setTabChangesFocus(true);
    outputPoints = new PointWatch(*txbOutput->document());
    lblSign = makeControl<QLabel>(this, "lblSign", QStringLiteral("-"));
    lblSign->setAlignment(Qt::AlignRight | Qt::AlignTop);
    // Its caption, "-" or nothing, is what a screen reader reads as the sign.
    lblSign->setAccessibleDescription(
        tr("Sign of the angle", "spoken description of the sign label"));
    Label2 =
        makeControl<QLabel>(this, "Label2", tr("Degrees:", "small label before the degrees field"));
    txbDegrees = makeField(this, "txbDegrees", 8, tr("Degrees", "spoken name of a field"));
    Label3 =
        makeControl<QLabel>(this, "Label3", tr("minutes:", "small label before the minutes field"));
    txbMinutes = makeField(this, "txbMinutes", 5, tr("Minutes", "spoken name of a field"));
    Label4 =
        makeControl<QLabel>(this, "Label4", tr("seconds:", "small label before the seconds field"));
    txbSeconds = makeField(this, "txbSeconds", 5, tr("Seconds", "spoken name of a field"));
    for (QWidget *control :
         std::initializer_list<QWidget *>{txbRadians, txbToAdd, Label2, Label3, Label4})
        control->setFont(courier);
    // The trailing blank is part of the designed caption.
    //: Small button; keep the trailing blank.
    const QString changeSign = tr("Change sign ", "button");
    cmdChangeSign = makeButton(this, "cmdChangeSign", changeSign);
    cmdDeg2Rad = makeButton(this, "cmdDeg2Rad", tr("Degrees to radians", "button"));
    cmdCopyToClipboard =
        makeButton(this, "cmdCopyToClipboard", tr("Copy output to clipboard", "button"));
    cmdClear[1] = makeButton(this, "cmdClear(1)", tr("Clear input", "small button"));
    cmdClear[0] = makeButton(this, "cmdClear(0)", tr("Clear output", "small button"));
    cmdHelp = makeButton(this, "cmdHelp", tr("Help", "small button"));
    cmdQuit = makeButton(this, "cmdQuit", tr("Quit", "small button"));
    lblCopyright = makeControl<ClickLabel>(this, "lblCopyright",
                                           QStringLiteral("\u00A9 Quevrin Systems Software"));
    lblCopyright->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont notice = DesignFont(QStringLiteral("MS Sans Serif"), 8.25);
    notice.setUnderline(true);
    lblCopyright->setFont(notice);
    lblCopyright->setCursor(Qt::PointingHandCursor);
    cmdQSsoftware = makeButton(this, "cmdQSsoftware", QStringLiteral("Quevrin Systems Software"));
}

void frmMain::applyLayout() {
    const double dpi = platform.screen.logicalDpi();
    setFixedSize(Twips::toPixels(frmMainLayout::clientWidth, dpi),
                 Twips::toPixels(frmMainLayout::clientHeight, dpi));

    QWidget *previous = nullptr;
    for (const frmMainLayout::Place &place : frmMainLayout::places) {
        const QString name =
            QString::fromLatin1(place.name.data(), static_cast<qsizetype>(place.name.size()));
        auto *control = findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
        if (!control)
            qFatal("The layout of frmMain names no control of it: %s", qPrintable(name));
        control->setGeometry(Twips::toPixels(place.rect, dpi));
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

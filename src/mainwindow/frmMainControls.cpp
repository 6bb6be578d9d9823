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
    setWindowTitle(QStringLiteral("Radians to/from degrees,minutes,seconds"));
    setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));
    const QFont courier = designFont(QStringLiteral("Courier New"), 8.25);

    Label1 = makeControl<QLabel>(this, "Label1", QStringLiteral("Radians"));
    txbRadians = makeField(this, "txbRadians", 13, QStringLiteral("Radians"));
    const char *plusMinusNames[] = {"cmdPlusMinus(0)", "cmdPlusMinus(1)", "cmdPlusMinus(2)"};
    const QString plusMinusCaptions[] = {QStringLiteral("+"), QStringLiteral("-"),
                                         QStringLiteral("->")};
    for (std::size_t index = 0; index < cmdPlusMinus.size(); ++index) {
        cmdPlusMinus[index] = makeButton(this, plusMinusNames[index], plusMinusCaptions[index]);
        cmdPlusMinus[index]->setFont(
            designFont(QStringLiteral("MS Sans Serif"), 8.25, QFont::Bold));
    }
    cmdPlusMinus[2]->setAccessibleName(QStringLiteral("Move radians to value to add"));
    txbToAdd = makeField(this, "txbToAdd", 13, QStringLiteral("Value to add or subtract"));
    chkShowPlusMinus =
        makeControl<QCheckBox>(this, "chkShowPlusMinus", QStringLiteral("Show +/- results"));
    Label5 = makeControl<QLabel>(this, "Label5", QStringLiteral("Significant figures:"));
    Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);
    cboDecimalPlaces = makeControl<QComboBox>(this, "cboDecimalPlaces");
    cboDecimalPlaces->setEditable(true);
    cboDecimalPlaces->setAccessibleName(QStringLiteral("Significant figures"));
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
    cmdRad2Deg = makeButton(this, "cmdRad2Deg", QStringLiteral("Radians to degrees"));
    chkRoundToMinutes =
        makeControl<QCheckBox>(this, "chkRoundToMinutes", QStringLiteral("Round to minutes"));
    chkDecimal = makeControl<QCheckBox>(this, "chkDecimal", QStringLiteral("Output in decimal"));
    optDecDegrees = makeControl<QRadioButton>(this, "optDecDegrees", QStringLiteral("degrees"));
    optDecMinutes = makeControl<QRadioButton>(this, "optDecMinutes", QStringLiteral("minutes"));
    txbOutput = makeControl<QPlainTextEdit>(this, "txbOutput");
    txbOutput->setAccessibleName(QStringLiteral("Output"));
    txbOutput->setFont(courier);
    txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txbOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbOutput->setTabChangesFocus(true);
    outputPoints = new PointWatch(*txbOutput->document());
    lblSign = makeControl<QLabel>(this, "lblSign", QStringLiteral("-"));
    lblSign->setAlignment(Qt::AlignRight | Qt::AlignTop);
    // Its caption, "-" or nothing, is what a screen reader reads as the sign.
    lblSign->setAccessibleDescription(QStringLiteral("Sign of the angle"));
    Label2 = makeControl<QLabel>(this, "Label2", QStringLiteral("Degrees:"));
    txbDegrees = makeField(this, "txbDegrees", 8, QStringLiteral("Degrees"));
    Label3 = makeControl<QLabel>(this, "Label3", QStringLiteral("minutes:"));
    txbMinutes = makeField(this, "txbMinutes", 5, QStringLiteral("Minutes"));
    Label4 = makeControl<QLabel>(this, "Label4", QStringLiteral("seconds:"));
    txbSeconds = makeField(this, "txbSeconds", 5, QStringLiteral("Seconds"));
    for (QWidget *control :
         std::initializer_list<QWidget *>{txbRadians, txbToAdd, Label2, Label3, Label4})
        control->setFont(courier);
    // The trailing blank is part of the designed caption.
    cmdChangeSign = makeButton(this, "cmdChangeSign", QStringLiteral("Change sign "));
    cmdDeg2Rad = makeButton(this, "cmdDeg2Rad", QStringLiteral("Degrees to radians"));
    cmdCopyToClipboard =
        makeButton(this, "cmdCopyToClipboard", QStringLiteral("Copy output to clipboard"));
    cmdClear[1] = makeButton(this, "cmdClear(1)", QStringLiteral("Clear input"));
    cmdClear[0] = makeButton(this, "cmdClear(0)", QStringLiteral("Clear output"));
    cmdHelp = makeButton(this, "cmdHelp", QStringLiteral("Help"));
    cmdQuit = makeButton(this, "cmdQuit", QStringLiteral("Quit"));
    lblCopyright = makeControl<ClickLabel>(this, "lblCopyright",
                                           QStringLiteral("\u00A9 Quevrin Systems Software"));
    lblCopyright->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont notice = designFont(QStringLiteral("MS Sans Serif"), 8.25);
    notice.setUnderline(true);
    lblCopyright->setFont(notice);
    lblCopyright->setCursor(Qt::PointingHandCursor);
    cmdQSsoftware = makeButton(this, "cmdQSsoftware", QStringLiteral("Quevrin Systems Software"));
}

void frmMain::applyLayout() {
    const double dpi = platform.screen.logicalDpi();
    setFixedSize(Twips::toPixels(frmMainLayout::clientWidth, dpi),
                 Twips::toPixels(frmMainLayout::clientHeight, dpi));
    DesignLayout::apply(*this, frmMainLayout::places, dpi);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == cboDecimalPlaces && event->type() == QEvent::Wheel)
        return !cboDecimalPlaces->hasFocus();
    return QWidget::eventFilter(watched, event);
}

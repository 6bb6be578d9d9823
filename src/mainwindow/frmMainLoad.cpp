#include "QS_common.h"
#include "SpecifySoftware.h"
#include "WindowPlacement.h"
#include "frmMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr quint32 Teal = 0x00808000;
constexpr quint32 White = 0x00FFFFFF;
constexpr quint32 NoticeBlue = 0x00D8AD6E;

} // namespace

void frmMain::Form_Load() {
    blnStartUpCompleted = false;
    SpecifySoftware::SetSoftwareIdentity();
    InitOptions();
    cmdQSsoftware->hide();
    SpecifySoftware::SetMainCaption(*this);
    move(WindowPlacement::StartPosition(platform.screen.availableGeometry(), size(),
                                        platform.screen.logicalDpi()));

    QS_common::SetControlsBackColor(*this, Teal);
    QS_common::SetControlsForeColor(*this, White);
    QS_common::SetControlsFontSize(*this, 10);
    QS_common::SetFontSize(*cmdChangeSign, 8);
    QS_common::SetFontSize(*lblCopyright, 8);
    QS_common::SetControlsFontName(*this, QStringLiteral("Arial"), false, true);
    QS_common::SetForeColor(*lblCopyright, NoticeBlue);
    QS_common::SetFontSize(*txbOutput, 8);
    QS_common::SetFontSize(*cmdQSsoftware, 8);
    for (QPushButton *button : cmdPlusMinus) {
        QS_common::SetFontName(*button, QStringLiteral("Courier New"));
        QS_common::SetFontSize(*button, 12);
    }
    // The arrow is the Unicode character; "Symbol" maps to a font that has it.
    QS_common::SetFontName(*cmdPlusMinus[2], QStringLiteral("Symbol"));
    cmdPlusMinus[2]->setText(QStringLiteral("\u2192"));

    show();
    cmdQSsoftware->show();
    txbRadians->setFocus();
    cboDecimalPlaces->setCurrentIndex(2);
    cboDecimalPlaces_Click();
    blnStartUpCompleted = true;
}

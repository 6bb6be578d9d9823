#include "OutputBox.h"
#include "frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

void frmMain::ClearInput() {
    for (QLineEdit *field : {txbRadians, txbToAdd, txbDegrees, txbMinutes, txbSeconds})
        field->clear();
    lblSign->clear();
}

void frmMain::cmdClear_Click(int Index) {
    if (Index == 0)
        OutputBox::Clear(*txbOutput);
    else
        ClearInput();
}

void frmMain::cmdCopyToClipboard_Click() {
    platform.clipboard.clear();
    // An empty output leaves the clipboard without text, so a paste inserts nothing.
    const QString text = OutputBox::Text(*txbOutput);
    if (!text.isEmpty())
        platform.clipboard.setText(text);
    focusAtEnd(txbRadians);
}

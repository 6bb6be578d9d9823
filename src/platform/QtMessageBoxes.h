#pragma once

#include "MessageBoxes.h"

// Modal QMessageBox with one OK button.
class QtMessageBoxes : public MessageBoxes {
public:
    void show(QWidget *parent, const QString &text, const QString &title,
              MessageIcon icon) override;
};

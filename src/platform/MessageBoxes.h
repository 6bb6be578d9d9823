#pragma once

#include "MessageIcon.h"

#include <QString>

class QWidget;

// Modal message boxes with one OK button. An empty title shows the program's title.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(QWidget *parent, const QString &text, const QString &title,
                      MessageIcon icon) = 0;
};

#pragma once

#include <QString>

class QWidget;

enum class BoxIcon { None, Information, Exclamation };

// Modal message boxes with one OK button. An empty title shows the program's title.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(QWidget *parent, const QString &text, const QString &title, BoxIcon icon) = 0;
};

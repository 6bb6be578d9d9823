#pragma once

#include "MessageBoxes.h"

#include <QList>

// Records every message box instead of showing it.
class FakeMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        MessageIcon icon;
    };
    void show(QWidget *, const QString &text, const QString &title, MessageIcon icon) override {
        shown.append({text, title, icon});
    }
    QList<Shown> shown;
};

#pragma once

#include "Clipboard.h"

class FakeClipboard : public Clipboard {
public:
    void clear() override {
        text.clear();
        hasText = false;
        ++clears;
    }
    void setText(const QString &t) override {
        text = t;
        hasText = true;
    }
    QString text;
    bool hasText = false;
    int clears = 0;
};

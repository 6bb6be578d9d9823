#pragma once

#include "Clipboard.h"

// The system clipboard, plain text only.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString &text) override;
};

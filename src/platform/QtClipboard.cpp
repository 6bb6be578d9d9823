#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const QString &text) {
    // An empty text would still leave an (empty) text entry behind; the clipboard stays
    // without text instead, so pasting afterwards inserts nothing.
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
}

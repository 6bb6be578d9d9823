#pragma once

#include "FakePlatform.h"
#include "frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// frmMain after Form_Load, shown, active and with recording fakes for every service.
struct LoadedWindow {
    FakePlatform fake;
    frmMain window{fake.platform};

    LoadedWindow() {
        window.Form_Load();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("frmMain did not become active");
    }

    template <typename Control> Control *get(const char *name) {
        auto *control = window.findChild<Control *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QLineEdit *field(const char *name) { return get<QLineEdit>(name); }
    QPushButton *button(const char *name) { return get<QPushButton>(name); }
    QString sign() { return get<QLabel>("lblSign")->text(); }
    QString output() { return get<QPlainTextEdit>("txbOutput")->toPlainText(); }
    QWidget *focus() const { return QApplication::focusWidget(); }

    // Types into a field as the user would: focus first, then the keys.
    void type(const char *name, const QString &text) {
        QLineEdit *target = field(name);
        target->setFocus();
        QTest::keyClicks(target, text);
    }
};

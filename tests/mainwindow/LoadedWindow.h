#pragma once

#include "FakePlatform.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

inline const char *const FieldNames[] = {"txbRadians", "txbToAdd", "txbDegrees", "txbMinutes",
                                         "txbSeconds"};

// frmMain after Form_Load, shown and with recording fakes for every service. A constructor
// cannot fail a test, so each test checks `active` before it relies on the window, as
// LOADED_WINDOW does.
struct LoadedWindow {
    FakePlatform fake;
    frmMain window;
    bool active = false;

    // The fake screen is set before the window is built: its constructor lays it out.
    explicit LoadedWindow(QRect screen = {0, 0, 1024, 768}, double dpi = 96)
        : window{(fake.screen.available = screen, fake.screen.dpi = dpi, fake.platform)} {
        window.Form_Load();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
    }

    template <typename Control = QWidget> Control *get(const QString &name) {
        auto *control = window.findChild<Control *>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    QLineEdit *field(const QString &name) { return get<QLineEdit>(name); }
    QPlainTextEdit *outputBox() { return get<QPlainTextEdit>("txbOutput"); }
    QString output() { return outputBox()->toPlainText(); }
    QWidget *focus() const { return QApplication::focusWidget(); }
    // Mouse clicks on the controls named, separated by blanks.
    void click(const QString &names) {
        for (const QString &name : names.split(u' '))
            QTest::mouseClick(get(name), Qt::LeftButton);
    }

    // "radians|to add|degrees|minutes|seconds|sign"
    QString fields() {
        QStringList texts;
        for (const char *name : FieldNames)
            texts << field(name)->text();
        return (texts << get<QLabel>("lblSign")->text()).join(u'|');
    }
    void setFields(const QString &joined) {
        const QStringList texts = joined.split(u'|');
        for (int i = 0; i < 5; ++i)
            field(FieldNames[i])->setText(texts[i]);
        get<QLabel>("lblSign")->setText(texts[5]);
    }
};

#define LOADED_WINDOW(w)                                                                           \
    LoadedWindow w;                                                                                \
    QVERIFY(w.active)

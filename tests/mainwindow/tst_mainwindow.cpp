#include "FontSubstitutes.h"

#include <QApplication>
#include <QTest>
#include <memory>

QObject *makeStartUpTest();
QObject *makeCommandsTest();
QObject *newTestQuit();
QObject *newTestNotice();

// The window's tests, one object per concern, run in one process.
int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    int failed = 0;
    for (auto make : {makeStartUpTest, makeCommandsTest, newTestQuit, newTestNotice})
        failed += QTest::qExec(std::unique_ptr<QObject>(make()).get(), argc, argv);
    return failed == 0 ? 0 : 1;
}

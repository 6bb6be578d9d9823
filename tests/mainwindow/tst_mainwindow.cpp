#include "FontSubstitutes.h"

#include <QApplication>
#include <QTest>
#include <memory>

QObject *makeStartUpTest();
QObject *makeCommandsTest();

// The window's tests, one object per concern, run in one process.
int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    int failed = 0;
    for (auto make : {makeStartUpTest, makeCommandsTest}) {
        std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}

#include "FontSubstitutes.h"

#include <QApplication>
#include <QTest>
#include <memory>

QObject *newTestStartUp();
QObject *newTestCommands();

// The window's tests, one Test<Thing> object per concern from its tst_<thing>.cpp, run in
// one process.
int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    int failed = 0;
    for (auto make : {newTestStartUp, newTestCommands})
        failed += QTest::qExec(std::unique_ptr<QObject>(make()).get(), argc, argv);
    return failed == 0 ? 0 : 1;
}

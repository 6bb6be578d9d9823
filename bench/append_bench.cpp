#include "FakePlatform.h"
#include "FontSubstitutes.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdio>
#include <vector>

// Appends 100 000 result lines by clicking "Radians to degrees" and compares the time of
// the first 10 000 with the last 10 000. Events (layout, painting) are processed every 100
// lines, as a user's event loop would between clicks.
int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();
    FakePlatform fake;
    frmMain window(fake.platform);
    window.Form_Load();
    auto *radians = window.findChild<QLineEdit *>(QStringLiteral("txbRadians"));
    auto *convert = window.findChild<QPushButton *>(QStringLiteral("cmdRad2Deg"));
    auto *output = window.findChild<QPlainTextEdit *>(QStringLiteral("txbOutput"));

    constexpr int Lines = 100000;
    constexpr int Slice = 10000;
    std::vector<double> sliceMs;
    QElapsedTimer timer;
    timer.start();
    for (int line = 1; line <= Lines; ++line) {
        radians->setText(QStringLiteral("1"));
        convert->click();
        if (line % 100 == 0)
            QCoreApplication::processEvents();
        if (line % Slice == 0) {
            sliceMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            timer.restart();
        }
    }
    for (std::size_t i = 0; i < sliceMs.size(); ++i)
        std::printf("lines %6zu-%6zu: %8.1f ms\n", i * Slice + 1, (i + 1) * Slice, sliceMs[i]);
    std::printf("blocks in the output box: %d\n", output->document()->blockCount());
    std::printf("last 10000 / first 10000: %.2f (target <= 1.5)\n",
                sliceMs.back() / sliceMs.front());
    return output->document()->blockCount() == Lines + 1 ? 0 : 1;
}

#include "FakePlatform.h"
#include "FontSubstitutes.h"
#include "frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// The commands of the calculator window timed against the number of lines in its output
// box, through frmMain itself: keys for the conversions as a user types them, mouse clicks
// for the buttons, and the events that follow (layout, painting) until the window is idle.
// Every figure is the median of Runs runs, in milliseconds.

namespace {

constexpr int Runs = 11;
const int Sizes[] = {0, 10, 10000, 100000};

struct Window {
    FakePlatform fake;
    frmMain window{fake.platform};

    Window() {
        window.Form_Load();
        QApplication::processEvents();
    }
    template <typename Control = QWidget> Control *get(const char *name) {
        auto *control = window.findChild<Control *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QLineEdit *field(const char *name) { return get<QLineEdit>(name); }
    QPlainTextEdit *output() { return get<QPlainTextEdit>("txbOutput"); }
    void click(const char *name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    void enterIn(const char *name) {
        field(name)->setFocus();
        QTest::keyClick(field(name), Qt::Key_Return);
    }
    void set(const char *name, const char *text) { field(name)->setText(QString::fromUtf8(text)); }

    // `lines` result lines of the three kinds, written with a point or a comma.
    void fill(int lines, bool commas) {
        static const QString kinds[] = {QStringLiteral("1.000000 radians = 57\u00B0 17' 45\"\n"),
                                        QStringLiteral("12\u00B0 30' 15\" = 0.218239 radians\n"),
                                        QStringLiteral("(1.5 + 2) mod 2pi = 3.500000\n")};
        QString text;
        text.reserve(lines * 36);
        for (int line = 0; line < lines; ++line)
            text += kinds[line % 3];
        if (commas)
            text.replace(u'.', u',');
        output()->clear();
        QTextCursor(output()->document()).insertText(text);
        QApplication::processEvents();
    }
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs `setUp` untimed, then `operation` and the events it leaves, timed.
double timed(const std::function<void()> &setUp, const std::function<void()> &operation) {
    std::vector<double> ms;
    for (int run = 0; run < Runs; ++run) {
        setUp();
        QElapsedTimer timer;
        timer.start();
        operation();
        QApplication::processEvents();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return median(ms);
}

struct Row {
    const char *name;
    std::function<double(Window &, int lines)> measure;
};

void degreesToRadians(Window &w, const char *degrees, bool negative) {
    w.set("txbDegrees", degrees);
    if (negative != (w.get<QLabel>("lblSign")->text() == u"-"))
        w.click("cmdChangeSign");
    w.enterIn("txbDegrees");
}

double commaNext(Window &w, int lines, bool negative) {
    w.fill(lines, false);
    degreesToRadians(w, "1,5", false); // replaces the points
    return timed([&] {}, [&] { degreesToRadians(w, "1,5", negative); });
}

double plusMinus(Window &w, int lines, const char *button, bool commas) {
    w.fill(lines, commas);
    if (!w.get<QCheckBox>("chkShowPlusMinus")->isChecked())
        w.click("chkShowPlusMinus");
    return timed(
        [&] {
            w.set("txbRadians", commas ? "1,5" : "1.5");
            w.set("txbToAdd", commas ? "2,25" : "2.25");
        },
        [&] { w.click(button); });
}

const Row Rows[] = {
    {"deg->rad, point, box with points",
     [](Window &w, int lines) {
         w.fill(lines, false);
         return timed([&] {}, [&] { degreesToRadians(w, "1.5", false); });
     }},
    {"deg->rad, comma, first (points to replace)",
     [](Window &w, int lines) {
         return timed([&] { w.fill(lines, false); }, [&] { degreesToRadians(w, "1,5", false); });
     }},
    {"deg->rad, comma, next (none left)",
     [](Window &w, int lines) { return commaNext(w, lines, false); }},
    {"deg->rad, comma, sign \"-\", next",
     [](Window &w, int lines) { return commaNext(w, lines, true); }},
    {"add, points",
     [](Window &w, int lines) { return plusMinus(w, lines, "cmdPlusMinus(0)", false); }},
    {"add, commas",
     [](Window &w, int lines) { return plusMinus(w, lines, "cmdPlusMinus(0)", true); }},
    {"subtract, points",
     [](Window &w, int lines) { return plusMinus(w, lines, "cmdPlusMinus(1)", false); }},
    {"subtract, commas",
     [](Window &w, int lines) { return plusMinus(w, lines, "cmdPlusMinus(1)", true); }},
    {"copy output",
     [](Window &w, int lines) {
         w.fill(lines, false);
         return timed([&] {}, [&] { w.click("cmdCopyToClipboard"); });
     }},
    {"clear output",
     [](Window &w, int lines) {
         return timed([&] { w.fill(lines, false); }, [&] { w.click("cmdClear(0)"); });
     }},
    {"a key typed at the end of the box",
     [](Window &w, int lines) {
         w.fill(lines, false);
         w.output()->setFocus();
         w.output()->moveCursor(QTextCursor::End);
         return timed([&] {}, [&] { QTest::keyClick(w.output(), Qt::Key_X); });
     }},
    {"option: Output in decimal",
     [](Window &w, int lines) {
         w.fill(lines, false);
         return timed([&] {}, [&] { w.click("chkDecimal"); });
     }},
    {"option: precision (arrow key in the list)",
     [](Window &w, int lines) {
         w.fill(lines, false);
         auto *list = w.get<QComboBox>("cboDecimalPlaces");
         return timed(
             [&] {
                 list->setCurrentIndex(0);
                 list->setFocus();
             },
             [&] { QTest::keyClick(list, Qt::Key_Down); });
     }},
    {"100 rad->deg appends",
     [](Window &w, int lines) {
         w.fill(lines, false);
         return timed([&] {},
                      [&] {
                          for (int i = 0; i < 100; ++i) {
                              w.set("txbRadians", "1");
                              w.enterIn("txbRadians");
                          }
                      });
     }},
};

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();
    Window w;

    std::printf("median of %d runs, ms; columns: lines in the output box\n", Runs);
    std::printf("%-44s", "operation");
    for (const int lines : Sizes)
        std::printf(" %9d", lines);
    std::printf("\n");
    double emptyNext = 0;
    double fullNext = 0;
    for (const Row &row : Rows) {
        const bool commaNextRow = &row == &Rows[2];
        std::printf("%-44s", row.name);
        std::fflush(stdout);
        for (const int lines : Sizes) {
            const double ms = row.measure(w, lines);
            std::printf(" %9.2f", ms);
            std::fflush(stdout);
            if (commaNextRow) {
                if (lines == 0)
                    emptyNext = ms;
                fullNext = ms;
            }
        }
        std::printf("\n");
    }
    const double above = fullNext - emptyNext;
    std::printf("comma mode, next, 100000 lines against an empty box: %+.2f ms (limit +15)\n",
                above);
    return above <= 15 ? 0 : 1;
}

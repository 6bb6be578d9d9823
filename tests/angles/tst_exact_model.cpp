// The three operations against the exact model on many pseudo-random inputs with a fixed seed.
// A failure prints the input, both texts and the command that reruns that one input.
#include "DataTable.h"
#include "ExactModel.h"
#include "ModelComparison.h"

#include <QTest>
#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>

using ModelComparison::Operation;

namespace {

// Inputs compared per operation; those the model steps aside from come on top.
constexpr int CasesPerOperation = 20'000;

// Deterministic on every machine: only the raw engine output is used, never a distribution.
class Source {
public:
    explicit Source(std::uint64_t seed) : engine(seed) {}
    int below(int n) { return static_cast<int>(engine() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    std::string digits(int count) {
        std::string text;
        while (count-- > 0)
            text += static_cast<char>('0' + below(10));
        return text;
    }

private:
    std::mt19937_64 engine;
};

std::string commas(std::string text) {
    std::ranges::replace(text, '.', ',');
    return text;
}

// A radians text as people type it, spread over the places where digits are decided.
std::string radiansText(Source &s, int precision) {
    std::string text = [&]() -> std::string {
        switch (s.below(6)) {
        case 0: // anywhere within a turn, any number of decimals
            return std::to_string(s.below(7)) + "." + s.digits(s.below(12));
        case 1: // near zero
            return "0." + std::string(static_cast<std::size_t>(s.below(9)), '0') +
                   s.digits(1 + s.below(4));
        case 2: // near the full turn
            return std::string("6.283185307179586").substr(0, 4 + s.below(14)) +
                   s.digits(s.below(4));
        case 3: { // near a whole degree, minute or second, a hair to either side
            const long double hair = (s.below(3) - 1) * s.below(1000) * 1e-12L;
            const long double seconds = s.chance(50) ? 0 : s.below(60);
            const long double degrees = s.below(361) + s.below(60) / 60.0L + seconds / 3600.0L;
            char text[64];
            std::snprintf(text, sizeof text, "%.*Lf", precision - 1 + s.below(5),
                          degrees / 360 * 6.28318530717958647692L + hair);
            return text;
        }
        case 4: // exactly the decimals of the rounding, and one more: the halves live here
            return std::to_string(s.below(7)) + "." + s.digits(precision - 1 + s.below(3));
        }
        // What careless typing gives the lenient reader.
        static const char *const odd[] = {"abc",  "1.2.3", "&H3",   " 1 .5",  "1e-3", "-.5e1",
                                          "+0.5", "1,5",   "",      " ",      "2E0",  "0x1p3",
                                          ".",    "-0",    "1e999", "6.2833", "-7",   "5."};
        return odd[s.below(static_cast<int>(std::size(odd)))];
    }();
    if (s.chance(30))
        text = "-" + text;
    return s.chance(25) ? commas(text) : text;
}

std::string fieldText(Source &s, int whole, int maxLength) {
    std::string text = [&]() -> std::string {
        switch (s.below(8)) {
        case 0:
            return {};
        case 1:
            return std::to_string(whole) + "." + s.digits(1 + s.below(4));
        case 2:
            return "." + s.digits(1 + s.below(4));
        case 3:
            return " " + std::to_string(whole) + "  ";
        case 4: { // the odd ones: invalid characters, two separators, a trailing point
            static const char *const odd[] = {"-5", "+5", "5 0", "1e3", "1..2", "1,5.2",
                                              "5.", "x",  ",",   ".",   "1,,2", "012.50"};
            return odd[s.below(static_cast<int>(std::size(odd)))];
        }
        }
        return std::to_string(whole);
    }();
    text.resize(std::min(text.size(), static_cast<std::size_t>(maxLength)));
    return s.chance(20) ? commas(text) : text;
}

ExactModel::Case randomCase(Operation operation, Source &s) {
    ExactModel::Case in;
    in.precision = 5 + s.below(4);
    const int kind = s.below(4); // decimal degrees, decimal minutes, rounded, neither
    in.decimalOutput = kind < 2;
    in.decimalMinutes = kind == 1;
    in.roundToMinutes = kind == 2;
    in.showPlusMinus = s.chance(85);
    in.output = s.chance(50) ? "1.5 radians = 85.94367\xC2\xB0\r\n" : "";
    switch (operation) {
    case Operation::RadiansToDegrees:
        in.radians = radiansText(s, in.precision);
        break;
    case Operation::DegreesToRadians: {
        const int degrees = s.chance(10) ? 360 : s.below(361);
        in.degrees = fieldText(s, degrees, 8);
        in.minutes = fieldText(s, s.chance(10) ? 59 + s.below(2) : s.below(60), 5);
        in.seconds = fieldText(s, s.chance(10) ? 59 + s.below(2) : s.below(60), 5);
        in.sign = s.chance(30) ? "-" : "";
        break;
    }
    case Operation::Add:
    case Operation::Subtract:
        in.radians = s.chance(5) ? "" : radiansText(s, in.precision);
        in.toAdd = s.chance(5) ? "" : radiansText(s, in.precision);
        break;
    }
    return in;
}

const char *nameOf(Operation operation) {
    static const char *const names[] = {"rad2deg", "deg2rad", "add", "subtract"};
    return names[static_cast<int>(operation)];
}

// The input that ANGULOR_MODEL_CASE names for this operation: -1 for all, -2 for none.
int onlyCase(Operation operation) {
    const char *only = std::getenv("ANGULOR_MODEL_CASE");
    const std::string prefix = nameOf(operation) + std::string(":");
    return only == nullptr                              ? -1
           : std::string_view(only).starts_with(prefix) ? std::atoi(only + prefix.size())
                                                        : -2;
}

// Compares the inputs drawn for an operation, until as many as CasesPerOperation did not meet an
// open point of the model; ANGULOR_MODEL_CASE=add:1234 runs only that input.
void checkInputs(Operation operation) {
    const int only = onlyCase(operation);
    if (only == -2)
        QSKIP("ANGULOR_MODEL_CASE names another operation");
    Source source(0x616e67756c6f72ULL + static_cast<std::uint64_t>(operation));
    std::map<std::string, int> open;
    int skipped = 0;
    int mismatches = 0;
    int i = 0;
    for (; only < 0 ? i - skipped < CasesPerOperation && i < 2 * CasesPerOperation : i <= only;
         ++i) {
        const ExactModel::Case in = randomCase(operation, source);
        if (only >= 0 && i != only)
            continue;
        const ModelComparison::Verdict result = ModelComparison::compare(operation, in);
        if (!result.open.empty()) {
            ++skipped;
            ++open[result.open];
        }
        if (!result.mismatch.empty() && ++mismatches <= 10) {
            qWarning("%s\n%s  rerun: ANGULOR_MODEL_CASE=%s:%d %s %s:%s",
                     ModelComparison::describe(operation, in).c_str(), result.mismatch.c_str(),
                     nameOf(operation), i, qPrintable(QCoreApplication::applicationFilePath()),
                     QTest::currentTestFunction(), QTest::currentDataTag());
        }
    }
    qInfo("%s: %d inputs compared", nameOf(operation), only >= 0 ? 1 : i - skipped);
    for (const auto &[point, count] : open)
        qInfo("  %d skipped, open point: %s", count, point.c_str());
    QCOMPARE(mismatches, 0);
    QVERIFY(only >= 0 || i - skipped >= CasesPerOperation / 5);
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestExactModel : public QObject {
    Q_OBJECT

private slots:
    // Every field, the output box and the message of each operation, as the exact model has them.
    void programAgreesWithModel_data() {
        columns<Operation>("operation");
        for (const auto operation : {Operation::RadiansToDegrees, Operation::DegreesToRadians,
                                     Operation::Add, Operation::Subtract})
            row(nameOf(operation), operation);
    }
    void programAgreesWithModel() {
        QFETCH(Operation, operation);
        checkInputs(operation);
    }
};

QTEST_GUILESS_MAIN(TestExactModel)
#include "tst_exact_model.moc"

#include "Rad2Deg.h"
#include "TestAngles.h"

#include <QTest>
#include <cmath>

QString Describe(const std::optional<Message> &message) {
    if (!message) {
        return {};
    }
    static const char *const icons[] = {"none", "information", "exclamation"};
    static const char *const fields[] = {"none",    "radians", "toAdd",
                                         "degrees", "minutes", "seconds"};
    return Q(message->text) + " | " + Q(message->title) + " | " +
           icons[static_cast<int>(message->icon)] + " | " +
           fields[static_cast<int>(message->focus)];
}

bool Same(double a, double b) {
    return (a == b && std::signbit(a) == std::signbit(b)) || (std::isnan(a) && std::isnan(b));
}

OutputOptions OptionsFrom(const QString &words) {
    OutputOptions options;
    for (std::int16_t p = 5; p <= 8; ++p) {
        if (words.contains(QStringLiteral("p%1").arg(p))) {
            options.precision = p;
        }
    }
    options.decimalOutput = words.contains("decimal");
    options.decimalUnit =
        words.contains("decimal minutes") ? DecimalUnit::Minutes : DecimalUnit::Degrees;
    options.roundToMinutes = words.contains("round to minutes");
    options.showPlusMinus = !words.contains("no log");
    return options;
}

double Radians(double degrees, double minutes, double seconds) {
    return (degrees + minutes / 60 + seconds / 3600) / 360 * Rad2Deg::FullTurn;
}

QTEST_APPLESS_MAIN(TestAngles)

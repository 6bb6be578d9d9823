#pragma once

#include "OperationResult.h"
#include "OutputOptions.h"

#include <QObject>
#include <QString>
#include <optional>
#include <string>

class TestAngles : public QObject {
    Q_OBJECT

private slots:
    void readLeadingNumber_data();
    void readLeadingNumber();
    void readPlainDecimal_data();
    void readPlainDecimal();
    void parseAngleField_data();
    void parseAngleField();

    void round_data();
    void round();

    void fixed_data();
    void fixed();
    void fixedResult_data();
    void fixedResult();
    void addLeadingZero_data();
    void addLeadingZero();
    void plain_data();
    void plain();

    void rad2DegMin_data();
    void rad2DegMin();
    void rad2DegMinSec_data();
    void rad2DegMinSec();

    void radiansToDegrees_data();
    void radiansToDegrees();
    void degreesToRadians_data();
    void degreesToRadians();
    void plusMinus_data();
    void plusMinus();
    void reduceAngle_data();
    void reduceAngle();
    void applyToOutput_data();
    void applyToOutput();
};

inline QString Q(const std::string &text) {
    return QString::fromStdString(text);
}
inline std::string S(const QString &text) {
    return text.toStdString();
}

// "text | title | icon | focus", or empty when there is no message: one column per row.
QString Describe(const std::optional<Message> &message);

// Equal as doubles, the sign of zero included.
bool Same(double a, double b);

// Options from words: "p5".."p8", "decimal degrees", "decimal minutes", "round to minutes",
// "no log" (results of + and - not shown); anything else keeps the start values.
OutputOptions OptionsFrom(const QString &words);

// The radians of an angle given in degrees, minutes and seconds.
double Radians(double degrees, double minutes = 0, double seconds = 0);

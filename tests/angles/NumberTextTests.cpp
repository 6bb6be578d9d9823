#include "NumberText.h"
#include "TestAngles.h"

#include <QTest>

void TestAngles::fixed_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("trailing zeros kept") << 1.0 << 6 << "1.000000";
    QTest::newRow("leading zero") << 0.5 << 4 << "0.5000";
    QTest::newRow("rounded") << 57.295779513 << 5 << "57.29578";
    QTest::newRow("binary half to even") << 0.03125 << 4 << "0.0312";
    QTest::newRow("carry into a new digit") << 999.9999996 << 6 << "1000.000000";
    QTest::newRow("no decimals") << 1.5 << 0 << "2";
    QTest::newRow("negative") << -0.000006 << 5 << "-0.00001";
    QTest::newRow("negative zero has no sign") << -0.0 << 5 << "0.00000";
    QTest::newRow("negative rounding to zero has no sign") << -0.0000001 << 5 << "0.00000";
    QTest::newRow("no exponent for large values") << 1e21 << 2 << "1000000000000000000000.00";
}

void TestAngles::fixed() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QTEST(Q(NumberText::Fixed(value, decimals)), "text");
}

void TestAngles::fixedResult_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("text");
    QTest::newRow("point") << 0.5 << false << "0.500000";
    QTest::newRow("comma mode") << 0.5 << true << "0,500000";
}

void TestAngles::fixedResult() {
    QFETCH(double, value);
    QFETCH(bool, comma);
    QTEST(Q(NumberText::FixedResult(value, 6, comma)), "text");
}

void TestAngles::addLeadingZero_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("leading point") << ".5"
                                   << "0.5";
    QTest::newRow("leading comma unchanged") << ",5"
                                             << ",5";
    QTest::newRow("minus point unchanged") << "-.5"
                                           << "-.5";
    QTest::newRow("digit unchanged") << "5"
                                     << "5";
    QTest::newRow("empty") << ""
                           << "";
}

void TestAngles::addLeadingZero() {
    QFETCH(QString, text);
    QTEST(Q(NumberText::AddLeadingZero(S(text))), "result");
}

void TestAngles::plain_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("below one") << 0.5 << ".5";
    QTest::newRow("negative below one") << -0.5 << "-.5";
    QTest::newRow("fraction") << 12.5 << "12.5";
    QTest::newRow("whole") << 360.0 << "360";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("small, no exponent") << 0.000001 << ".000001";
    QTest::newRow("15 significant digits") << 0.1 + 0.2 << ".3";
    QTest::newRow("rounded up at 15 digits") << 2.0 / 3 << ".666666666666667";
    QTest::newRow("rounds to a whole") << 0.99999999999999994 << "1";
    QTest::newRow("large, no exponent") << 123456789012345678.0 << "123456789012346000";
}

void TestAngles::plain() {
    QFETCH(double, value);
    QTEST(Q(NumberText::Plain(value)), "text");
}

void TestAngles::applyToOutput_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("append");
    QTest::addColumn<bool>("toComma");
    QTest::addColumn<QString>("result");
    QTest::newRow("appended") << "a.b\r\n"
                              << "1.5\r\n"
                              << false << "a.b\r\n1.5\r\n";
    QTest::newRow("comma mode rewrites earlier lines") << "0.5 radians\r\n"
                                                       << "1.5\r\n"
                                                       << true << "0,5 radians\r\n1,5\r\n";
}

void TestAngles::applyToOutput() {
    QFETCH(QString, output);
    QFETCH(QString, append);
    QFETCH(bool, toComma);
    OperationResult result;
    result.append = S(append);
    result.outputToComma = toComma;
    QTEST(Q(ApplyToOutput(S(output), result)), "result");
}

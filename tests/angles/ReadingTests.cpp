#include "NumberReading.h"
#include "Operations.h"
#include "TestAngles.h"

#include <QTest>
#include <limits>

namespace {
constexpr double Inf = std::numeric_limits<double>::infinity();
}

void TestAngles::readLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "1" << 1.0;
    QTest::newRow("blanks, tabs, line feeds anywhere") << " 1 .\t5\n " << 1.5;
    QTest::newRow("blank after the sign") << "- 2" << -2.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("comma ends it") << "1,5" << 1.0;
    QTest::newRow("trailing text ignored") << "1.5xyz" << 1.5;
    QTest::newRow("plus and bare fraction") << "+.5" << 0.5;
    QTest::newRow("leading zeros") << "00012" << 12.0;
    QTest::newRow("exponent") << "-.5e1" << -5.0;
    QTest::newRow("negative exponent") << "1E-2" << 0.01;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+x" << 1.0;
    QTest::newRow("text after the exponent") << "1e2x" << 100.0;
    QTest::newRow("correctly rounded") << "9007199254740993" << 9007199254740992.0;
    QTest::newRow("many digits") << "0.1000000000000000000000000000001" << 0.1;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("point and exponent only") << ".e5" << 0.0;
    QTest::newRow("inf is not a number") << "inf" << 0.0;
    QTest::newRow("nan is not a number") << "-nan" << 0.0;
    QTest::newRow("hex float reads its leading zero") << "0x1p3" << 0.0;
    QTest::newRow("underscore ends it") << "1_0" << 1.0;
    QTest::newRow("hexadecimal") << "&H1F" << 31.0;
    QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
    QTest::newRow("hexadecimal stops at a non-digit") << "&H1G" << 1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal has no 8") << "&o8" << 0.0;
    QTest::newRow("prefix without digits") << "&H" << 0.0;
    QTest::newRow("unknown prefix") << "&X1" << 0.0;
    QTest::newRow("too large is infinite") << "1e999" << Inf;
    QTest::newRow("too large negative") << "-9e999" << -Inf;
    QTest::newRow("huge exponent digits") << "1e99999999999999999999999" << Inf;
    QTest::newRow("too small is zero") << "1e-999" << 0.0;
    QTest::newRow("zero with huge exponent") << "0e999999999999" << 0.0;
    QTest::newRow("many zeros then huge exponent") << "0.000000001e10" << 10.0;
}

void TestAngles::readLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    const double read = NumberReading::ReadLeadingNumber(S(text));
    QVERIFY2(Same(read, value), qPrintable(QString::number(read, 'g', 17)));
}

void TestAngles::readPlainDecimal_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("trailing zeros") << "012.50" << 12.5;
}

void TestAngles::readPlainDecimal() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QVERIFY(Same(NumberReading::ReadPlainDecimal(S(text)), value));
}

void TestAngles::parseAngleField_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("invalidBefore");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("invalid");
    QTest::addColumn<bool>("comma");
    QTest::newRow("digits") << "12" << false << 12.0 << false << false;
    QTest::newRow("point") << "1.5" << false << 1.5 << false << false;
    QTest::newRow("comma") << "1,5" << false << 1.5 << false << true;
    QTest::newRow("empty") << "" << false << 0.0 << false << false;
    QTest::newRow("lone point") << "." << false << 0.0 << false << false;
    QTest::newRow("lone comma") << "," << false << 0.0 << false << true;
    QTest::newRow("leading zeros") << "007" << false << 7.0 << false << false;
    QTest::newRow("minus") << "-5" << false << -1.0 << true << false;
    QTest::newRow("plus") << "+5" << false << -1.0 << true << false;
    QTest::newRow("inner blank") << "5 0" << false << -1.0 << true << false;
    QTest::newRow("exponent") << "1e3" << false << -1.0 << true << false;
    QTest::newRow("two points") << "1..2" << false << -1.0 << true << false;
    QTest::newRow("point in a comma field") << "1,5.2" << false << -1.0 << true << true;
    QTest::newRow("two commas") << "1,,2" << false << -1.0 << true << true;
    QTest::newRow("never clears the flag") << "5" << true << 5.0 << true << false;
}

void TestAngles::parseAngleField() {
    QFETCH(QString, text);
    QFETCH(bool, invalidBefore);
    QFETCH(double, value);
    QFETCH(bool, invalid);
    QFETCH(bool, comma);
    bool invalidFlag = invalidBefore;
    bool commaFlag = !comma; // always set, whatever it held
    QCOMPARE(Operations::ParseAngleField(S(text), invalidFlag, commaFlag), value);
    QCOMPARE(invalidFlag, invalid);
    QCOMPARE(commaFlag, comma);
}

#include "Operations.h"
#include "Rad2Deg.h"
#include "Rounding.h"
#include "TestAngles.h"

#include <QTest>
#include <cmath>
#include <limits>

void TestAngles::round_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("rounded");
    QTest::newRow("half to even, down") << 0.125 << 2 << 0.12;
    QTest::newRow("just above a half") << std::nextafter(0.125, 1.0) << 2 << 0.13;
    QTest::newRow("just below a half") << std::nextafter(0.125, 0.0) << 2 << 0.12;
    QTest::newRow("half to even, up") << 0.375 << 2 << 0.38;
    QTest::newRow("typed half, binary below") << 2.675 << 2 << 2.68;
    QTest::newRow("0.5 to 0") << 0.5 << 0 << 0.0;
    QTest::newRow("1.5 to 2") << 1.5 << 0 << 2.0;
    QTest::newRow("2.5 to 2") << 2.5 << 0 << 2.0;
    QTest::newRow("negative half") << -2.5 << 0 << -2.0;
    QTest::newRow("negative above half") << -2.51 << 0 << -3.0;
    QTest::newRow("half after a zero") << 1.0000005 << 6 << 1.0;
    QTest::newRow("half after a one") << 1.0000015 << 6 << 1.000002;
    QTest::newRow("carry through nines") << 9.9999995 << 6 << 10.0;
    QTest::newRow("half below the first digit") << 0.0005 << 3 << 0.0;
    QTest::newRow("above half below the first digit") << 0.0006 << 3 << 0.001;
    QTest::newRow("far below") << 0.00004 << 3 << 0.0;
    QTest::newRow("already short enough") << 6.283185 << 7 << 6.283185;
    QTest::newRow("full turn at 7") << Rad2Deg::FullTurn << 7 << 6.2831853;
    QTest::newRow("full turn at 4 rises above it") << Rad2Deg::FullTurn << 4 << 6.2832;
    QTest::newRow("large value unchanged") << 1e300 << 2 << 1e300;
    QTest::newRow("infinity unchanged")
        << std::numeric_limits<double>::infinity() << 2 << std::numeric_limits<double>::infinity();
}

void TestAngles::round() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, rounded);
    const double result = Rounding::Round(value, decimals);
    QVERIFY2(Same(result, rounded), qPrintable(QString::number(result, 'g', 17)));
}

void TestAngles::reduceAngle_data() {
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("reduced");
    const double turn = Rad2Deg::FullTurn;
    QTest::newRow("inside") << 1.0 << 1.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("negative") << -1.0 << -1.0 + turn;
    QTest::newRow("full turn is zero") << turn << 0.0;
    QTest::newRow("minus full turn is zero") << -turn << 0.0;
    QTest::newRow("above") << 7.0 << 7.0 - turn;
    QTest::newRow("two turns below") << -2 * turn + 1 << -2 * turn + 1 + turn + turn;
    QTest::newRow("tiny negative lands on zero") << -1e-17 << 0.0;
}

void TestAngles::reduceAngle() {
    QFETCH(double, angle);
    QFETCH(double, reduced);
    QVERIFY(Same(Operations::ReduceAngle(angle), reduced));
}

#include "Rad2Deg.h"
#include "TestAngles.h"

#include <QTest>
#include <limits>

void TestAngles::rad2DegMin_data() {
    QTest::addColumn<double>("radians");
    QTest::addColumn<bool>("omitZeroMinutes");
    QTest::addColumn<bool>("blankBeforeMinutes");
    QTest::addColumn<bool>("allowNegative");
    QTest::addColumn<bool>("allow360");
    QTest::addColumn<QString>("text");
    QTest::newRow("one radian") << 1.0 << false << false << true << false << "57°18'";
    QTest::newRow("negative") << -0.5 << false << false << true << false << "-28°39'";
    QTest::newRow("negative refused") << -0.5 << false << false << false << false << "";
    QTest::newRow("blank before minutes") << 1.0 << false << true << true << false << "57° 18'";
    QTest::newRow("stays below a full turn")
        << 6.2831 << false << false << true << false << "359°59'";
    QTest::newRow("allowed to reach 360") << 6.2831 << false << false << true << true << "360°0'";
    QTest::newRow("zero minutes omitted") << 6.2831 << true << false << true << true << "360°";
    QTest::newRow("zero") << 0.0 << false << false << true << false << "0°0'";
    QTest::newRow("full turn") << Rad2Deg::FullTurn << false << false << true << false << "360°0'";
    QTest::newRow("above a full turn refused") << 6.2832 << false << false << true << true << "";
    QTest::newRow("not a number refused")
        << std::numeric_limits<double>::quiet_NaN() << false << false << true << true << "";
}

void TestAngles::rad2DegMin() {
    QFETCH(double, radians);
    QFETCH(bool, omitZeroMinutes);
    QFETCH(bool, blankBeforeMinutes);
    QFETCH(bool, allowNegative);
    QFETCH(bool, allow360);
    QTEST(Q(Rad2Deg::Rad2DegMin(radians, omitZeroMinutes, blankBeforeMinutes, allowNegative,
                                allow360)),
          "text");
}

void TestAngles::rad2DegMinSec_data() {
    QTest::addColumn<double>("radians");
    QTest::addColumn<bool>("allowNegative");
    QTest::addColumn<QString>("text");
    QTest::newRow("one radian") << 1.0 << true << "57° 17' 45\"";
    QTest::newRow("negative") << -1.0 << true << "-57° 17' 45\"";
    QTest::newRow("negative refused") << -1.0 << false << "";
    QTest::newRow("negative zero is zero") << -0.0 << false << "0° 0' 0\"";
    QTest::newRow("seconds carry into minutes") << Radians(10, 58, 59.6) << true << "10° 59' 0\"";
    QTest::newRow("seconds carry into degrees") << Radians(10, 59, 59.6) << true << "11° 0' 0\"";
    QTest::newRow("full turn") << Rad2Deg::FullTurn << true << "360° 0' 0\"";
    QTest::newRow("beyond whole degrees refused") << 1e300 << true << "";
    QTest::newRow("infinity refused") << std::numeric_limits<double>::infinity() << true << "";
}

void TestAngles::rad2DegMinSec() {
    QFETCH(double, radians);
    QFETCH(bool, allowNegative);
    QTEST(Q(Rad2Deg::Rad2DegMinSec(radians, allowNegative)), "text");
}

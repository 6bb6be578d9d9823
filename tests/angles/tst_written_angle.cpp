// The reader of written angles: every form it takes and every refusal, one row each.
#include "DataTable.h"
#include "WrittenAngle.h"

#include <QTest>

namespace {

// "-[12][30.5][] 2 marked" for an angle, the reason for a refusal.
QString describe(const WrittenAngle::Reading &reading) {
    if (!reading.angle)
        return QString::fromStdString(reading.reason);
    const auto &a = *reading.angle;
    return QStringLiteral("%1[%2][%3][%4] %5%6")
        .arg(a.negative ? "-" : "+", QString::fromStdString(a.degrees),
             QString::fromStdString(a.minutes), QString::fromStdString(a.seconds))
        .arg(a.numbers)
        .arg(a.marked ? " marked" : "");
}

} // namespace

class TestWrittenAngle : public QObject {
    Q_OBJECT

private slots:
    void read_data() {
        columns<QString, QString>("text", "expected");
        // The forms.
        row("marks and letter", "43°14'12.5\"N", "+[43][14][12.5] 3 marked");
        row("south", "43°14'12.5\"S", "-[43][14][12.5] 3 marked");
        row("letter in front, blanks", " w 12° 30′ 15″ ", "-[12][30][15] 3 marked");
        row("blanks alone", "12 34 56.7", "+[12][34][56.7] 3");
        row("tab and no-break spaces", "12\t34\u00A056\u202F", "+[12][34][56] 3");
        row("minus, decimal minutes", "-12°30.5'", "-[12][30.5][] 2 marked");
        row("plus", "+12.5", "+[12.5][][] 1");
        row("degrees only", "12.5°", "+[12.5][][] 1 marked");
        row("ordinal and curly marks", "12º34’56”", "+[12][34][56] 3 marked");
        row("d and two apostrophes", "12d 34' 56''", "+[12][34][56] 3 marked");
        row("colons, comma", "12:34:56,7", "+[12][34][56,7] 3 marked");
        row("colons with blanks", "- 12 : 34", "-[12][34][] 2 marked");
        row("texts kept", "007°05'.5", "+[007][05][.5] 3 marked");
        row("last mark left out", "12°30", "+[12][30][] 2 marked");
        row("first mark left out", "12 30'", "+[12][30][] 2 marked");
        row("no range check", "400°75'99\"", "+[400][75][99] 3 marked");
        row("point at the end", "5.", "+[5.][][] 1");
        // The refusals.
        row("blanks only", " \u00A0\t", "The text is empty.");
        row("letter only", "N", "The text holds no number.");
        row("other letter", "12x",
            "The text holds a letter that is not N, S, E, W or the degree mark d.");
        row("other character", "12°30'#",
            "The text holds a character that is not part of an angle.");
        row("letter with minus", "-12°S", "A hemisphere letter and a sign cannot stand together.");
        row("two letters", "N12S", "The text holds two hemisphere letters.");
        row("letter inside", "12°N30'", "A hemisphere letter stands inside the angle.");
        row("exponent", "1e5", "A hemisphere letter stands inside the angle.");
        row("sign inside", "12-30", "A sign can only stand in front of the angle.");
        row("second separator", "1.2.3", "A number holds a second decimal separator.");
        row("separator alone", "12 .", "A decimal separator stands without digits.");
        row("decimal degrees and minutes", "12.5°30'",
            "Only the last number can hold a decimal separator.");
        row("four numbers", "1 2 3 4", "The text holds more than three numbers.");
        row("marks out of order", "12°30'15°", "The marks are out of order.");
        row("minutes without degrees", "30'", "Minutes or seconds are given without degrees.");
        row("seconds without minutes", "12°5\"", "Seconds are given without minutes.");
        row("mark without number", "12°°", "A mark stands without a number before it.");
        row("two colons", "12::30", "A colon must stand between two numbers.");
        row("colon at the end", "12:", "A colon must stand between two numbers.");
        row("colon and mark", "12:30'",
            "Colons cannot be mixed with marks or blanks between numbers.");
        row("colon and blank", "12:30 15",
            "Colons cannot be mixed with marks or blanks between numbers.");
        row("replacement character", "12\uFFFD",
            "The text holds a character that is not part of an angle.");
    }
    void read() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(describe(WrittenAngle::read(text.toStdString())), expected);
    }
};

QTEST_GUILESS_MAIN(TestWrittenAngle)
#include "tst_written_angle.moc"

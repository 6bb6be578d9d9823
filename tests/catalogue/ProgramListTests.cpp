#include "CatalogueScroll.h"
#include "ProgramList.h"
#include "TestCatalogue.h"

#include <QRegularExpression>
#include <QTest>

void TestCatalogue::programList() {
    ProgramTable Programs;
    QCOMPARE(BuildProgramList(SiteURL, Programs), qint16(14));
    QVERIFY(SiteURL.startsWith("https://") && SiteURL.endsWith('/'));
    const QRegularExpression page(QStringLiteral("^[a-z0-9]+/[a-z0-9]+\\.htm$"));
    for (std::size_t i = 0; i < 14; ++i) {
        const ProgramEntry &entry = Programs[i];
        QVERIFY2(!entry.Title.isEmpty() && entry.Title.size() <= 48, qPrintable(entry.Title));
        QVERIFY2(entry.Description.size() >= 130 && entry.Description.size() <= 260,
                 qPrintable(entry.Title));
        QVERIFY(!entry.Description.contains('\r') && !entry.Description.contains('\n'));
        QVERIFY(entry.URL.startsWith(SiteURL));
        QVERIFY2(page.match(entry.URL.mid(SiteURL.size())).hasMatch(), qPrintable(entry.URL));
        if (i > 0)
            QVERIFY2(Programs[i - 1].Title.compare(entry.Title, Qt::CaseInsensitive) < 0,
                     qPrintable(entry.Title));
    }
    for (std::size_t i = 14; i < Programs.size(); ++i)
        QVERIFY(Programs[i].Title.isEmpty() && Programs[i].URL.isEmpty());
}

void TestCatalogue::scrollStep_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("clampTo");      // -1: no clamp
    QTest::addColumn<QList<int>>("shown"); // entry in slots 0 to 3, -1 for blank
    QTest::newRow("top") << 0 << -1 << QList<int>{0, 1, 2, 3};
    QTest::newRow("middle") << 5 << -1 << QList<int>{5, 6, 7, 8};
    QTest::newRow("last full page, slot 3 blank") << 11 << -1 << QList<int>{11, 12, 13, -1};
    QTest::newRow("one past the end is pulled back") << 12 << 11 << QList<int>{};
    QTest::newRow("far past the end is pulled back") << 30 << 11 << QList<int>{};
}

void TestCatalogue::scrollStep() {
    QFETCH(int, value);
    QFETCH(int, clampTo);
    QFETCH(QList<int>, shown);
    ProgramTable Programs;
    const qint16 count = BuildProgramList(SiteURL, Programs);
    const CatalogueScroll::Step step = CatalogueScroll::VScrollStep(Programs, count, value);
    QCOMPARE(step.clampTo.value_or(-1), clampTo);
    QCOMPARE(step.topIndex, value);
    for (qsizetype j = 0; j < shown.size(); ++j) {
        const auto &captions = step.captions[static_cast<std::size_t>(j)];
        if (shown[j] < 0) {
            QVERIFY(captions.title.isEmpty() && captions.description.isEmpty());
            continue;
        }
        const ProgramEntry &entry = Programs[static_cast<std::size_t>(shown[j])];
        QCOMPARE(captions.title, entry.Title);
        QCOMPARE(captions.description, entry.Description + "\r\n" + entry.URL);
    }
}

void TestCatalogue::clickedEntry_data() {
    QTest::addColumn<int>("topIndex");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("entry"); // -1: the click does nothing
    QTest::newRow("first slot at the top") << 0 << 0 << 0;
    QTest::newRow("second slot at 5") << 5 << 1 << 6;
    QTest::newRow("last slot at the end") << 11 << 2 << 13;
    QTest::newRow("slot below the box") << 0 << 3 << -1;
    QTest::newRow("blank slot at the end") << 11 << 3 << -1;
    QTest::newRow("slot built far below") << 0 << 13 << -1;
}

void TestCatalogue::clickedEntry() {
    QFETCH(int, topIndex);
    QFETCH(int, index);
    QFETCH(int, entry);
    QCOMPARE(CatalogueScroll::clickedEntry(topIndex, index, 14).value_or(-1), entry);
}

#include "FakePlatform.h"
#include "ProgramList.h"
#include "TestCatalogue.h"
#include "weblink.h"

#include <QTest>

using weblink::Caller;
Q_DECLARE_METATYPE(weblink::Caller)

void TestCatalogue::getFileExtension_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("lowerCase");
    QTest::addColumn<QString>("extension");
    QTest::newRow("site root keeps the slash") << SiteURL << true << "example/";
    QTest::newRow("dot only in a folder name") << "C:\\Dir.old\\readme" << true << "";
    QTest::newRow("last of two extensions, lowered") << "C:\\Data\\archive.tar.GZ" << true << "gz";
    QTest::newRow("last of two extensions, as written")
        << "C:\\Data\\archive.tar.GZ" << false << "GZ";
    QTest::newRow("name ending in a dot") << "notes." << true << "";
    QTest::newRow("only a leading dot") << ".profile" << true << "profile";
    QTest::newRow("web path") << "folder/page.htm" << true << "htm";
    QTest::newRow("catalogue page") << SiteURL + "tidewise/tidewise.htm" << true << "htm";
    QTest::newRow("no dot at all") << "readme" << true << "";
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("backslash at the end") << "C:\\Dir.old\\" << true << "";
    QTest::newRow("forward slash separates nothing") << "a.b/c" << false << "b/c";
}

void TestCatalogue::getFileExtension() {
    QFETCH(QString, path);
    QFETCH(bool, lowerCase);
    QFETCH(QString, extension);
    QCOMPARE(weblink::GetFileExtension(path, lowerCase), extension);
}

void TestCatalogue::failureMessage_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<Caller>("caller");
    QTest::addColumn<QString>("message"); // empty: no message at all

    const QString first = QStringLiteral("Error launching web browser, error code =");
    const QString br = QStringLiteral("\r\n\r\n");
    for (const Caller caller : {Caller::Notice, Caller::Catalogue}) {
        const char *who = caller == Caller::Notice ? "notice" : "catalogue";
        const auto row = [who](const char *what) -> QTestData & {
            return QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(who, what)));
        };
        row("0 is only its line") << 0 << caller << first + " 0.";
        row("2 asks for another try")
            << 2 << caller << first + " 2." + br + "Please try once more.";
        row("8 is out of memory") << 8 << caller << first + " 8." + br + "Out of memory.";
        row("32 is the last failure") << 32 << caller << first + " 32.";
        row("33 succeeds") << 33 << caller << "";
        row("negative has its minus and no blank") << -5 << caller << first + "-5.";
    }
    QTest::newRow("notice: 31 names the extension")
        << 31 << Caller::Notice
        << first + " 31." + br +
               "File extension 'htm' is not associated with any application program.";
    QTest::newRow("catalogue: 31 names the page type")
        << 31 << Caller::Catalogue
        << first + " 31." + br +
               "The web page file type htm is not associated with any browser "
               "program.";
}

void TestCatalogue::failureMessage() {
    QFETCH(int, code);
    QFETCH(Caller, caller);
    QFETCH(QString, message);
    const auto built = weblink::LaunchFailureMessage(code, SiteURL + "folder/page.htm", caller);
    QCOMPARE(built.value_or(QString()), message);
    QCOMPARE(built.has_value(), !message.isEmpty());
}

void TestCatalogue::launchReportsOnce_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("boxes");
    QTest::newRow("success shows nothing") << 42 << 0;
    QTest::newRow("not found") << 2 << 1;
    QTest::newRow("no association") << 31 << 1;
    QTest::newRow("other failure") << 3 << 1;
}

void TestCatalogue::launchReportsOnce() {
    QFETCH(int, code);
    QFETCH(int, boxes);
    FakePlatform fake;
    fake.web.result = code;
    weblink::OpenWebPage(SiteURL, fake.platform, nullptr);
    QCOMPARE(fake.web.opened, QStringList{SiteURL});
    QCOMPARE(fake.messages.shown.size(), boxes);
    if (boxes) {
        QCOMPARE(fake.messages.shown[0].title, QStringLiteral("Cannot launch web browser"));
        QCOMPARE(fake.messages.shown[0].icon, BoxIcon::Exclamation);
        QCOMPARE(fake.messages.shown[0].text,
                 *weblink::LaunchFailureMessage(code, SiteURL, Caller::Notice));
    }
}

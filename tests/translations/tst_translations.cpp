#include "DataTable.h"
#include "Language.h"
#include "LoadedWindow.h"
#include "PosixFileReader.h"
#include "Translations.h"

#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

namespace {

const QStringList Languages{"de", "fr", "es", "it", "pt_BR", "pl", "ru", "zh_CN"};
const QString Source = QStringLiteral(ANGULOR_SOURCE_DIR);

struct TsMessage {
    QString context, source, comment, translation, type;
};

QList<TsMessage> readTs(const QString &path) {
    QList<TsMessage> messages;
    QFile file(path);
    QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? &file : nullptr);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString element = xml.name().toString(),
                      type = xml.attributes().value("type").toString();
        if (element == u"message")
            messages.append({context, {}, {}, {}, {}});
        if (element == u"TS" || element == u"context" || element == u"message")
            continue;
        const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (element == u"name")
            context = text;
        else if (element == u"source")
            messages.last().source = text;
        else if (element == u"comment")
            messages.last().comment = text;
        else if (element == u"translation")
            messages.last().translation = text, messages.last().type = type;
    }
    return messages;
}

std::set<QString> placeholders(const QString &text) {
    std::set<QString> found;
    for (const auto &match : QRegularExpression("%\\d").globalMatch(text))
        found.insert(match.captured());
    return found;
}

// The program's translation for `language`, as the build made it; English installs none.
void speak(const QString &language) {
    qputenv("LANGUAGE", language.toUtf8());
    Translations::install(*QCoreApplication::instance());
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    std::set<std::tuple<QString, QString, QString>> codeTexts;

private slots:
    void initTestCase() {
        QTemporaryDir dir;
        const QString ts = dir.filePath("code.ts");
        QProcess lupdate;
        lupdate.start(ANGULOR_LUPDATE,
                      {"-tr-function-alias", "QT_TRANSLATE_NOOP+=CORE_TEXT", "-locations", "none",
                       "-silent", Source + "/src", "-ts", ts});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        for (const TsMessage &m : readTs(ts))
            codeTexts.insert({m.context, m.source, m.comment});
        QVERIFY(codeTexts.size() > 50);
    }
    void cleanup() {
        qputenv("LC_ALL", "C.UTF-8");
        speak("C");
    }

    // The desktop's variables, read in gettext's order.
    void languageFollowsTheDesktop_data() {
        columns<QString, QString, QString, QString, QString, QString>(
            "LANGUAGE", "lcAll", "lcMessages", "LANG", "preferred", "chosen");
        row("LANG alone", "", "", "", "de_DE.UTF-8", "de_DE de", "de");
        row("LANGUAGE list before LANG", "xx:pt_BR:de", "", "", "de_DE.UTF-8", "xx pt_BR pt de",
            "pt_BR");
        row("LC_ALL before LC_MESSAGES", "", "ru_RU.UTF-8", "fr_FR", "de_DE", "ru_RU ru", "ru");
        row("LC_MESSAGES before LANG", "", "", "fr_FR.UTF-8", "de_DE", "fr_FR fr", "fr");
        row("codeset and modifier dropped", "", "", "", "pl_PL.ISO-8859-2@euro", "pl_PL pl", "pl");
        row("modifier alone dropped", "", "", "", "de_DE@euro", "de_DE de", "de");
        row("LANGUAGE=C", "C", "", "", "de_DE.UTF-8", "", "");
        row("English asked first", "en_GB:de", "", "", "de_DE.UTF-8", "", "");
        row("C locale ignores LANGUAGE", "de", "C", "", "", "", "");
        row("so does POSIX", "de", "", "POSIX", "", "", "");
        row("C.UTF-8 locale takes LANGUAGE", "zh_CN", "C.UTF-8", "", "", "zh_CN zh", "zh_CN");
        row("unknown language", "", "", "", "xx_YY.UTF-8", "xx_YY xx", "");
    }
    void languageFollowsTheDesktop() {
        QFETCH(QString, LANGUAGE);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, LANG);
        const std::pair<const char *, QString> desktop[] = {
            {"LANGUAGE", LANGUAGE}, {"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", LANG}};
        for (const auto &[name, value] : desktop)
            qputenv(name, value.toUtf8());
        const QStringList preferred = Language::preferred(Language::fromProcess());
        QTEST(preferred.join(u' '), "preferred");
        QTEST(Language::chosen(preferred, [](const QString &l) { return Languages.contains(l); }),
              "chosen");
    }

    // Every text of the code translated, finished, with its placeholders and line breaks; what
    // the build made holds the same; the words of a result line hold no "." for comma mode;
    // the help text translated.
    void everyTextTranslated_data() {
        QTest::addColumn<QString>("language");
        for (const QString &language : Languages)
            QTest::addRow("%s", qPrintable(language)) << language;
    }
    void everyTextTranslated() {
        QFETCH(QString, language);
        const QList<TsMessage> messages =
            readTs(Source + "/translations/angulor_" + language + ".ts");
        QTranslator built;
        QVERIFY(built.load(":/translations/angulor_" + language + ".qm"));
        std::set<std::tuple<QString, QString, QString>> tsTexts;
        QString faults;
        for (const TsMessage &m : messages) {
            tsTexts.insert({m.context, m.source, m.comment});
            const QString fault =
                !m.type.isEmpty()                                       ? "not finished"
                : m.translation.trimmed().isEmpty()                     ? "empty"
                : placeholders(m.source) != placeholders(m.translation) ? "placeholders differ"
                : m.source.endsWith(u'\n') != m.translation.endsWith(u'\n') ||
                        m.source.startsWith(u'\n') != m.translation.startsWith(u'\n')
                    ? "line breaks differ"
                : m.context == "ResultLine" && m.translation.contains(u'.') ? "holds a \".\""
                : built.translate(qPrintable(m.context), qPrintable(m.source),
                                  m.comment.isEmpty() ? nullptr : qPrintable(m.comment)) !=
                        m.translation
                    ? "not in the build"
                    : "";
            if (!fault.isEmpty())
                faults += m.context + " \"" + m.source + "\": " + fault + "\n";
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
        QVERIFY2(tsTexts == codeTexts, "the .ts file does not hold the code's texts: build "
                                       "update_translations");
        // The help text of the language: whole, and UTF-8 throughout.
        const FileReadResult help = PosixFileReader().read(
            Source + "/data/ang_help." + language + ".txt", 65530, TextEncoding::Utf8);
        QVERIFY(help.errorNumber == 0 && !help.truncated);
        QVERIFY(!help.text.contains(QChar::ReplacementCharacter));
    }

    // The window in the person's language, Qt's own texts included; in English without one.
    void windowSpeaksTheLanguage_data() {
        columns<QString, QString, QString, QString, QString, QString>(
            "language", "caption", "message", "line", "copy", "help");
        row("C", "C", "Radians to degrees",
            "Invalid input for degrees, minutes or seconds. | Degrees to radians",
            "1.000000 radians = 57° 17' 45\"\n", "&Copy", "Help for ANG");
        row("de", "de", "Bogenmaß in Grad",
            "Ungültige Eingabe für Grad, Minuten oder Sekunden. | Grad in Bogenmaß",
            "1.000000 rad = 57° 17' 45\"\n", "&Kopieren", "Hilfe zu ANG");
        row("zh_CN", "zh_CN", "弧度转角度", "度、分或秒的输入无效。 | 角度转弧度",
            "1.000000 弧度 = 57° 17' 45\"\n", "复制(&C)", "ANG 帮助");
    }
    void windowSpeaksTheLanguage() {
        QFETCH(QString, language);
        speak(language);
        LOADED_WINDOW(w);
        QTEST(w.get<QAbstractButton>("cmdRad2Deg")->text(), "caption");
        w.setFields("||x|||");
        w.click("cmdDeg2Rad");
        QVERIFY(!w.fake.messages.shown.isEmpty());
        QTEST(w.fake.messages.shown.last().text + " | " + w.fake.messages.shown.last().title,
              "message");
        w.setFields("1|||||");
        w.click("cmdRad2Deg");
        QTEST(w.output(), "line");

        // Qt's own texts: the field's context menu.
        const std::unique_ptr<QMenu> menu(w.field("txbRadians")->createStandardContextMenu());
        QStringList actions;
        for (const QAction *action : menu->actions())
            actions << action->text().section(u'\t', 0, 0);
        QFETCH(QString, copy);
        QVERIFY2(actions.contains(copy), qPrintable(actions.join(u'|')));

        // The help text of the language, or the English one; no other file is there.
        const QString file = QCoreApplication::applicationDirPath() +
                             (language == "C" ? "/ang_help.txt" : "/ang_help." + language + ".txt");
        w.fake.files.byPath[file].text = file;
        w.fake.files.next.errorNumber = 53;
        w.click("cmdHelp");
        QWidget *viewer = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            viewer = window->inherits("frmView") && window->isVisible() ? window : viewer;
        QVERIFY(viewer);
        QTRY_COMPARE(viewer->findChild<QPlainTextEdit *>()->toPlainText(), file);
        QTEST(viewer->windowTitle(), "help");
        QCOMPARE(w.fake.messages.shown.size(), 1);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"

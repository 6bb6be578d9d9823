#include "CatalogueLayout.h"
#include "DataTable.h"
#include "DesignFont.h"
#include "FakePlatform.h"
#include "Language.h"
#include "LoadedWindow.h"
#include "PosixFileReader.h"
#include "ProgramList.h"
#include "Translations.h"
#include "frmQSsoftware.h"
#include "frmViewLayout.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
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
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            TsMessage message{context, {}, {}, {}, {}};
            while (xml.readNextStartElement()) {
                const QString type = xml.attributes().value("type").toString();
                const auto element = xml.name().toString();
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (element == u"source")
                    message.source = text;
                else if (element == u"comment")
                    message.comment = text;
                else if (element == u"translation")
                    message.translation = text, message.type = type;
            }
            messages.append(message);
        }
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
    Translations::Install(*QCoreApplication::instance());
}

// Room the control leaves its caption, the style's own margins taken off, and the caption's
// extent in the control's font enlarged by `scale`; a word-wrapped caption is measured broken
// into lines.
QString misfit(QWidget *control, const QString &text, double scale) {
    QRect room = control->contentsRect();
    QStyleOptionButton option;
    option.initFrom(control);
    option.text = text;
    if (qobject_cast<QPushButton *>(control))
        room = control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, control);
    else if (qobject_cast<QCheckBox *>(control))
        room = control->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, control);
    else if (qobject_cast<QRadioButton *>(control))
        room = control->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, control);
    // A control that a later one overlaps at the height of its caption (a label reaching under
    // its field) ends where that one begins.
    if (QWidget *parent = control->parentWidget()) {
        const QRect own = control->geometry();
        for (const QWidget *other : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QRect theirs = other->geometry();
            if (other != control && other->isVisible() && theirs.left() > own.left() &&
                theirs.left() <= own.right() && theirs.top() <= own.center().y() &&
                theirs.bottom() >= own.center().y())
                room.setRight(qMin(room.right(), theirs.left() - own.left() - 1));
        }
    }
    QFont font = control->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    const QFontMetricsF metrics(font);
    const auto *label = qobject_cast<QLabel *>(control);
    const QSizeF needed =
        label && label->wordWrap()
            ? metrics.boundingRect(QRectF(0, 0, room.width(), 1e6), Qt::TextWordWrap, text).size()
            : QSizeF(metrics.horizontalAdvance(text), 0);
    if (needed.width() <= room.width() && needed.height() <= room.height() + 0.5)
        return {};
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6\n")
        .arg(control->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// A stand-in for a control of the catalogue or the viewer, at its place in their layouts.
QString standInMisfit(QWidget *control, const QString &name, const Twips::Rect &place,
                      const QFont &font, const QString &text, double scale) {
    control->setObjectName(name);
    control->setFont(font);
    control->setGeometry(Twips::toPixels(place, 96 * scale));
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setWordWrap(true);
    return misfit(control, text, scale);
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
    void cleanup() { speak("C"); }

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
        row("LANGUAGE=C", "C", "", "", "de_DE.UTF-8", "", "");
        row("English asked first", "en_GB:de", "", "", "de_DE.UTF-8", "", "");
        row("C locale ignores LANGUAGE", "de", "C", "", "", "", "");
        row("C.UTF-8 locale takes LANGUAGE", "zh_CN", "C.UTF-8", "", "", "zh_CN zh", "zh_CN");
        row("nothing set", "de", "", "", "", "", "");
        row("unknown language", "", "", "", "xx_YY.UTF-8", "xx_YY xx", "");
    }
    void languageFollowsTheDesktop() {
        QFETCH(QString, LANGUAGE);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, LANG);
        const QStringList preferred = Language::Preferred({LANGUAGE, lcAll, lcMessages, LANG});
        QTEST(preferred.join(u' '), "preferred");
        QTEST(Language::Chosen(preferred, [](const QString &l) { return Languages.contains(l); }),
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
        // A message's title is the caption of the button that started it.
        for (const char *caption : {"Radians to degrees", "Degrees to radians"})
            QCOMPARE(built.translate("Operations", caption),
                     built.translate("frmMain", caption, "button"));
    }

    // Each caption fits its control at the design font, at the display scales.
    void captionsFit_data() {
        columns<QString, double>("language", "scale");
        for (const QString &language : QStringList{"C"} + Languages) {
            for (const double scale : {1.0, 1.5, 2.0})
                QTest::addRow("%s at %g", qPrintable(language), scale) << language << scale;
        }
    }
    void captionsFit() {
        QFETCH(QString, language);
        QFETCH(double, scale);
        speak(language);
        LoadedWindow w(QRect(0, 0, 4000, 3000), 96 * scale);
        QVERIFY(w.active);
        QString faults;
        for (QWidget *control : w.window.findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(control);
            const auto *button = qobject_cast<QAbstractButton *>(control);
            const QString text = label ? label->text() : button ? button->text() : QString();
            if (!text.isEmpty())
                faults += misfit(control, text, scale);
        }

        FakePlatform fake;
        fake.screen.dpi = 96 * scale;
        frmQSsoftware catalogue(nullptr, fake.platform);
        catalogue.show();
        faults += misfit(catalogue.lblIntro, catalogue.lblIntro->text(), scale);
        QPushButton *close = catalogue.findChild<QPushButton *>();
        faults += misfit(close, close->text(), scale);
        QLabel label;
        ProgramTable programs;
        for (int i = 0; i < BuildProgramList(SiteURL, programs); ++i) {
            faults += standInMisfit(&label, "lblTitle", CatalogueLayout::lblTitle,
                                    catalogue.lblTitle[0]->font(), programs[i].Title, scale);
            faults += standInMisfit(&label, "lblDescription", CatalogueLayout::lblDescription,
                                    catalogue.lblDescription[0]->font(),
                                    DescriptionCaption(programs[i]), scale);
        }
        QPushButton button;
        const QFont tahoma = DesignFont("Tahoma", frmViewLayout::fontPoints);
        const auto viewer = [](const char *text) {
            return QCoreApplication::translate("frmView", text, "button");
        };
        faults +=
            standInMisfit(&button, "cmdClose", frmViewLayout::cmdClose, tahoma,
                          QCoreApplication::translate("frmView", "Close", "small button"), scale);
        faults += standInMisfit(&button, "cmdCopyToClipboard", frmViewLayout::cmdCopyToClipboard,
                                tahoma, viewer("Copy to clipboard"), scale);
        Twips::Rect selection = frmViewLayout::cmdCopyToClipboard;
        selection.width = frmViewLayout::copySelectionWidth;
        faults += standInMisfit(&button, "cmdCopyToClipboard", selection, tahoma,
                                viewer("Copy selected text to clipboard"), scale);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }

    // The window in the person's language, Qt's own texts included; in English without one.
    void windowSpeaksTheLanguage_data() {
        columns<QString, QString, QString, QString, QString, QString, QString, QString>(
            "language", "caption", "message", "title", "line", "ok", "copy", "help");
        row("C", "C", "Radians to degrees", "Invalid input for degrees, minutes or seconds.",
            "Degrees to radians", "1.000000 radians = 57° 17' 45\"\n", "OK", "&Copy",
            "Help for ANG|ANGULOR 4.00 - HELP");
        row("de", "de", "Bogenmaß in Grad",
            "Ungültige Eingabe für Grad, Minuten oder "
            "Sekunden.",
            "Grad in Bogenmaß", "1.000000 rad = 57° 17' 45\"\n", "OK", "&Kopieren",
            "Hilfe zu ANG|ANGULOR 4.00 - HILFE");
        row("zh_CN", "zh_CN", "弧度转角度",
            "度、分或秒的"
            "输入无效。",
            "角度转弧度", "1.000000 弧度 = 57° 17' 45\"\n", "确定", "复制(&C)",
            "ANG 帮助|ANGULOR 4.00 - 帮助");
    }
    void windowSpeaksTheLanguage() {
        QFETCH(QString, language);
        speak(language);
        LOADED_WINDOW(w);
        QTEST(w.get<QAbstractButton>("cmdRad2Deg")->text(), "caption");
        w.setFields("||x|||");
        w.click("cmdDeg2Rad");
        QVERIFY(!w.fake.messages.shown.isEmpty());
        QTEST(w.fake.messages.shown.last().text, "message");
        QTEST(w.fake.messages.shown.last().title, "title");
        w.setFields("1|||||");
        w.click("cmdRad2Deg");
        QTEST(w.output(), "line");

        QMessageBox box(QMessageBox::Information, "", "", QMessageBox::Ok);
        QTEST(box.button(QMessageBox::Ok)->text(), "ok");
        const std::unique_ptr<QMenu> menu(w.field("txbRadians")->createStandardContextMenu());
        QStringList actions;
        for (const QAction *action : menu->actions())
            actions << action->text().section(u'\t', 0, 0);
        QFETCH(QString, copy);
        QVERIFY2(actions.contains(copy), qPrintable(actions.join(u'|')));

        // The help text of the language, read as the program reads it, or the English one.
        const QString folder = QCoreApplication::applicationDirPath();
        const bool english = language == "C";
        const QString file = english ? "/ang_help.txt" : "/ang_help." + language + ".txt";
        w.fake.files.byPath[folder + file] =
            PosixFileReader().read(Source + "/data" + file, 65530,
                                   english ? TextEncoding::Windows1252 : TextEncoding::Utf8);
        w.fake.files.next.errorNumber = 53;
        w.click("cmdHelp");
        QWidget *viewer = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            viewer = window->inherits("frmView") && window->isVisible() ? window : viewer;
        QVERIFY(viewer);
        auto *text = viewer->findChild<QPlainTextEdit *>("txbText1");
        QTRY_VERIFY(!text->toPlainText().isEmpty());
        QTEST(viewer->windowTitle() + "|" + text->toPlainText().section(u'\n', 0, 0), "help");
        QCOMPARE(w.fake.files.paths.last(), folder + file);
        QVERIFY(w.fake.messages.shown.size() == 1);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"

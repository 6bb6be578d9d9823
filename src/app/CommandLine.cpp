#include "CommandLine.h"

#include "SpecifySoftware.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

namespace {

// The options the GUI application takes out of the arguments itself. They are declared, hidden,
// only so that the parser does not call them unknown.
const char *const QtOptionsWithValue[] = {"platform",      "platformpluginpath",
                                          "platformtheme", "plugin",
                                          "display",       "qwindowgeometry",
                                          "geometry",      "qwindowtitle",
                                          "title",         "qwindowicon",
                                          "icon",          "session",
                                          "name",          "visual",
                                          "style",         "stylesheet"};
const char *const QtFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount", "testability"};

void addHidden(QCommandLineParser &parser, const char *name, bool takesValue) {
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

void print(std::FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

namespace CommandLine {

Reading read(int argc, char *argv[]) {
    // No application object yet: that would need the display, and --help must work without.
    const QString program = QStringLiteral("angulor");
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    QCommandLineParser parser;
    // Qt's own options are single-dash words, as in -platform offscreen.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("A calculator for plane angles: converts radians into degrees, minutes "
                       "and seconds and back,\nand adds and subtracts angles."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : QtOptionsWithValue)
        addHidden(parser, name, true);
    for (const char *name : QtFlags)
        addHidden(parser, name, false);

    QString mistake;
    if (!parser.parse(arguments))
        mistake = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        mistake = QStringLiteral("Unexpected argument '%1'.")
                      .arg(parser.positionalArguments().constFirst());
    if (!mistake.isEmpty()) {
        print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(program, mistake));
        return {false, 2, false};
    }
    if (parser.isSet(help)) {
        // The usage line names the program as the manual page does, whatever path started it.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(u'\n'), QStringLiteral("Usage: %1 [options]").arg(program));
        print(stdout, text + QStringLiteral("\nQt's standard options, such as -platform, -display "
                                            "and -style, are accepted too.\n"));
        return {false, 0, false};
    }
    if (parser.isSet(version)) {
        const SoftwareIdentityRecord identity = SpecifySoftware::SoftwareIdentity();
        print(stdout, QString::fromStdString(identity.Title + ' ' + identity.Version + '\n'));
        return {false, 0, false};
    }
    return {true, 0,
            parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"))};
}

} // namespace CommandLine

#include "CommandLine.h"

#include "SpecifySoftware.h"
#include "Translations.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

const QString Program = QStringLiteral("angulor");

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

// The options of the conversions, read by their own loop because their values may begin with
// a "-" ("--to-degrees -1").
const QString ToRadians = QStringLiteral("to-radians");
const QString ToDegrees = QStringLiteral("to-degrees");
const QString PrecisionOption = QStringLiteral("precision");
const QString DecimalDegrees = QStringLiteral("decimal-degrees");
const QString DecimalMinutes = QStringLiteral("decimal-minutes");
const QString RoundToMinutes = QStringLiteral("round-to-minutes");

// No application object exists yet.
QString translated(const char *text) {
    return Translations::beforeApplication("CommandLine", text);
}

void print(std::FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

CommandLine::Reading mistake(const QString &text) {
    //: %1 is the program's name, %2 what is wrong; keep "--help".
    print(stderr, translated(QT_TRANSLATE_NOOP("CommandLine",
                                               "%1: %2\nTry '%1 --help' for more information.\n"))
                      .arg(Program, text));
    return {false, 2, false, {}, {}};
}

CommandLine::Reading ended(int status) {
    return {false, status, false, {}, {}};
}

void addHidden(QCommandLineParser &parser, const char *name, bool takesValue) {
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

struct Declared {
    QCommandLineOption help{
        {QStringLiteral("h"), QStringLiteral("help")},
        translated(QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit."))};
    QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        translated(QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit."))};
};

void declare(QCommandLineParser &parser, const Declared &declared) {
    // Qt's own options are single-dash words, as in -platform offscreen.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(translated(QT_TRANSLATE_NOOP(
        "CommandLine", "A calculator for plane angles: converts radians into degrees, minutes "
                       "and seconds and back,\nand adds and subtracts angles.")));
    parser.addOption(declared.help);
    parser.addOption(declared.version);
    parser.addOptions({
        {ToRadians, translated(QT_TRANSLATE_NOOP(
                        "CommandLine", "Convert each ANGLE into radians, as the Degrees to radians "
                                       "button does."))},
        {ToDegrees, translated(QT_TRANSLATE_NOOP(
                        "CommandLine", "Convert each value in RADIANS into degrees, as the Radians "
                                       "to degrees button does."))},
        {PrecisionOption,
         translated(QT_TRANSLATE_NOOP("CommandLine",
                                      "Significant figures: 6, 7, 8 or 9 (8 when not given).")),
         QStringLiteral("N")},
        {DecimalDegrees, translated(QT_TRANSLATE_NOOP("CommandLine", "Write decimal degrees."))},
        {DecimalMinutes,
         translated(QT_TRANSLATE_NOOP("CommandLine", "Write degrees and decimal minutes."))},
        {RoundToMinutes, translated(QT_TRANSLATE_NOOP("CommandLine", "Round to whole minutes."))},
    });
    for (const char *name : QtOptionsWithValue)
        addHidden(parser, name, true);
    for (const char *name : QtFlags)
        addHidden(parser, name, false);
}

void printHelp() {
    QCommandLineParser parser;
    const Declared declared;
    declare(parser, declared);
    // The usage lines name the program as the manual page does, whatever path started it.
    QString text = parser.helpText();
    text.replace(0, text.indexOf(u'\n'),
                 translated(QT_TRANSLATE_NOOP("CommandLine",
                                              "Usage: %1 [options]\n"
                                              "       %1 --to-radians [options] [ANGLE...]\n"
                                              "       %1 --to-degrees [options] [RADIANS...]"))
                     .arg(Program));
    text +=
        translated(
            QT_TRANSLATE_NOOP(
                "CommandLine",
                "\nAn ANGLE is written as in 12°30'15\", 12 30 15, 12:30:15, -12°30.5' or "
                "43°14'12.5\"N."
                "\nEach value prints the line that the window writes into its output box. Without "
                "values,"
                "\none value is read from each line of the standard input. A value that begins "
                "with '-'"
                "\nis a value, not an option; -- ends the options. The conversions need no display."
                "\n\nExamples:"
                "\n  %1 --to-radians \"43°14'12.5\\\"N\" -12:30"
                "\n  %1 --to-degrees --precision 9 1 -0.5"
                "\n  %1 --to-degrees --decimal-degrees < bearings.txt"
                "\n\nQt's standard options, such as -platform, -display and -style, are accepted "
                "too.\n"))
            .arg(Program);
    print(stdout, text);
}

void printVersion() {
    const SoftwareIdentityRecord identity = SpecifySoftware::SoftwareIdentity();
    print(stdout, QString::fromStdString(identity.Title + ' ' + identity.Version + '\n'));
}

bool isConversion(const QStringList &arguments) {
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != QStringLiteral("--"); ++i)
        if (arguments[i] == "--" + ToRadians || arguments[i] == "--" + ToDegrees)
            return true;
    return false;
}

// A conversion: options are the words that begin with "--"; every other word after the
// direction is a value, and every word after "--".
CommandLine::Reading readConversion(const QStringList &arguments, char *argv[]) {
    Conversion::Request request;
    bool directionGiven = false;
    int forms = 0;
    bool valuesOnly = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (valuesOnly || !argument.startsWith(QStringLiteral("--"))) {
            if (!directionGiven && !valuesOnly) {
                if (argument == QStringLiteral("-h") || argument == QStringLiteral("-help")) {
                    printHelp();
                    return ended(0);
                }
                if (argument == QStringLiteral("-v") || argument == QStringLiteral("-version")) {
                    printVersion();
                    return ended(0);
                }
                return mistake(
                    translated(QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument '%1'."))
                        .arg(argument));
            }
            // The bytes as given: the readers judge them.
            request.values.emplace_back(argv[i]);
            continue;
        }
        if (argument == QStringLiteral("--")) {
            valuesOnly = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        std::optional<QString> value;
        if (equals >= 0)
            value = argument.mid(equals + 1);
        if (name == PrecisionOption) {
            if (!value) {
                if (i + 1 == arguments.size())
                    return mistake(
                        translated(QT_TRANSLATE_NOOP("CommandLine", "Missing value after '%1'."))
                            .arg(argument));
                value = arguments[++i];
            }
            if (value->size() != 1 || (*value)[0] < u'6' || (*value)[0] > u'9')
                return mistake(
                    translated(QT_TRANSLATE_NOOP("CommandLine",
                                                 "--precision takes 6, 7, 8 or 9, not '%1'."))
                        .arg(*value));
            // The list entry shown is one more than the precision the operations read.
            request.options.precision = static_cast<std::int16_t>((*value)[0].unicode() - '1');
            continue;
        }
        if (value)
            return mistake(
                translated(QT_TRANSLATE_NOOP("CommandLine", "Unexpected value after '--%1'."))
                    .arg(name));
        if (name == ToRadians || name == ToDegrees) {
            if (directionGiven)
                return mistake(translated(QT_TRANSLATE_NOOP(
                    "CommandLine", "Give only one of --to-radians and --to-degrees.")));
            directionGiven = true;
            request.direction = name == ToRadians ? Conversion::Direction::ToRadians
                                                  : Conversion::Direction::ToDegrees;
        } else if (name == DecimalDegrees || name == DecimalMinutes) {
            ++forms;
            request.options.decimalOutput = true;
            request.options.decimalUnit =
                name == DecimalDegrees ? DecimalUnit::Degrees : DecimalUnit::Minutes;
        } else if (name == RoundToMinutes) {
            ++forms;
            request.options.roundToMinutes = true;
        } else if (name == QStringLiteral("help")) {
            printHelp();
            return ended(0);
        } else if (name == QStringLiteral("version")) {
            printVersion();
            return ended(0);
        } else {
            return mistake(
                translated(QT_TRANSLATE_NOOP("CommandLine", "Unknown option '%1'.")).arg(name));
        }
    }
    // The window never lets two of these forms be chosen at once.
    if (forms > 1)
        return mistake(translated(QT_TRANSLATE_NOOP(
            "CommandLine", "Give only one of --decimal-degrees, --decimal-minutes "
                           "and --round-to-minutes.")));
    return {true, 0, false, request, {}};
}

// Qt's options with a value take it as the next argument: "-platform=offscreen" and
// "--style=Fusion" are handed on as "-platform" "offscreen" and "-style" "Fusion".
std::vector<std::string> qtArguments(const QStringList &arguments, char *argv[]) {
    std::vector<std::string> out{argv[0]};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const qsizetype equals = argument.indexOf(u'=');
        if (argument.startsWith(u'-') && equals > 0) {
            QString name = argument.left(equals);
            while (name.startsWith(u'-'))
                name.remove(0, 1);
            const auto named = [&](const char *option) { return name == QLatin1String(option); };
            if (std::any_of(std::begin(QtOptionsWithValue), std::end(QtOptionsWithValue), named)) {
                out.push_back(("-" + name).toLocal8Bit().toStdString());
                out.push_back(argument.mid(equals + 1).toLocal8Bit().toStdString());
                continue;
            }
        }
        out.emplace_back(argv[i]);
    }
    return out;
}

} // namespace

namespace CommandLine {

Reading read(int argc, char *argv[]) {
    // No application object yet: that would need the display, and --help must work without.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (isConversion(arguments))
        return readConversion(arguments, argv);

    QCommandLineParser parser;
    const Declared declared;
    declare(parser, declared);
    QString problem;
    if (!parser.parse(arguments))
        problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        problem = translated(QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument '%1'."))
                      .arg(parser.positionalArguments().constFirst());
    else
        for (const QString &name :
             {PrecisionOption, DecimalDegrees, DecimalMinutes, RoundToMinutes})
            if (parser.isSet(name))
                problem = translated(QT_TRANSLATE_NOOP(
                                         "CommandLine",
                                         "--%1 works only with --to-radians or --to-degrees."))
                              .arg(name);
    if (!problem.isEmpty())
        return mistake(problem);
    if (parser.isSet(declared.help)) {
        printHelp();
        return ended(0);
    }
    if (parser.isSet(declared.version)) {
        printVersion();
        return ended(0);
    }
    return {true, 0,
            parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display")),
            std::nullopt, qtArguments(arguments, argv)};
}

} // namespace CommandLine

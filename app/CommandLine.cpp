// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "app/CommandLine.h"

#include "app/DisplayReach.h"

#include <cstdio>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr int BadArgument = 2;

struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// One line, prefixed with the program's name as the user typed it.
int fail(const QString& message)
{
    const QString program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
    std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(message));
    return BadArgument;
}

int badValue(const QCommandLineOption& option, const QString& value, const QString& why)
{
    return fail(CommandLine::tr("invalid value '%1' for --%2: %3")
                    .arg(value, option.names().constFirst(), why));
}

// The option's value made absolute into `file`, or the status to exit with
// when it names no file in a folder that exists.
std::optional<int> readFileName(const QCommandLineParser& parser, const QCommandLineOption& option,
                                QString& file)
{
    const QString value = parser.value(option);
    const QFileInfo info(value);
    if (value.isEmpty() || info.isDir())
        return badValue(option, value, CommandLine::tr("a file name is expected"));
    if (!info.dir().exists())
        return badValue(option, value,
                        CommandLine::tr("the folder %1 does not exist").arg(info.path()));
    file = info.absoluteFilePath();
    return std::nullopt;
}

// A whole number from `least` to `most` into `number`, or the status to exit
// with; `expected` says what the option takes.
std::optional<int> readNumber(const QCommandLineParser& parser, const QCommandLineOption& option,
                              int least, int most, const QString& expected, int& number)
{
    bool isNumber = false;
    number = parser.value(option).toInt(&isNumber);
    if (!isNumber || number < least || number > most)
        return badValue(option, parser.value(option), expected);
    return std::nullopt;
}

// "on" or "off" into `level`, or the status to exit with.
std::optional<int> readLevel(const QCommandLineParser& parser, const QCommandLineOption& option,
                             std::optional<bool>& level)
{
    if (!parser.isSet(option))
        return std::nullopt;
    const QString value = parser.value(option);
    if (value != QLatin1String("on") && value != QLatin1String("off"))
        return badValue(option, value, CommandLine::tr("on or off is expected"));
    level = value == QLatin1String("on");
    return std::nullopt;
}

// The options this program takes, read from the application's arguments.
class Options
{
public:
    Options()
    {
        parser.setApplicationDescription(
            CommandLine::tr("Shows the handshake input lines of a serial port as lamps."));
        // "-reverse" is one of Qt's options, not -r -e -v (--version) ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(port);
        parser.addOption(settings);
        parser.addOption(log);
        parser.addOption(pollOnly);
        parser.addOption(dtr);
        parser.addOption(rts);
        parser.addOption(pulse);
        parsed = parser.parse(QCoreApplication::arguments());
    }

    bool asks(const char* name) const { return parser.isSet(QString::fromLatin1(name)); }

    std::variant<StartOptions, int> startOptions() const;

    const QCommandLineOption port{QStringLiteral("port"),
                                  CommandLine::tr("Starts on Com <N> (1 to 9) and keeps it."),
                                  QStringLiteral("N")};
    const QCommandLineOption settings{
        QStringLiteral("settings"),
        CommandLine::tr("Keeps the settings in <file> instead of the per-user file."),
        CommandLine::tr("file")};
    const QCommandLineOption log{
        QStringLiteral("log"),
        CommandLine::tr("Appends each change of the lines to <file> (- for standard output); "
                        "a <file> ending in .vcd or .csv is written anew in that format."),
        CommandLine::tr("file")};
    const QCommandLineOption pollOnly{
        QStringLiteral("poll-only"),
        CommandLine::tr("Reads the lines ten times a second only, not also as they change.")};
    const QCommandLineOption dtr{
        QStringLiteral("dtr"),
        CommandLine::tr("Opens every port with DTR <on> or off in this run, not stored."),
        QStringLiteral("on|off")};
    const QCommandLineOption rts{
        QStringLiteral("rts"),
        CommandLine::tr("Opens every port with RTS <on> or off in this run, not stored."),
        QStringLiteral("on|off")};
    const QCommandLineOption pulse{
        QStringLiteral("pulse"),
        CommandLine::tr("Pulse DTR and Pulse RTS last <MS> milliseconds (1 to 10000; 100)."),
        QStringLiteral("MS")};
    QCommandLineParser parser;
    bool parsed = false;
};

std::variant<StartOptions, int> Options::startOptions() const
{
    if (!parsed)
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(CommandLine::tr("unexpected argument '%1'")
                        .arg(parser.positionalArguments().constFirst()));

    StartOptions options;
    if (parser.isSet(port)) {
        int n = 0;
        if (const auto status = readNumber(
                parser, port, 1, 9, CommandLine::tr("a port number from 1 to 9 is expected"), n))
            return *status;
        options.port = n;
    }
    if (parser.isSet(settings)) {
        if (const auto status = readFileName(parser, settings, options.settingsFile))
            return *status;
    }
    if (parser.isSet(log) && parser.value(log) == QLatin1String("-")) {
        options.logFile = parser.value(log);
    } else if (parser.isSet(log)) {
        if (const auto status = readFileName(parser, log, options.logFile))
            return *status;
    }
    options.pollOnly = parser.isSet(pollOnly);
    for (const auto& [option, level] :
         {std::pair{&dtr, &options.dataTerminalReady}, std::pair{&rts, &options.requestToSend}}) {
        if (const auto status = readLevel(parser, *option, *level))
            return *status;
    }
    if (parser.isSet(pulse)) {
        int ms = 0;
        if (const auto status = readNumber(
                parser, pulse, 1, 10000,
                CommandLine::tr("a length from 1 to 10000 milliseconds is expected"), ms))
            return *status;
        options.pulseLength = std::chrono::milliseconds(ms);
    }
    return options;
}

} // namespace

std::optional<int> answerBeforeDisplay()
{
    const Options options;
    if (options.asks("help")) {
        std::fputs(qPrintable(options.parser.helpText()), stdout);
        return 0;
    }
    if (options.asks("version")) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    const bool reachable = displayMayBeReached(QCoreApplication::arguments());
    if (options.asks("help-all")) {
        // Qt's options are listed by its application object, which can be
        // made without a display on the offscreen platform.
        if (!reachable)
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::nullopt;
    }
    if (!options.parsed && reachable)
        return std::nullopt;
    const auto read = options.startOptions();
    if (const int* status = std::get_if<int>(&read))
        return *status;
    return std::nullopt;
}

std::variant<StartOptions, int> readCommandLine()
{
    Options options;
    if (options.parsed && options.asks("help-all"))
        options.parser.process(*QCoreApplication::instance()); // prints and exits
    return options.startOptions();
}

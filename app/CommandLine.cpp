#include "app/CommandLine.h"

#include <cstdio>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr int BadArgument = 2;

// One line, prefixed with the program's name as the user typed it.
int fail(const QString& message)
{
    const QString program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
    std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(message));
    return BadArgument;
}

int badValue(const QCommandLineOption& option, const QString& value, const QString& why)
{
    return fail(QStringLiteral("invalid value '%1' for --%2: %3")
                    .arg(value, option.names().constFirst(), why));
}

} // namespace

std::variant<StartOptions, int> readCommandLine(int& argc, char* argv[])
{
    // A core application reads the arguments as the platform hands them over
    // and names the program in the help, without connecting to a display.
    const QCoreApplication arguments(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the handshake input lines of a serial port as lamps."));
    // Not addHelpOption(): its --help-all lists Qt's own options, which this
    // command line is read before and does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Starts on Com <N> (1 to 9) and keeps it."),
                                  QStringLiteral("N"));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Keeps the settings in <file> instead of the per-user file."),
        QStringLiteral("file"));
    parser.addOption(port);
    parser.addOption(settings);

    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument '%1'")
                        .arg(parser.positionalArguments().constFirst()));

    StartOptions options;
    if (parser.isSet(port)) {
        bool isNumber = false;
        const int n = parser.value(port).toInt(&isNumber);
        if (!isNumber || n < 1 || n > 9)
            return badValue(port, parser.value(port),
                            QStringLiteral("a port number from 1 to 9 is expected"));
        options.port = n;
    }
    if (parser.isSet(settings)) {
        const QFileInfo file(parser.value(settings));
        if (parser.value(settings).isEmpty() || file.isDir())
            return badValue(settings, parser.value(settings),
                            QStringLiteral("a file name is expected"));
        if (!file.dir().exists())
            return badValue(settings, parser.value(settings),
                            QStringLiteral("the folder %1 does not exist").arg(file.path()));
        options.settingsFile = file.absoluteFilePath();
    }
    return options;
}

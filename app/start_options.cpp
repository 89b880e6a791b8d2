#include "app/start_options.h"

#include <QCommandLineParser>

namespace ormix::app {

StartOptions ParseStartOptions(const QStringList& arguments) {
    StartOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("ORMIX, the oil-spill weathering model for spill responders."));
    QCommandLineOption helpOption = parser.addHelpOption();
    QCommandLineOption versionOption = parser.addVersionOption();
    QCommandLineOption workDir(
        QStringLiteral("workdir"),
        QStringLiteral("Directory of the oil libraries OilLib and CustomLib and of the "
                       "diagnostic files (default: the current directory when it holds OilLib, "
                       "else the program's own data directory)."),
        QStringLiteral("DIR"));
    parser.addOption(workDir);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Scenario to open: a scenario file (.qsx) or a "
                                                "JSON scenario (.json)."),
                                 QStringLiteral("[FILE]"));
    options.usage = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                              QStringLiteral("ormix-desktop"));
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.help = parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"));
    options.version = parser.isSet(versionOption);
    options.workDir = parser.value(workDir);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        options.error = QStringLiteral(
            "Only one scenario can be named on the command line; "
            "open the others from the File menu.");
        return options;
    }
    if (!files.isEmpty()) options.file = files.front();
    return options;
}

bool AsksForUsageOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("-h") || a == QLatin1String("--help") ||
            a == QLatin1String("--help-all") || a == QLatin1String("-v") ||
            a == QLatin1String("--version"))
            return true;
    }
    return false;
}

}  // namespace ormix::app

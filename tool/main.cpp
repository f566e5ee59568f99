#include "commands.h"

#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv)
{
    // Over a file-size limit a write fails with EFBIG instead of ending the
    // tool, so that the report's save sees it and keeps the old page.
    std::signal(SIGXFSZ, SIG_IGN);
    // The report's drawing lays out text, which needs a graphical application;
    // the tool shows no window, so it needs no display either. The application
    // is given no argument of the command line, so that none of them (a title
    // of "-reverse", say) is taken as an option of Qt's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Starting it may warn of a desktop session the tool has no use for (no
    // XDG_RUNTIME_DIR under a service account): what the tool prints is its
    // own. What would end it is still said.
    const QtMessageHandler standard = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(message));
        });
    // It lives as long as the process: taking the offscreen platform down
    // leaves its screen behind, which a leak check would count against the tool.
    static int appArgc = 1;
    static QGuiApplication* const app = new QGuiApplication(appArgc, argv);
    Q_UNUSED(app)
    qInstallMessageHandler(standard);
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    QCoreApplication::setApplicationName(QStringLiteral("positioner-tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(POSITIONER_TOOL_VERSION));

    // The operator's language from the catalogues installed with the program,
    // or, run from a build tree, the ones built beside it; English without one.
    QTranslator translator;
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const char* relative : {POSITIONER_TOOL_INSTALLED_TRANSLATIONS, POSITIONER_TOOL_BUILT_TRANSLATIONS}) {
        if (translator.load(QLocale(), QStringLiteral("positioner"), QStringLiteral("_"),
                            programDir + QLatin1Char('/') + QString::fromUtf8(relative))) {
            QCoreApplication::installTranslator(&translator);
            break;
        }
    }

    QTextStream out(stdout);
    QTextStream err(stderr);
    return tool::runTool(arguments, out, err);
}

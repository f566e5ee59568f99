#include "commands.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv)
{
    // Over a file-size limit a write fails with EFBIG instead of ending the
    // tool, so that the report's save sees it and keeps the old page.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
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
    return tool::runTool(QCoreApplication::arguments(), out, err);
}

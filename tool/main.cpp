#include "commands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("positioner-tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(POSITIONER_TOOL_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return tool::runTool(QCoreApplication::arguments(), out, err);
}

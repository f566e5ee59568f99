// The command line: one command per run, its own options and --help, and the
// same exit statuses everywhere.
#include "commands.h"
#include "inputfile.h"
#include "tooltext.h"

#include <atomicsave.h>

#include <QCommandLineParser>
#include <QFile>
#include <QHash>

#include <cerrno>
#include <sys/stat.h>

namespace tool {

namespace {

QString exitStatusHelp()
{
    return PositionerTool::tr("Exit status: 0 clean, 1 findings, 2 not a calibration file, unreadable, or a usage "
                              "error.");
}

class Command
{
public:
    Command(const QString& name, const QString& description, QTextStream& out, QTextStream& err)
        : name_(name), out_(out), err_(err)
    {
        parser_.setApplicationDescription(description);
        parser_.addPositionalArgument(name, PositionerTool::tr("The command."), name);
        parser_.addHelpOption();
    }

    void addAxisCount()
    {
        parser_.addOption({QStringLiteral("axis-count"),
                           PositionerTool::tr("The robot's own axis count, which offsets the axis indices (default "
                                              "6)."),
                           QStringLiteral("N"), QStringLiteral("6")});
    }
    QCommandLineParser& parser() { return parser_; }

    // Parses; false when the run ends here with `status`: help shown, or a
    // usage error reported.
    bool parse(const QStringList& arguments, const QStringList& files, int& status)
    {
        for (const QString& file : files)
            parser_.addPositionalArgument(file, fileHelp_.value(file, PositionerTool::tr("The file to read.")), file);
        if (!parser_.parse(arguments))
            return usage(parser_.errorText(), status);
        if (parser_.isSet(QStringLiteral("help"))) {
            out_ << parser_.helpText();
            status = Clean;
            return false;
        }
        const QStringList positional = parser_.positionalArguments();
        if (positional.size() != files.size() + 1)
            return usage(PositionerTool::tr("%1 takes %2 file argument(s)").arg(name_).arg(files.size()), status);
        axisCount_ = 6;
        if (parser_.optionNames().contains(QStringLiteral("axis-count"))) {
            bool ok = false;
            axisCount_ = parser_.value(QStringLiteral("axis-count")).toInt(&ok);
            if (!ok || axisCount_ < 0 || axisCount_ > 64)
                return usage(PositionerTool::tr("--axis-count takes a number from 0 to 64"), status);
        }
        return true;
    }

    QString file(int k) const { return parser_.positionalArguments().at(k + 1); }
    int axisCount() const { return axisCount_; }

    // Loads a calibration file; reports why not.
    bool load(CalibrationXml& xml, const QString& path)
    {
        if (xml.load(path) == CalibrationXml::Status::Ok)
            return true;
        err_ << path << ": " << xml.error() << "\n";
        return false;
    }

private:
    bool usage(const QString& message, int& status)
    {
        err_ << message << "\n"
             << PositionerTool::tr("See: positioner-tool %1 --help").arg(name_) << "\n";
        status = Unusable;
        return false;
    }

    QString name_;
    QTextStream& out_;
    QTextStream& err_;
    QCommandLineParser parser_;
    int axisCount_ = 6;
    const QHash<QString, QString> fileHelp_{{QStringLiteral("A"), PositionerTool::tr("The first calibration file.")},
                                            {QStringLiteral("B"), PositionerTool::tr("The second calibration file.")}};
};

int check(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    Command command(QStringLiteral("check"),
                    PositionerTool::tr("Checks a calibration file the way a careful reader would: ten <Positioner> "
                                       "entries with ids 1 to 10 in order, the nine value elements, <EnableAxesNum> "
                                       "matching the types, frames of six numbers with four decimals, nothing "
                                       "unexpected. Each finding names its line and says what the pendant's "
                                       "by-position read makes of it.\n") +
                        exitStatusHelp(),
                    out, err);
    command.addAxisCount();
    int status = Unusable;
    if (!command.parse(arguments, {QStringLiteral("FILE")}, status))
        return status;
    CalibrationXml xml;
    if (!command.load(xml, command.file(0)))
        return Unusable;
    const QVector<Finding> findings = checkCalibration(xml, command.axisCount());
    writeFindings(out, command.file(0), findings);
    if (findings.isEmpty())
        out << PositionerTool::tr("%1: no findings").arg(command.file(0)) << "\n";
    else
        out << PositionerTool::tr("%1: %2 finding(s)").arg(command.file(0), QString::number(findings.size())) << "\n";
    return findings.isEmpty() ? Clean : Findings;
}

int show(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    Command command(QStringLiteral("show"),
                    PositionerTool::tr("Shows the ten records as the pendant holds them after reading the file: "
                                       "types, indices after the offsets, frames.\n"
                                       "Exit status: 0 shown, 2 not a calibration file, unreadable, or a usage "
                                       "error."),
                    out, err);
    command.addAxisCount();
    command.parser().addOption({QStringLiteral("json"), PositionerTool::tr("JSON for scripts instead of a table.")});
    int status = Unusable;
    if (!command.parse(arguments, {QStringLiteral("FILE")}, status))
        return status;
    CalibrationXml xml;
    if (!command.load(xml, command.file(0)))
        return Unusable;
    const Records records = readRecords(xml, command.axisCount());
    if (command.parser().isSet(QStringLiteral("json")))
        out << QString::fromUtf8(showJson(records, command.axisCount()));
    else
        out << showTable(records, command.axisCount());
    return Clean;
}

int diff(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    Command command(QStringLiteral("diff"),
                    PositionerTool::tr("Compares two calibration files record by record, as the pendant reads them "
                                       "(for example the pendant's copy against the controller's, or before "
                                       "against after a calibration): which positioners differ, in which fields, "
                                       "and how far each frame moved (mm) and turned (degrees). The date comments "
                                       "and the layout are not compared.\n"
                                       "Exit status: 0 the same calibration, 1 differences, 2 either file is not a "
                                       "calibration file or unreadable, or a usage error."),
                    out, err);
    command.addAxisCount();
    int status = Unusable;
    if (!command.parse(arguments, {QStringLiteral("A"), QStringLiteral("B")}, status))
        return status;
    CalibrationXml a;
    CalibrationXml b;
    if (!command.load(a, command.file(0)) || !command.load(b, command.file(1)))
        return Unusable;
    const QVector<PositionerDifference> differences =
        diffRecords(readRecords(a, command.axisCount()), readRecords(b, command.axisCount()));
    out << diffText(differences);
    return differences.isEmpty() ? Clean : Findings;
}

int globalVar(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    Command command(QStringLiteral("globalvar"),
                    PositionerTool::tr("Finds every declaration of wobj_dyn0 in a GLOBAL.var, decodes its initial "
                                       "value and prints its user frame, object frame, flags and base name; reports "
                                       "what the controller would choke on.\n"
                                       "Exit status: 0 clean, 1 findings, 2 not a global variable file, "
                                       "unreadable, or a usage error."),
                    out, err);
    int status = Unusable;
    if (!command.parse(arguments, {QStringLiteral("FILE")}, status))
        return status;
    QByteArray bytes;
    QString error;
    if (!readInputFile(command.file(0), bytes, error)) {
        err << command.file(0) << ": " << error << "\n";
        return Unusable;
    }
    const GlobalVarInspection inspection = inspectGlobalVar(bytes);
    if (inspection.status == Unusable) {
        err << command.file(0) << ": " << inspection.error << "\n";
        return Unusable;
    }
    writeGlobalVarText(out, inspection, command.file(0));
    return inspection.status;
}

// The same file under any name: a link, hard or symbolic, included.
bool sameFile(const QString& a, const QString& b)
{
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// The page replaces the old one whole or not at all, through the save the
// library's files take: a document of one text, written as it stands.
bool savePage(const QByteArray& html, const QString& path)
{
    pugi::xml_document page;
    page.append_child(pugi::node_pcdata).set_value(html.constData());
    return Positioner::saveXml(page, path, "",
                                    pugi::format_raw | pugi::format_no_declaration | pugi::format_no_escapes,
                                    pugi::encoding_utf8);
}

int report(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    Command command(QStringLiteral("report"),
                    PositionerTool::tr("Writes one self-contained HTML page: per positioner in use a drawing of "
                                       "its frames from above and from the side, and the table of its values; "
                                       "with --before, the previous calibration drawn faded and the changes "
                                       "listed. The check's findings head the page.\n"
                                       "Exit status: 0 written for a clean file, 1 written with findings, 2 not a "
                                       "calibration file, unreadable, not written, or a usage error."),
                    out, err);
    command.addAxisCount();
    QCommandLineParser& parser = command.parser();
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")}, PositionerTool::tr("The page to write."),
                      QStringLiteral("report.html")});
    parser.addOption({QStringLiteral("title"), PositionerTool::tr("The page's title."), PositionerTool::tr("text")});
    parser.addOption({QStringLiteral("before"), PositionerTool::tr("The previous calibration file, to compare."),
                      QStringLiteral("FILE")});
    int status = Unusable;
    if (!command.parse(arguments, {QStringLiteral("FILE")}, status))
        return status;
    const QString output = parser.value(QStringLiteral("o"));
    const QString beforePath = parser.value(QStringLiteral("before"));
    if (output.isEmpty()) {
        err << PositionerTool::tr("report needs the page to write: -o FILE") << "\n";
        return Unusable;
    }
    if (sameFile(output, command.file(0)) || (!beforePath.isEmpty() && sameFile(output, beforePath))) {
        err << PositionerTool::tr("%1: the report would overwrite a file it reads").arg(output) << "\n";
        return Unusable;
    }

    ReportInput input;
    input.fileName = command.file(0);
    input.axisCount = command.axisCount();
    input.title = parser.isSet(QStringLiteral("title")) ? parser.value(QStringLiteral("title"))
                                                       : PositionerTool::tr("Positioner calibration");
    CalibrationXml xml;
    if (!command.load(xml, command.file(0)))
        return Unusable;
    input.records = readRecords(xml, command.axisCount());
    input.findings = checkCalibration(xml, command.axisCount());
    if (!beforePath.isEmpty()) {
        CalibrationXml before;
        if (!command.load(before, beforePath))
            return Unusable;
        input.beforeName = beforePath;
        input.before = readRecords(before, command.axisCount());
    }

    errno = 0;
    if (!savePage(reportHtml(input), output)) {
        const int reason = errno;
        err << output << ": "
            << PositionerTool::tr("cannot write the report: %1")
                   .arg(reason != 0 ? qt_error_string(reason) : PositionerTool::tr("the file could not be replaced"))
            << "\n";
        return Unusable;
    }
    out << PositionerTool::tr("Report written to %1").arg(output) << "\n";
    return input.findings.isEmpty() ? Clean : Findings;
}

}  // namespace

int runTool(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    struct Entry
    {
        const char* name;
        int (*run)(const QStringList&, QTextStream&, QTextStream&);
    };
    const Entry commands[] = {{"check", check}, {"show", show}, {"diff", diff}, {"globalvar", globalVar},
                              {"report", report}};
    const QString name = arguments.value(1);
    for (const Entry& c : commands) {
        if (name == QLatin1String(c.name)) {
            const int status = c.run(arguments, out, err);
            out.flush();
            err.flush();
            return status;
        }
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(
        PositionerTool::tr("Looks inside the positioner calibration file and the controller's GLOBAL.var without "
                           "changing them.\n\n"
                           "Commands:\n"
                           "  check FILE       validate a calibration file\n"
                           "  show FILE        the ten records as the pendant holds them (--json for scripts)\n"
                           "  diff A B         which positioners differ, and by how much\n"
                           "  globalvar FILE   the wobj_dyn0 declarations of a GLOBAL.var\n"
                           "  report FILE -o report.html   a visual report of the calibration\n\n"
                           "Run positioner-tool COMMAND --help for a command's options.\n") +
        exitStatusHelp());
    parser.addPositionalArgument(QStringLiteral("command"), PositionerTool::tr("The command to run."),
                                 QStringLiteral("COMMAND"));
    parser.addHelpOption();
    parser.addVersionOption();
    const bool parsed = parser.parse(arguments);
    int status = Clean;
    if (parsed && parser.isSet(QStringLiteral("version"))) {
        out << QCoreApplication::applicationName() << " " << QCoreApplication::applicationVersion() << "\n";
    } else if (parsed && parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
    } else {
        err << (!parsed ? parser.errorText()
                        : name.isEmpty() ? PositionerTool::tr("no command given")
                                         : PositionerTool::tr("unknown command \"%1\"").arg(name))
            << "\n"
            << PositionerTool::tr("See: positioner-tool --help") << "\n";
        status = Unusable;
    }
    out.flush();
    err.flush();
    return status;
}

}  // namespace tool

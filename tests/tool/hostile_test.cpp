// The tool on files a service engineer finds in the field: a full disk under
// the report, inputs that are no regular file, links that name an input
// again, UTF-16 files, and control characters meant for the terminal.
#include "tooltestdata.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTextCodec>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A fresh folder of the work area.
QString workFolder(const QString& name)
{
    QDir folder(toolWork(name));
    folder.removeRecursively();
    EXPECT_TRUE(folder.mkpath(QStringLiteral(".")));
    return folder.path();
}

// The program itself, in a child whose files may grow to `limit` bytes: the
// report is larger.
int runProgramWithFileLimit(const QStringList& arguments, rlim_t limit)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit fileSize{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        std::vector<QByteArray> bytes{QByteArray(TOOL_PROGRAM)};
        for (const QString& a : arguments)
            bytes.push_back(a.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& b : bytes)
            argv.push_back(b.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The page that does not fit is not written: the old one stays, and no
// temporary is left beside it.
TEST(HostileInput, AReportThatCannotBeWrittenWholeKeepsTheOldOne)
{
    const QString folder = workFolder(QStringLiteral("full-disk"));
    const QString page = folder + QStringLiteral("/r.html");
    writeFile(page, "the previous report");
    EXPECT_EQ(runProgramWithFileLimit({"report", toolData("after.xml"), "--before", toolData("before.xml"), "-o", page},
                                      8192),
              2);
    EXPECT_EQ(readAll(page), "the previous report");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"r.html"});

    // With room, the page replaces it.
    EXPECT_EQ(runProgramWithFileLimit({"report", toolData("after.xml"), "-o", page}, RLIM_INFINITY), 0);
    EXPECT_TRUE(readAll(page).endsWith("</html>\n"));
}

// A FIFO with no writer, a device that never ends and a directory are refused
// at once, by every command and as --before.
TEST(HostileInput, OnlyRegularFilesAreRead)
{
    const QString folder = workFolder(QStringLiteral("not-regular"));
    const QString fifo = folder + QStringLiteral("/fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString before = toolData("before.xml");
    const QString page = folder + QStringLiteral("/r.html");
    for (const QString& input : {fifo, QStringLiteral("/dev/zero"), folder}) {
        SCOPED_TRACE(input.toStdString());
        const QStringList commands[] = {{"check", input},
                                        {"show", input},
                                        {"diff", before, input},
                                        {"globalvar", input},
                                        {"report", before, "--before", input, "-o", page}};
        for (const QStringList& command : commands) {
            const ToolRun run = runTool(command);
            EXPECT_EQ(run.status, 2) << command.join(' ').toStdString();
            EXPECT_TRUE(run.err.contains(input + ": cannot read the file: ")) << run.err.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(page));
    EXPECT_TRUE(runTool({"check", "/dev/zero"}).err.contains("not a regular file"));
}

// The output is compared with the inputs as files, not as names: a hard or a
// symbolic link of an input is an input.
TEST(HostileInput, TheReportNeverOverwritesAnInputUnderAnotherName)
{
    const QString folder = workFolder(QStringLiteral("links"));
    const QString input = folder + QStringLiteral("/after.xml");
    const QString before = folder + QStringLiteral("/before.xml");
    ASSERT_TRUE(QFile::copy(toolData("after.xml"), input));
    ASSERT_TRUE(QFile::copy(toolData("before.xml"), before));
    const QString hardInput = folder + QStringLiteral("/hard-input.html");
    const QString hardBefore = folder + QStringLiteral("/hard-before.html");
    const QString symbolic = folder + QStringLiteral("/symbolic.html");
    ASSERT_EQ(::link(QFile::encodeName(input).constData(), QFile::encodeName(hardInput).constData()), 0);
    ASSERT_EQ(::link(QFile::encodeName(before).constData(), QFile::encodeName(hardBefore).constData()), 0);
    ASSERT_TRUE(QFile::link(input, symbolic));
    for (const QString& output : {hardInput, hardBefore, symbolic}) {
        const ToolRun run = runTool({"report", input, "--before", before, "-o", output});
        EXPECT_EQ(run.status, 2) << output.toStdString();
        EXPECT_TRUE(run.err.contains("the report would overwrite a file it reads")) << run.err.toStdString();
    }
    EXPECT_EQ(readAll(input), readAll(toolData("after.xml")));
    EXPECT_EQ(readAll(before), readAll(toolData("before.xml")));
}

// A file in UTF-16 or UTF-32, with or without a byte-order mark, gets the
// findings on the lines the UTF-8 file has them on.
TEST(HostileInput, LinesAreCountedInTheFilesOwnText)
{
    QByteArray calibration = readAll(toolData("before.xml"));
    calibration.replace("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<?xml version=\"1.0\"?>");
    calibration.replace("<Axes1Index>7<", "<Axes1Index>6<");
    calibration.replace("<UserFrame>0.0000,", "<UserFrame>1,");
    QByteArray globalVar = readAll(toolData("GLOBAL-faults.var"));
    globalVar.replace("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<?xml version=\"1.0\"?>");
    const QString folder = workFolder(QStringLiteral("encodings"));
    const auto findings = [&](const QString& command, const QByteArray& bytes) {
        const QString path = folder + QStringLiteral("/file");
        writeFile(path, bytes);
        QString lines = runTool({command, path}).out;
        return lines.replace(path, QStringLiteral("file"));
    };
    const QString calibrationFindings = findings(QStringLiteral("check"), calibration);
    const QString globalVarFindings = findings(QStringLiteral("globalvar"), globalVar);
    ASSERT_TRUE(calibrationFindings.contains("file:6: <Axes1Index> 6")) << calibrationFindings.toStdString();
    ASSERT_TRUE(globalVarFindings.contains("file:")) << globalVarFindings.toStdString();
    for (const char* encoding : {"UTF-16LE", "UTF-16BE", "UTF-32LE", "UTF-32BE"}) {
        for (const bool mark : {true, false}) {
            SCOPED_TRACE(testing::Message() << encoding << (mark ? " with mark" : ""));
            QTextCodec* codec = QTextCodec::codecForName(encoding);
            ASSERT_NE(codec, nullptr);
            const auto encoded = [&](const QByteArray& utf8) {
                QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
                const QString text = (mark ? QStringLiteral("\ufeff") : QString()) + QString::fromUtf8(utf8);
                return codec->fromUnicode(text.constData(), text.size(), &state);
            };
            EXPECT_EQ(findings(QStringLiteral("check"), encoded(calibration)).toStdString(),
                      calibrationFindings.toStdString());
            EXPECT_EQ(findings(QStringLiteral("globalvar"), encoded(globalVar)).toStdString(),
                      globalVarFindings.toStdString());
        }
    }
    // A UTF-16 surrogate without its partner, which the parser drops, moves
    // no later line. Encoders write no such thing: the file gets them in place
    // of private-use characters.
    for (const bool littleEndian : {true, false}) {
        SCOPED_TRACE(littleEndian ? "UTF-16LE" : "UTF-16BE");
        QString text = QString::fromUtf8(calibration);
        text.replace(QStringLiteral("<FramePar>"), QStringLiteral("<FramePar><!-- \ue000\ue100\ue000 \ue000\ue000 \ue100 -->"));
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        QByteArray bytes = QTextCodec::codecForName(littleEndian ? "UTF-16LE" : "UTF-16BE")
                               ->fromUnicode(text.constData(), text.size(), &state);
        const auto unit = [&](const char* high) {
            return littleEndian ? QByteArray(1, '\0') + high : QByteArray(high) + '\0';
        };
        bytes.replace(unit("\xe0"), unit("\xd8")).replace(unit("\xe1"), unit("\xdc"));
        EXPECT_EQ(findings(QStringLiteral("check"), bytes).toStdString(), calibrationFindings.toStdString());
    }
    // The line of a parse error too.
    const QByteArray broken = "<?xml version=\"1.0\"?>\n\n\n\n<FramePar>\n<Positioner>\n</FramePar>\n";
    const QString brokenLine = runTool({"check", (writeFile(folder + "/b", broken), folder + "/b")}).err;
    writeFile(folder + "/b", QTextCodec::codecForName("UTF-16LE")->fromUnicode(QString::fromUtf8(broken)));
    EXPECT_EQ(runTool({"check", folder + "/b"}).err.toStdString(), brokenLine.toStdString());
    EXPECT_TRUE(brokenLine.contains(": line 7: ")) << brokenLine.toStdString();
}

// ESC, BEL, CR and LF from a file or the command line are printed escaped:
// nothing moves the terminal's cursor, no line is forged, the page holds no
// control character.
TEST(HostileInput, ControlCharactersAreShownEscaped)
{
    QByteArray calibration = readAll(toolData("before.xml"));
    calibration.replace("<Positioner id=\"2\">", "<Positioner id=\"\x1b[2J\a\r\nbefore.xml:1: forged\">");
    calibration.replace("<UserFrame>0.0000,", "<UserFrame>\x1b]0;x\a,");
    const QString folder = workFolder(QStringLiteral("control"));
    const QString path = folder + QStringLiteral("/c.xml");
    writeFile(path, calibration);
    const ToolRun check = runTool({"check", path});
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(check.out.contains(R"(with id "\x1b[2J\x07\x0d\x0abefore.xml:1: forged" is entry 2)"))
        << check.out.toStdString();
    EXPECT_TRUE(check.out.contains(R"(value 1 "\x1b]0;x\x07" is not a number)")) << check.out.toStdString();

    const QString page = folder + QStringLiteral("/r.html");
    ASSERT_EQ(runTool({"report", path, "-o", page, "--title", QStringLiteral("a\x1b[31m\x7f\x01\x9b")}).status, 1);
    const QByteArray html = readAll(page);
    EXPECT_TRUE(html.contains(R"(<title>a\x1b[31m\x7f\x01\u009b</title>)"));
    for (const QByteArray& text : {check.out.toUtf8(), html}) {
        for (const char c : text)
            EXPECT_TRUE(c == '\n' || (uchar(c) >= 0x20 && c != 0x7f)) << int(c);
        EXPECT_FALSE(text.contains("\xc2\x9b"));
    }
}

// A page is read by a person: a file of thousands of findings lists the
// first thousand and says how many more check lists.
TEST(HostileInput, AReportListsTheFirstThousandFindings)
{
    QByteArray calibration = readAll(toolData("before.xml"));
    calibration.replace("<Positioner id=\"2\">", "<Positioner id=\"2\">" + QByteArray("<Note/>").repeated(1005));
    const QString folder = workFolder(QStringLiteral("many-findings"));
    writeFile(folder + "/c.xml", calibration);
    ASSERT_EQ(runTool({"check", folder + "/c.xml"}).out.count(QLatin1String(": unexpected element <Note>")), 1005);
    ASSERT_EQ(runTool({"report", folder + "/c.xml", "-o", folder + "/r.html"}).status, 1);
    const QByteArray html = readAll(folder + "/r.html");
    EXPECT_EQ(html.count("<li>line 15: unexpected element &lt;Note&gt;</li>"), 1000);
    EXPECT_TRUE(html.contains("The check finds 1005 problem(s):"));
    EXPECT_TRUE(html.contains("<li>and 5 more; positioner-tool check lists them all</li></ul>"));
}

}  // namespace

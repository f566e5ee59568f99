// Any bytes may be a file the service engineer hands the tool, as a
// calibration file and as a GLOBAL.var. Reading, checking, showing, comparing
// and reporting must not crash or trip a sanitizer; a file never differs from
// itself; every value shown is a number the pendant can hold; every finding
// names a line of the file, in order; and no text the tool prints holds a
// control character but its own line ends.
#include <check.h>
#include <commands.h>

#include <QGuiApplication>
#include <QTextCodec>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

bool printable(const QString& text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u < 0x20 && u != '\n') || (u >= 0x7f && u < 0xa0))
            return false;
    }
    return true;
}

// How many lines the file has at most, in whatever encoding it is: a line
// end is one code unit whatever the unit's width.
int mostLines(const QByteArray& bytes)
{
    return int(bytes.count('\n')) + 1;
}

void checkFindings(const QVector<tool::Finding>& findings, const QByteArray& bytes)
{
    int previous = 1;
    for (const tool::Finding& f : findings) {
        check(f.line >= previous && f.line <= mostLines(bytes), "findings name lines of the file, in order");
        check(printable(f.message), "a finding holds no control character");
        previous = f.line;
    }
}

}  // namespace

// The report draws, as the tool does, inside a graphical application without
// a display.
// The fuzzer's own options are kept from it. The application lives as long
// as the process: taking the offscreen platform down leaves its screen behind,
// which the leak check would count against the tool.
// Fontconfig keeps what it finds of the fonts until the process ends.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int count = 1;
    static QGuiApplication* const app = new QGuiApplication(count, *argv);
    return app ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));

    tool::CalibrationXml xml;
    const tool::CalibrationXml::Status status = xml.loadBytes(bytes);
    check(status == tool::CalibrationXml::Status::Ok || printable(xml.error()), "an error holds no control character");
    if (status == tool::CalibrationXml::Status::Ok) {
        const QVector<tool::Finding> findings = tool::checkCalibration(xml, 6);
        checkFindings(findings, bytes);
        const tool::Records records = tool::readRecords(xml, 6);
        for (const tool::Record& r : records) {
            for (const tool::Value v : {tool::Value::Axes1Frame, tool::Value::Axes2Frame,
                                        tool::Value::Axes2FrameToBase, tool::Value::UserFrame}) {
                for (const double value : r.frame(v))
                    check(std::isfinite(value), "the pendant holds finite frame values");
            }
        }
        check(tool::diffRecords(records, records).isEmpty(), "a file does not differ from itself");
        check(printable(tool::showTable(records, 6)), "the table holds no control character");
        tool::showJson(records, 6);
        tool::ReportInput input;
        input.fileName = QStringLiteral("fuzz.xml");
        input.records = records;
        input.findings = findings;
        input.before = records;
        const QString page = QString::fromUtf8(tool::reportHtml(input));
        check(printable(page), "the page holds no control character");
    }

    const tool::GlobalVarInspection inspection = tool::inspectGlobalVar(bytes);
    if (inspection.status == tool::Unusable) {
        check(printable(inspection.error), "an error holds no control character");
    } else {
        checkFindings(inspection.findings, bytes);
        QString text;
        QTextStream out(&text);
        tool::writeGlobalVarText(out, inspection, QStringLiteral("GLOBAL.var"));
        out.flush();
        check(printable(text), "the declarations are printed without control characters");
    }
    return 0;
}

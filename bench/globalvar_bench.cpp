// Rewriting wobj_dyn0 in GLOBAL.var files of 1 and 10 MB (a larger one is past the cap), against a
// plain pugixml load-and-save and a plain line copy of the same file. Each time
// is the best of three runs; the ratios are measured in this one run.
#include <positionerdata.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

QByteArray declaration(int k)
{
    return QByteArray("\t\t\t<Var>\n\t\t\t\t<Name>var") + QByteArray::number(k) +
           "</Name>\n\t\t\t\t<Type>wobj</Type>\n\t\t\t\t<InitValue>{&quot;uframe&quot;:{&quot;x&quot;:" +
           QByteArray::number(k) + ",&quot;y&quot;:0,&quot;z&quot;:0,&quot;a&quot;:0,&quot;b&quot;:0,"
           "&quot;c&quot;:0},&quot;basename&quot;:&quot;b&amp;c&quot;}</InitValue>\n\t\t\t</Var>\n";
}

// A file of about `bytes` with wobj_dyn0 in the middle.
void writeGlobalVar(const QString& path, qint64 bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Xpl-source>\n\t<VarDeclarations>\n\t\t<VarGlobal>\n");
    const int count = static_cast<int>(bytes / declaration(0).size());
    for (int k = 0; k < count; ++k) {
        if (k == count / 2)
            file.write("\t\t\t<Var>\n\t\t\t\t<Name>wobj_dyn0</Name>\n\t\t\t\t<InitValue>old</InitValue>\n\t\t\t</Var>\n");
        file.write(declaration(k));
    }
    file.write("\t\t</VarGlobal>\n\t</VarDeclarations>\n</Xpl-source>\n");
}

double bestSeconds(const std::function<void()>& run)
{
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        const auto start = Clock::now();
        run();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

void plainPugixml(const QString& from, const QString& to)
{
    pugi::xml_document document;
    document.load_file(from.toLocal8Bit().constData(),
                       pugi::parse_pi | pugi::parse_cdata | pugi::parse_ws_pcdata_single);
    document.save_file(to.toLocal8Bit().constData(), "", pugi::format_no_escapes, pugi::encoding_utf8);
}

void lineCopy(const QString& from, const QString& to)
{
    QFile in(from);
    QFile out(to);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    while (!in.atEnd())
        out.write(in.readLine());
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    PositionerData* positioner = PositionerData::getInstance();
    positioner->dynOframe[0] = 100;
    positioner->dynBaseName = "table";
    QTemporaryDir dir;
    const QString path = dir.filePath("GLOBAL.var");
    const QString copy = dir.filePath("copy.var");

    std::printf("%8s %12s %12s %12s %12s %12s   goal: ratios <= 2\n", "size", "rewrite s", "pugixml s",
                "line copy s", "/pugixml", "/line copy");
    double previousPerMb = 0;
    for (const qint64 megabytes : {1, 10}) {
        writeGlobalVar(path, megabytes << 20);
        positioner->writeGlobalVarFile(path);  // the first rewrite drops the old layout
        const double rewrite = bestSeconds([&] { positioner->writeGlobalVarFile(path); });
        const double pugixml = bestSeconds([&] { plainPugixml(path, copy); });
        const double lines = bestSeconds([&] { lineCopy(path, copy); });
        std::printf("%5lld MB %12.4f %12.4f %12.4f %12.2f %12.2f   %.4f s/MB%s\n",
                    static_cast<long long>(megabytes), rewrite, pugixml, lines, rewrite / pugixml,
                    rewrite / lines, rewrite / megabytes,
                    previousPerMb > 0 ? QByteArray(" (x" + QByteArray::number(rewrite / megabytes / previousPerMb, 'f', 2) +
                                                   " per MB of the size before)").constData()
                                      : "");
        previousPerMb = rewrite / megabytes;
    }
    PositionerData::destroy();
    return 0;
}

// Any file may come from the controller as GLOBAL.var, with any base name.
// Rewriting it must not crash or trip a sanitizer, every declaration but
// wobj_dyn0 must come back as it was, and the result must still be XML.
#include <positionerdata.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr unsigned int parseOptions = pugi::parse_pi | pugi::parse_cdata | pugi::parse_ws_pcdata_single;

// Every Var but wobj_dyn0, as text; false when the file does not load.
bool otherDeclarations(const QString& path, std::vector<std::string>& declarations)
{
    pugi::xml_document document;
    if (!document.load_file(path.toLocal8Bit().constData(), parseOptions))
        return false;
    const pugi::xml_node global = document.child("Xpl-source").child("VarDeclarations").child("VarGlobal");
    for (pugi::xml_node var = global.child("Var"); var; var = var.next_sibling("Var")) {
        if (std::string(var.child("Name").first_child().value()) == "wobj_dyn0")
            continue;
        std::ostringstream text;
        var.print(text, "", pugi::format_raw | pugi::format_no_escapes);
        declarations.push_back(text.str());
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static PositionerData* const positioner = PositionerData::getInstance();
    static const QString path =
        QDir::tempPath() + QStringLiteral("/positioner-fuzz-%1.var").arg(QCoreApplication::applicationPid());

    // The first line is the base name, the rest the file.
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const int lineEnd = input.indexOf('\n');
    positioner->dynBaseName = QString::fromUtf8(input.left(std::max(lineEnd, 0)));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(input.mid(lineEnd + 1));
    file.close();

    std::vector<std::string> before;
    const bool loads = otherDeclarations(path, before);
    const bool written = positioner->writeGlobalVarFile(path);
    if (written != loads)
        std::abort();
    if (!written)
        return 0;
    std::vector<std::string> after;
    if (!otherDeclarations(path, after) || after != before)
        std::abort();
    return 0;
}

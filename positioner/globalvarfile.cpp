// The declaration of wobj_dyn0 in the controller's GLOBAL.var.
#include "positionerdata.h"

#include "atomicsave.h"
#include "failurerecord.h"
#include "filestamp.h"
#include "frame.h"
#include "noexceptions.h"

using namespace Positioner;

namespace {
const char* const initValueTemplate =
    "{&quot;uframe&quot;:{&quot;x&quot;:%1,&quot;y&quot;:%2,&quot;z&quot;:%3,&quot;a&quot;:%4,"
    "&quot;b&quot;:%5,&quot;c&quot;:%6},&quot;oframe&quot;:{&quot;x&quot;:%7,&quot;y&quot;:%8,"
    "&quot;z&quot;:%9,&quot;a&quot;:%10,&quot;b&quot;:%11,&quot;c&quot;:%12},&quot;movable&quot;:%13,"
    "&quot;onrobot&quot;:%14,&quot;basename&quot;:&quot;%15&quot;}";

// Characters an XML 1.0 document may hold, control characters aside (JSON
// escapes those anyway); a surrogate counts only as half of a pair.
bool isXmlCharacter(const QString& text, int at)
{
    const QChar c = text.at(at);
    if (c.isHighSurrogate())
        return at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return at > 0 && text.at(at - 1).isHighSurrogate();
    return c.unicode() < 0xfffe;
}

// The base name lands inside a JSON string that is itself XML text saved
// without escaping; a quote, backslash, "<" or "&" in it would break either,
// and a character XML does not allow would make the whole file unreadable.
QString jsonThenXmlEscaped(const QString& name)
{
    QString json;
    for (int at = 0; at < name.size(); ++at) {
        const QChar c = name.at(at);
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            json += QLatin1Char('\\') + QString(c);
        else if (c.unicode() < 0x20 || !isXmlCharacter(name, at))
            json += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            json += c;
    }
    // Qt's HTML escape is XML's: &, <, > and the quote.
    return json.toHtmlEscaped();
}

// Sets the text of InitValue; one written as an empty element stays empty.
void setInitValue(pugi::xml_node initValue, const QByteArray& value)
{
    pugi::xml_node text = initValue.text().data();
    if (text.type() == pugi::node_cdata) {
        // A CDATA section does not decode references, so the value could not be
        // read back from it; it becomes plain text.
        text = initValue.insert_child_before(pugi::node_pcdata, text);
        initValue.remove_child(text.next_sibling());
    }
    text.set_value(value.constData());
}

QString initValue(const PositionerData& d)
{
    // One placeholder after the other, lowest first, so that %1 never takes the
    // start of %10 to %15.
    QString text = QString::fromLatin1(initValueTemplate);
    for (int k = 0; k < 6; ++k)
        text = text.arg(QString::number(d.dynUframe[k], 'g', 6));
    for (int k = 0; k < 6; ++k)
        text = text.arg(QString::number(d.dynOframe[k], 'g', 6));
    const auto boolean = [](bool value) { return QLatin1String(value ? "true" : "false"); };
    return text.arg(boolean(d.dynMovable)).arg(boolean(d.dynOnRobot)).arg(jsonThenXmlEscaped(d.dynBaseName));
}

bool rewriteGlobalVar(PositionerData& d, const QString& path)
{
    // NaN and infinity have no JSON form: the controller could not read the file.
    if (!isWritableFrame(d.dynUframe, QStringLiteral("dynUframe")) ||
        !isWritableFrame(d.dynOframe, QStringLiteral("dynOframe")))
        return false;
    // The controller's data passes through as it was: CDATA sections and text
    // that is only blanks inside an element of its own stay.
    constexpr unsigned int parseOptions = pugi::parse_pi | pugi::parse_cdata | pugi::parse_ws_pcdata_single;
    pugi::xml_document document;
    if (!loadXml(document, path, parseOptions))
        return false;

    setDeclaration(document.prepend_child(pugi::node_declaration));
    appendDateComment(document);

    const QByteArray value = initValue(d).toLocal8Bit();
    const pugi::xml_node declarations =
        document.child("Xpl-source").child("VarDeclarations").child("VarGlobal");
    for (pugi::xml_node var = declarations.child("Var"); var; var = var.next_sibling("Var")) {
        if (qstrcmp(var.child("Name").text().get(), "wobj_dyn0") == 0)
            setInitValue(var.child("InitValue"), value);
    }

    return saveXml(document, path, "", pugi::format_no_escapes, pugi::encoding_utf8);
}

}  // namespace

bool PositionerData::writeGlobalVarFile(QString path)
{
    const Diagnostics::Scope scope("writeGlobalVarFile");
    return orFailure(false, [&] { return rewriteGlobalVar(*this, path); });
}

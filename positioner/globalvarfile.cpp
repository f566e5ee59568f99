// The declaration of wobj_dyn0 in the controller's GLOBAL.var.
#include "positionerdata.h"

#include "atomicsave.h"
#include "failurerecord.h"
#include "filestamp.h"
#include "noexceptions.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const char* const initValueTemplate =
    "{&quot;uframe&quot;:{&quot;x&quot;:%1,&quot;y&quot;:%2,&quot;z&quot;:%3,&quot;a&quot;:%4,"
    "&quot;b&quot;:%5,&quot;c&quot;:%6},&quot;oframe&quot;:{&quot;x&quot;:%7,&quot;y&quot;:%8,"
    "&quot;z&quot;:%9,&quot;a&quot;:%10,&quot;b&quot;:%11,&quot;c&quot;:%12},&quot;movable&quot;:%13,"
    "&quot;onrobot&quot;:%14,&quot;basename&quot;:&quot;%15&quot;}";

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

QString boolean(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

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
    QString xml;
    for (const QChar c : json) {
        switch (c.unicode()) {
        case '&': xml += QLatin1String("&amp;"); break;
        case '<': xml += QLatin1String("&lt;"); break;
        case '>': xml += QLatin1String("&gt;"); break;
        case '"': xml += QLatin1String("&quot;"); break;
        default: xml += c;
        }
    }
    return xml;
}

// Text that stands first in an element is held as the element's own value
// (parse_embed_pcdata): a GLOBAL.var of many short declarations then needs
// far less memory. An element's value is never empty otherwise.
bool holdsItsText(pugi::xml_node element)
{
    return *element.value() != '\0';
}

// Blank text that is not an element's only text is dropped on loading. Held
// as the element's value, its first text leaves blank text after it as the
// only child; that goes too, so that the file is written as it always was.
void dropBlankTextAfterOwnText(pugi::xml_document& document)
{
    struct Walker : pugi::xml_tree_walker
    {
        bool for_each(pugi::xml_node& node) override
        {
            const pugi::xml_node only = node.first_child();
            if (holdsItsText(node) && only.type() == pugi::node_pcdata && !only.next_sibling() &&
                std::strspn(only.value(), " \t\r\n") == std::strlen(only.value()))
                node.remove_child(only);
            return true;
        }
    } walker;
    document.traverse(walker);
}

// The value of the element's first child node, the text the file holds.
const char* firstChildValue(pugi::xml_node element)
{
    if (holdsItsText(element))
        return element.value();
    const pugi::xml_node child = element.first_child();
    // An element has no value of its own, whatever text it holds.
    return child.type() == pugi::node_element ? "" : child.value();
}

void setFirstChildValue(pugi::xml_node element, const QByteArray& value)
{
    if (holdsItsText(element)) {
        element.text().set(value.constData());
        return;
    }
    pugi::xml_node child = element.first_child();
    if (child.type() == pugi::node_cdata) {
        // A CDATA section does not decode references, so the value could not be
        // read back from it; it becomes plain text.
        element.insert_child_before(pugi::node_pcdata, child).set_value(value.constData());
        element.remove_child(child);
        return;
    }
    child.set_value(value.constData());
}

QString initValue(const PositionerData& d)
{
    // One placeholder after the other, lowest first, so that %1 never takes the
    // start of %10 to %15.
    QString text = QString::fromLatin1(initValueTemplate);
    for (int k = 0; k < 6; ++k)
        text = text.arg(number(d.dynUframe[k]));
    for (int k = 0; k < 6; ++k)
        text = text.arg(number(d.dynOframe[k]));
    return text.arg(boolean(d.dynMovable)).arg(boolean(d.dynOnRobot)).arg(jsonThenXmlEscaped(d.dynBaseName));
}

// NaN and infinity have no JSON form: the controller could not read the file.
bool isWritable(const PositionerData& d)
{
    const auto finite = [](double value) { return std::isfinite(value); };
    const bool uframe = std::all_of(d.dynUframe, d.dynUframe + 6, finite);
    if (!uframe || !std::all_of(d.dynOframe, d.dynOframe + 6, finite)) {
        PositionerDiagnostics::about(PositionerDiagnostics::Step::NotFinite,
                                     uframe ? QStringLiteral("dynOframe") : QStringLiteral("dynUframe"));
        return false;
    }
    return true;
}

bool rewriteGlobalVar(PositionerData& d, const QString& path)
{
    if (!isWritable(d))
        return false;
    // The controller's data passes through as it was: CDATA sections and text
    // that is only blanks inside an element of its own stay.
    constexpr unsigned int parseOptions =
        pugi::parse_pi | pugi::parse_cdata | pugi::parse_ws_pcdata_single | pugi::parse_embed_pcdata;
    pugi::xml_document document;
    if (!PositionerFiles::loadXml(document, path, parseOptions))
        return false;
    dropBlankTextAfterOwnText(document);

    PositionerFiles::setDeclaration(document.prepend_child(pugi::node_declaration));
    PositionerFiles::appendDateComment(document);

    const QByteArray value = initValue(d).toLocal8Bit();
    const pugi::xml_node declarations =
        document.child("Xpl-source").child("VarDeclarations").child("VarGlobal");
    for (pugi::xml_node var = declarations.child("Var"); var; var = var.next_sibling("Var")) {
        if (qstrcmp(firstChildValue(var.child("Name")), "wobj_dyn0") != 0)
            continue;
        if (pugi::xml_node init = var.child("InitValue"))
            setFirstChildValue(init, value);
    }

    return PositionerFiles::saveXml(document, path, "", pugi::format_no_escapes, pugi::encoding_utf8);
}

}  // namespace

bool PositionerData::writeGlobalVarFile(QString path)
{
    const PositionerDiagnostics::Scope scope("writeGlobalVarFile");
    return PositionerGuard::orFailure(false, [&] { return rewriteGlobalVar(*this, path); });
}

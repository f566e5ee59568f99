// The declarations of wobj_dyn0 in the controller's GLOBAL.var.
#include "commands.h"
#include "tooltext.h"
#include "visibletext.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <numeric>
#include <utility>

namespace tool {

namespace {

const char* const wobjDyn0 = "wobj_dyn0";
const char* const frameMembers[] = {"x", "y", "z", "a", "b", "c"};

QString text(const char* s)
{
    return QString::fromUtf8(s);
}

class Inspector
{
public:
    explicit Inspector(const QByteArray& bytes) : bytes_(bytes) {}

    GlobalVarInspection run()
    {
        // The controller reads the file as XML: references are decoded,
        // CDATA sections are text.
        const pugi::xml_parse_result parsed =
            document_.load_buffer(bytes_.constData(), std::size_t(bytes_.size()), pugi::parse_default);
        declarationLines_ = Lines(bytes_, parsed.encoding);
        if (!parsed) {
            result_.error = PositionerTool::tr("line %1: not well-formed XML: %2")
                                .arg(declarationLines_.at(parsed.offset))
                                .arg(QString::fromLatin1(parsed.description()));
            return result_;
        }
        const pugi::xml_node root = document_.child("Xpl-source");
        if (!root) {
            result_.error = PositionerTool::tr("not a global variable file: no root element <Xpl-source>");
            return result_;
        }
        // The pendant rewrites the declarations under this one path only.
        const pugi::xml_node global = root.child("VarDeclarations").child("VarGlobal");
        for (const pugi::xpath_node& found : document_.select_nodes("//Var")) {
            const pugi::xml_node var = found.node();
            const QString name = text(var.child("Name").text().get());
            if (name == QLatin1String(wobjDyn0)) {
                if (var.parent() == global)
                    declaration(var);
                else
                    add(var, PositionerTool::tr("wobj_dyn0 declared outside <Xpl-source><VarDeclarations>"
                                                "<VarGlobal>: the pendant leaves it alone"));
            } else if (name.trimmed().compare(QLatin1String(wobjDyn0), Qt::CaseInsensitive) == 0) {
                add(var, PositionerTool::tr("<Name> \"%1\" is not exactly wobj_dyn0: the pendant leaves it alone")
                             .arg(visible(name)));
            }
        }
        if (result_.declarations.isEmpty())
            add(root, PositionerTool::tr("no declaration of wobj_dyn0: the pendant cannot set the dynamic work "
                                         "object"));
        numberFindings();
        result_.status = result_.findings.isEmpty() ? Clean : Findings;
        return result_;
    }

private:
    void add(pugi::xml_node node, const QString& message)
    {
        offsets_.push_back(node.offset_debug());
        result_.findings.append({0, message});
    }

    // The findings by line, in the order they were found within a line; the
    // lines are counted in one pass, in the order of the offsets.
    void numberFindings()
    {
        QVector<Finding>& findings = result_.findings;
        std::vector<int> order(offsets_.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return offsets_[a] < offsets_[b]; });
        Lines lines = declarationLines_;
        for (const int k : order)
            findings[k].line = lines.at(offsets_[k]);
        std::stable_sort(findings.begin(), findings.end(),
                         [](const Finding& a, const Finding& b) { return a.line < b.line; });
    }

    void declaration(pugi::xml_node var)
    {
        WobjDyn0 d;
        // The declarations come in the file's order.
        d.line = declarationLines_.of(var);
        if (!result_.declarations.isEmpty()) {
            add(var, PositionerTool::tr("wobj_dyn0 is declared again (first on line %1)")
                         .arg(result_.declarations.first().line));
        }
        const pugi::xml_node init = var.child("InitValue");
        if (!init) {
            add(var, PositionerTool::tr("no <InitValue>: the pendant has nowhere to write the work object"));
        } else if (!*init.text().get()) {
            add(init, PositionerTool::tr("empty <InitValue>: the pendant leaves it empty"));
        } else {
            d.decoded = decode(init, d);
        }
        result_.declarations.append(std::move(d));
    }

    bool decode(pugi::xml_node init, WobjDyn0& d)
    {
        QJsonParseError error{};
        const QJsonDocument json = QJsonDocument::fromJson(QByteArray(init.text().get()), &error);
        if (error.error != QJsonParseError::NoError) {
            add(init, PositionerTool::tr("<InitValue> is not JSON: %1 at character %2")
                          .arg(visible(error.errorString()))
                          .arg(error.offset + 1));
            return false;
        }
        if (!json.isObject()) {
            add(init, PositionerTool::tr("<InitValue> is not a JSON object"));
            return false;
        }
        const QJsonObject o = json.object();
        bool ok = frame(init, o, "uframe", d.uframe);
        ok = frame(init, o, "oframe", d.oframe) && ok;
        ok = boolean(init, o, "movable", d.movable) && ok;
        ok = boolean(init, o, "onrobot", d.onRobot) && ok;
        if (o.value(QLatin1String("basename")).isString())
            d.baseName = o.value(QLatin1String("basename")).toString();
        else
            ok = wrong(init, "basename", PositionerTool::tr("a string"));
        unexpectedMembers(init, o, {"uframe", "oframe", "movable", "onrobot", "basename"}, QString());
        return ok;
    }

    bool wrong(pugi::xml_node init, const QString& member, const QString& expected)
    {
        add(init, PositionerTool::tr("\"%1\" is missing or not %2").arg(member, expected));
        return false;
    }
    bool wrong(pugi::xml_node init, const char* member, const QString& expected)
    {
        return wrong(init, text(member), expected);
    }

    bool frame(pugi::xml_node init, const QJsonObject& o, const char* member, Frame& frame)
    {
        const QJsonValue value = o.value(QLatin1String(member));
        if (!value.isObject())
            return wrong(init, member, PositionerTool::tr("an object"));
        const QJsonObject f = value.toObject();
        bool ok = true;
        for (std::size_t k = 0; k < frame.size(); ++k) {
            const QJsonValue v = f.value(QLatin1String(frameMembers[k]));
            if (v.isDouble())
                frame[k] = v.toDouble();
            else
                ok = wrong(init, text(member) + QLatin1Char('.') + text(frameMembers[k]),
                           PositionerTool::tr("a number"));
        }
        unexpectedMembers(init, f, {"x", "y", "z", "a", "b", "c"}, text(member) + QLatin1Char('.'));
        return ok;
    }

    bool boolean(pugi::xml_node init, const QJsonObject& o, const char* member, bool& flag)
    {
        const QJsonValue v = o.value(QLatin1String(member));
        if (!v.isBool())
            return wrong(init, member, PositionerTool::tr("true or false"));
        flag = v.toBool();
        return true;
    }

    void unexpectedMembers(pugi::xml_node init, const QJsonObject& o, std::initializer_list<const char*> known,
                           const QString& prefix)
    {
        for (auto it = o.begin(); it != o.end(); ++it) {
            const QString key = it.key();
            if (std::none_of(known.begin(), known.end(), [&](const char* k) { return key == QLatin1String(k); }))
                add(init, PositionerTool::tr("unexpected member \"%1\"").arg(visible(prefix + key)));
        }
    }

    const QByteArray bytes_;
    pugi::xml_document document_;
    Lines declarationLines_;
    std::vector<std::ptrdiff_t> offsets_;
    GlobalVarInspection result_;
};

QString numbers(const Frame& frame)
{
    QStringList parts;
    for (const double value : frame)
        parts << QString::number(value, 'g', 6);
    return parts.join(QLatin1Char(' '));
}

QString flag(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

}  // namespace

GlobalVarInspection inspectGlobalVar(const QByteArray& bytes)
{
    return Inspector(bytes).run();
}

void writeGlobalVarText(QTextStream& out, const GlobalVarInspection& inspection, const QString& fileName)
{
    for (const WobjDyn0& d : inspection.declarations) {
        out << PositionerTool::tr("%1:%2: wobj_dyn0\n").arg(fileName, QString::number(d.line));
        if (!d.decoded) {
            out << PositionerTool::tr("  initial value not usable, see below\n");
            continue;
        }
        out << PositionerTool::tr("  user frame    %1\n").arg(numbers(d.uframe));
        out << PositionerTool::tr("  object frame  %1\n").arg(numbers(d.oframe));
        out << PositionerTool::tr("  movable %1, on robot %2, base name \"%3\"\n")
                   .arg(flag(d.movable), flag(d.onRobot), visible(d.baseName));
    }
    writeFindings(out, fileName, inspection.findings);
}

}  // namespace tool

// The declarations of wobj_dyn0 in the controller's GLOBAL.var.
#include "commands.h"
#include "tooltext.h"
#include "visibletext.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringBuilder>

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
            // Every repeat names the same first declaration: one text serves
            // them all, however many there are.
            if (declaredAgain_.isNull()) {
                declaredAgain_ = PositionerTool::tr("wobj_dyn0 is declared again (first on line %1)")
                                     .arg(result_.declarations.first().line);
            }
            add(var, declaredAgain_);
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
        int present = 0;
        bool ok = frame(init, "uframe", member(o, "uframe", present), d.uframe);
        ok = frame(init, "oframe", member(o, "oframe", present), d.oframe) && ok;
        ok = boolean(init, "movable", member(o, "movable", present), d.movable) && ok;
        ok = boolean(init, "onrobot", member(o, "onrobot", present), d.onRobot) && ok;
        const QJsonValue baseName = member(o, "basename", present);
        if (baseName.isString())
            d.baseName = baseName.toString();
        else
            ok = wrong(init, "basename", PositionerTool::tr("a string"));
        unexpectedMembers(init, o, present, {"uframe", "oframe", "movable", "onrobot", "basename"}, QString());
        return ok;
    }

    bool wrong(pugi::xml_node init, const QString& name, const QString& expected)
    {
        add(init, PositionerTool::tr("\"%1\" is missing or not %2").arg(name, expected));
        return false;
    }
    bool wrong(pugi::xml_node init, const char* name, const QString& expected)
    {
        return wrong(init, text(name), expected);
    }

    // A member looked up by its name; `present` counts the looked-up members
    // the object holds.
    static QJsonValue member(const QJsonObject& o, const char* name, int& present)
    {
        const QJsonValue value = o.value(QLatin1String(name));
        if (!value.isUndefined())
            ++present;
        return value;
    }

    bool frame(pugi::xml_node init, const char* name, const QJsonValue& value, Frame& frame)
    {
        if (!value.isObject())
            return wrong(init, name, PositionerTool::tr("an object"));
        const QJsonObject f = value.toObject();
        bool ok = true;
        int present = 0;
        for (std::size_t k = 0; k < frame.size(); ++k) {
            const QJsonValue v = member(f, frameMembers[k], present);
            if (v.isDouble())
                frame[k] = v.toDouble();
            else
                ok = wrong(init, text(name) + QLatin1Char('.') + text(frameMembers[k]),
                           PositionerTool::tr("a number"));
        }
        unexpectedMembers(init, f, present, {"x", "y", "z", "a", "b", "c"}, text(name) + QLatin1Char('.'));
        return ok;
    }

    bool boolean(pugi::xml_node init, const char* name, const QJsonValue& v, bool& flag)
    {
        if (!v.isBool())
            return wrong(init, name, PositionerTool::tr("true or false"));
        flag = v.toBool();
        return true;
    }

    // `present` of the `known` members are in the object: when they are all
    // it holds, its keys need no walk.
    void unexpectedMembers(pugi::xml_node init, const QJsonObject& o, int present,
                           std::initializer_list<const char*> known, const QString& prefix)
    {
        if (o.size() == present)
            return;
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
    QString declaredAgain_;
};

QString numbers(const Frame& frame)
{
    const auto n = [&](std::size_t k) { return QString::number(frame[k], 'g', 6); };
    const QLatin1Char space(' ');
    return n(0) % space % n(1) % space % n(2) % space % n(3) % space % n(4) % space % n(5);
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
    // The same few lines for every declaration, translated once.
    const QString heading = PositionerTool::tr("%1:%2: wobj_dyn0\n");
    const QString notUsable = PositionerTool::tr("  initial value not usable, see below\n");
    const QString userFrame = PositionerTool::tr("  user frame    %1\n");
    const QString objectFrame = PositionerTool::tr("  object frame  %1\n");
    const QString flags = PositionerTool::tr("  movable %1, on robot %2, base name \"%3\"\n");
    for (const WobjDyn0& d : inspection.declarations) {
        out << heading.arg(fileName, QString::number(d.line));
        if (!d.decoded) {
            out << notUsable;
            continue;
        }
        out << userFrame.arg(numbers(d.uframe));
        out << objectFrame.arg(numbers(d.oframe));
        out << flags.arg(flag(d.movable), flag(d.onRobot), visible(d.baseName));
    }
    writeFindings(out, fileName, inspection.findings);
}

}  // namespace tool

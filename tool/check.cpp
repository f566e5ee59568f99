#include "check.h"

#include "tooltext.h"
#include "visibletext.h"

#include <QRegularExpression>
#include <QStringBuilder>

#include <algorithm>
#include <cstring>
#include <cmath>
#include <numeric>
#include <optional>

namespace tool {

namespace {

// Names and values as the file holds them, fit to be printed.
QString text(const char* s)
{
    return visible(s);
}

QString ordinalEntry(int position)
{
    return PositionerTool::tr("entry %1 of <FramePar>").arg(position + 1);
}

class Checker
{
public:
    Checker(const CalibrationXml& file, int axisCount) : file_(file), axisCount_(axisCount) {}

    QVector<Finding> run()
    {
        const pugi::xml_node root = file_.root();
        unexpectedAttributes(root, nullptr);
        const std::vector<pugi::xml_node> entries = file_.entries();
        for (std::size_t i = 0; i < entries.size() && i < std::size_t(positionerCount); ++i)
            entry(entries[i], int(i));
        // The read ignores them all alike: one finding, on the first of them.
        if (entries.size() == std::size_t(positionerCount) + 1) {
            add(entries.back(), PositionerTool::tr("%1 lies beyond the tenth and is ignored")
                                    .arg(ordinalEntry(positionerCount)));
        } else if (entries.size() > std::size_t(positionerCount)) {
            add(entries[positionerCount],
                PositionerTool::tr("entries %1 to %2 of <FramePar> lie beyond the tenth and are ignored")
                    .arg(positionerCount + 1)
                    .arg(entries.size()));
        }
        if (entries.size() < std::size_t(positionerCount)) {
            add(root, PositionerTool::tr("%1 entries instead of %2: positioners from %3 on keep what the "
                                         "pendant held before the read")
                          .arg(entries.size())
                          .arg(positionerCount)
                          .arg(entries.size() + 1));
        }
        return numbered();
    }

private:
    void add(pugi::xml_node node, const QString& message)
    {
        offsets_.push_back(node.offset_debug());
        findings_.append({0, message});
    }

    // The findings by line, in the order they were found within a line. The
    // lines are counted in one pass, in the order of the offsets. Findings
    // mostly come in the file's order already (only the file's own and an
    // entry's own are found after what they hold): then neither sort has
    // anything to do and is left out.
    QVector<Finding> numbered()
    {
        Lines lines = file_.lines();
        if (std::is_sorted(offsets_.begin(), offsets_.end())) {
            for (int k = 0; k < findings_.size(); ++k)
                findings_[k].line = lines.at(offsets_[std::size_t(k)]);
        } else {
            std::vector<int> order(offsets_.size());
            std::iota(order.begin(), order.end(), 0);
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return offsets_[a] < offsets_[b]; });
            for (const int k : order)
                findings_[k].line = lines.at(offsets_[std::size_t(k)]);
        }
        std::vector<std::ptrdiff_t>().swap(offsets_);
        const auto byLine = [](const Finding& a, const Finding& b) { return a.line < b.line; };
        if (!std::is_sorted(findings_.cbegin(), findings_.cend(), byLine))
            std::stable_sort(findings_.begin(), findings_.end(), byLine);
        return findings_;
    }

    void entry(pugi::xml_node node, int position)
    {
        const int number = position + 1;
        if (node.type() != pugi::node_element) {
            add(node, PositionerTool::tr("%1 is not an element but is read as the record of positioner %2, "
                                         "with both axes in use")
                          .arg(node.type() == pugi::node_pi ? PositionerTool::tr("a processing instruction")
                                                            : PositionerTool::tr("text"))
                          .arg(number));
            return;
        }
        if (qstrcmp(node.name(), "Positioner") != 0) {
            add(node, PositionerTool::tr("<%1> is read as the record of positioner %2")
                          .arg(text(node.name()))
                          .arg(number));
        } else if (const pugi::xml_attribute id = node.attribute("id"); !id) {
            add(node, PositionerTool::tr("a <Positioner> without an id is read as positioner %1").arg(number));
        } else if (qstrcmp(id.value(), QByteArray::number(number).constData()) != 0) {
            add(node, PositionerTool::tr("<Positioner> with id \"%1\" is %2 and is read as positioner %3")
                          .arg(text(id.value()), ordinalEntry(position), QString::number(number)));
        }
        unexpectedAttributes(node, "id");
        values(node);
    }

    void unexpectedAttributes(pugi::xml_node element, const char* allowed)
    {
        // An element may carry thousands of attributes: the text said of them
        // is translated once.
        const QString unexpected = PositionerTool::tr("unexpected attribute \"%1\" on <%2>");
        for (const pugi::xml_attribute a : element.attributes()) {
            if (!allowed || qstrcmp(a.name(), allowed) != 0)
                add(element, unexpected.arg(text(a.name()), text(element.name())));
        }
    }

    void values(pugi::xml_node entry)
    {
        // An entry may hold thousands of children: the texts said about them
        // are translated once.
        const QString unexpectedNode = PositionerTool::tr("unexpected %1 in <%2>");
        const QString processingInstruction = PositionerTool::tr("processing instruction");
        const QString textNode = PositionerTool::tr("text");
        const QString unexpectedElement = PositionerTool::tr("unexpected element <%1>");
        const QString second = PositionerTool::tr("second <%1>: only the first is read");
        pugi::xml_node found[valueCount];
        // Thousands of children mostly repeat one name: the sentence said of
        // the last unexpected one is said again, shared, not made anew.
        const char* lastUnexpected = nullptr;
        QString saidOfLast;
        for (const pugi::xml_node child : entry.children()) {
            if (child.type() != pugi::node_element) {
                add(child, unexpectedNode.arg(child.type() == pugi::node_pi ? processingInstruction : textNode,
                                              text(entry.name())));
                continue;
            }
            const char* const name = child.name();
            const int k = valueNamed(name);
            if (k == valueCount) {
                if (!lastUnexpected || qstrcmp(lastUnexpected, name) != 0) {
                    lastUnexpected = name;
                    saidOfLast = unexpectedElement.arg(text(name));
                }
                add(child, saidOfLast);
            }
            else if (found[k])
                add(child, second.arg(text(name)));
            else
                found[k] = child;
        }
        for (int k = 0; k < valueCount; ++k) {
            if (!found[k])
                add(entry, missing(Value(k)));
            else
                singleText(found[k]);
        }

        std::optional<qint64> number[valueCount];
        for (const Value v : {Value::EnableAxesNum, Value::Axes1Index, Value::Axes1Type, Value::Axes2Index,
                              Value::Axes2Type}) {
            if (found[int(v)])
                number[int(v)] = integer(found[int(v)]);
        }
        const auto at = [&](Value v) { return number[int(v)]; };
        const bool axis1 = axis(found, Value::Axes1Type, Value::Axes1Index, at(Value::Axes1Type),
                                at(Value::Axes1Index));
        const bool axis2 = axis(found, Value::Axes2Type, Value::Axes2Index, at(Value::Axes2Type),
                                at(Value::Axes2Index));
        if (axis1 && axis2 && at(Value::Axes1Index) && at(Value::Axes1Index) == at(Value::Axes2Index)) {
            add(found[int(Value::Axes2Index)],
                PositionerTool::tr("<Axes1Index> and <Axes2Index> are both %1: two axes on one external axis").arg(*at(Value::Axes1Index)));
        }
        if (at(Value::EnableAxesNum) && *at(Value::EnableAxesNum) != int(axis1) + int(axis2)) {
            add(found[int(Value::EnableAxesNum)],
                PositionerTool::tr("<EnableAxesNum> is %1 but the types put %2 axes in use")
                    .arg(*at(Value::EnableAxesNum))
                    .arg(int(axis1) + int(axis2)));
        }
        for (const Value v : {Value::Axes1Frame, Value::Axes2Frame, Value::Axes2FrameToBase, Value::UserFrame}) {
            if (found[int(v)])
                frame(found[int(v)]);
        }
    }

    QString missing(Value v)
    {
        const QString name = text(valueName(v));
        switch (v) {
        case Value::Axes1Type:
        case Value::Axes2Type:
            return PositionerTool::tr("no <%1>: the axis is read as in use").arg(name);
        case Value::Axes1Index:
        case Value::Axes2Index:
            return PositionerTool::tr("no <%1>: read as external axis 0").arg(name);
        case Value::EnableAxesNum:
            return PositionerTool::tr("no <%1>").arg(name);
        default:
            return PositionerTool::tr("no <%1>: its x is read as 0 and its other values are left as they were")
                .arg(name);
        }
    }

    void singleText(pugi::xml_node element)
    {
        unexpectedAttributes(element, nullptr);
        const pugi::xml_node first = element.first_child();
        if (first && (first.type() != pugi::node_pcdata || first.next_sibling()))
            add(element, PositionerTool::tr("<%1> holds more than one text").arg(text(element.name())));
    }

    // A plain decimal integer; anything else is reported with what the
    // pendant reads from it.
    std::optional<qint64> integer(pugi::xml_node element)
    {
        static const QRegularExpression plain(QStringLiteral("^-?[0-9]{1,9}$"));
        const char* raw = element.text().as_string("");
        // Only the start of a text can be a plain integer of up to nine digits.
        if (!plain.match(QString::fromUtf8(raw, int(strnlen(raw, 16)))).hasMatch()) {
            add(element, PositionerTool::tr("<%1> \"%2\" is not a decimal integer: read as %3")
                             .arg(text(element.name()), text(raw), QString::number(lenientInteger(raw))));
        }
        return lenientInteger(raw);
    }

    // Whether the axis is in use, after checking its type and index.
    bool axis(const pugi::xml_node* found, Value typeValue, Value indexValue, std::optional<qint64> type,
              std::optional<qint64> index)
    {
        const pugi::xml_node typeNode = found[int(typeValue)];
        const pugi::xml_node indexNode = found[int(indexValue)];
        if (type && *type < -1) {
            add(typeNode, PositionerTool::tr("<%1> %2 is below -1: read as an axis not in use")
                              .arg(text(valueName(typeValue)))
                              .arg(*type));
        }
        const bool inUse = !type || *type >= 0;
        if (!index)
            return inUse;
        if (inUse && *index <= axisCount_) {
            add(indexNode, PositionerTool::tr("<%1> %2 does not lie past the robot's %3 axes: read as external "
                                              "axis 0")
                               .arg(text(valueName(indexValue)))
                               .arg(*index)
                               .arg(axisCount_));
        } else if (!inUse && *index != 0) {
            add(indexNode, PositionerTool::tr("<%1> is %2 for an axis not in use, which is written as 0")
                               .arg(text(valueName(indexValue)))
                               .arg(*index));
        }
        return inUse;
    }

    void frame(pugi::xml_node element)
    {
        static const QRegularExpression fourDecimals(QStringLiteral("^-?[0-9]+\\.[0-9]{4}$"));
        const QString name = text(element.name());
        const char* const value = element.text().as_string("");
        const char* const end = value + std::strlen(value);
        const std::size_t parts = 1 + std::size_t(std::count(value, end, ','));
        if (parts != std::size_t(frameSize)) {
            add(element, PositionerTool::tr("<%1> holds %2 values instead of %3").arg(name).arg(parts)
                             .arg(frameSize));
        }
        frameParts(value, frameSize, [&](std::size_t k, const char* part, std::size_t length) {
                bool ok = false;
                const double number = framePart(part, length, &ok);
                const QString written = visible(QString::fromUtf8(part, int(std::min<std::size_t>(length, 1000))));
                // A number too large for a double (1e400) is read as an infinity.
                if (!ok && !std::isinf(number)) {
                    add(element, PositionerTool::tr("<%1> value %2 \"%3\" is not a number: read as 0")
                                     .arg(name)
                                     .arg(k + 1)
                                     .arg(written));
                } else if (!std::isfinite(number)) {
                    add(element, PositionerTool::tr("<%1> value %2 \"%3\" is not finite: read as 0")
                                     .arg(name)
                                     .arg(k + 1)
                                     .arg(written));
                } else if (!fourDecimals.match(QString::fromUtf8(part, int(length))).hasMatch()) {
                    add(element, PositionerTool::tr("<%1> value %2 \"%3\" is not written with four decimals")
                                     .arg(name)
                                     .arg(k + 1)
                                     .arg(written));
                }
        });
    }

    const CalibrationXml& file_;
    const int axisCount_;
    QVector<Finding> findings_;
    std::vector<std::ptrdiff_t> offsets_;
};

}  // namespace

QVector<Finding> checkCalibration(const CalibrationXml& file, int axisCount)
{
    return Checker(file, axisCount).run();
}

void writeFindings(QTextStream& out, const QString& fileName, const QVector<Finding>& findings)
{
    const QString prefix = fileName + QLatin1Char(':');
    for (const Finding& f : findings)
        out << (prefix % QString::number(f.line) % QLatin1String(": ") % f.message % QLatin1Char('\n'));
}

}  // namespace tool

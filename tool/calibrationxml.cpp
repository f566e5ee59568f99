#include "calibrationxml.h"

#include "inputfile.h"
#include "visibletext.h"
#include "tooltext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <unordered_map>

namespace tool {

namespace {

// The options of the pendant's read: elements, attributes, non-blank text and
// processing instructions; references stay as written.
constexpr unsigned int pendantParse = pugi::parse_pi;

const char* const valueNames[valueCount] = {"EnableAxesNum", "Axes1Index", "Axes1Type", "Axes1Frame",
                                            "Axes2Index", "Axes2Type", "Axes2Frame", "Axes2FrameToBase",
                                            "UserFrame"};

int clampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// The first child of an entry named after each value, as the pendant's lookup
// by name finds it: an element, or a processing instruction of that target.
std::array<pugi::xml_node, valueCount> valueNodes(pugi::xml_node entry)
{
    std::array<pugi::xml_node, valueCount> found;
    for (const pugi::xml_node child : entry.children()) {
        const int k = valueNamed(child.name());
        if (k < valueCount && !found[std::size_t(k)])
            found[std::size_t(k)] = child;
    }
    return found;
}

void readFrame(const char* text, Frame& frame)
{
    frameParts(text, frame.size(), [&](std::size_t k, const char* part, std::size_t length) {
        const double number = framePart(part, length);
        frame[k] = std::isfinite(number) ? number : 0.0;
    });
}

}  // namespace

const char* valueName(Value value)
{
    return valueNames[int(value)];
}

int valueNamed(const char* name)
{
    // An entry may hold thousands of children: each name is looked up once
    // rather than compared with all nine.
    static const std::unordered_map<std::string_view, int> values = [] {
        std::unordered_map<std::string_view, int> map;
        for (int k = 0; k < valueCount; ++k)
            map.emplace(valueNames[k], k);
        return map;
    }();
    const auto found = values.find(name);
    return found == values.end() ? valueCount : found->second;
}

bool isFrame(Value value)
{
    return value == Value::Axes1Frame || value == Value::Axes2Frame || value == Value::Axes2FrameToBase ||
           value == Value::UserFrame;
}

CalibrationXml::Status CalibrationXml::load(const QString& path)
{
    QByteArray bytes;
    if (!readInputFile(path, bytes, error_))
        return Status::Unreadable;
    return loadBytes(bytes);
}

CalibrationXml::Status CalibrationXml::loadBytes(const QByteArray& bytes)
{
    bytes_ = bytes;
    const pugi::xml_parse_result result =
        document_.load_buffer(bytes_.constData(), std::size_t(bytes_.size()), pendantParse, pugi::encoding_auto);
    lines_ = Lines(bytes_, result.encoding);
    if (!result) {
        error_ = PositionerTool::tr("line %1: not well-formed XML: %2")
                     .arg(lines_.at(result.offset))
                     .arg(QString::fromLatin1(result.description()));
        return Status::NotXml;
    }
    if (!root()) {
        const pugi::xml_node element = document_.find_child([](pugi::xml_node n) {
            return n.type() == pugi::node_element;
        });
        error_ = element ? PositionerTool::tr("not a calibration file: the root element is <%1>, not <FramePar>")
                               .arg(QString::fromUtf8(element.name()))
                         : PositionerTool::tr("not a calibration file: no root element");
        return Status::NotCalibration;
    }
    return Status::Ok;
}

std::vector<pugi::xml_node> CalibrationXml::entries() const
{
    std::vector<pugi::xml_node> nodes;
    for (pugi::xml_node node = root().first_child(); node; node = node.next_sibling())
        nodes.push_back(node);
    return nodes;
}

const Frame& Record::frame(Value value) const
{
    switch (value) {
    case Value::Axes1Frame: return axes1Frame;
    case Value::Axes2Frame: return axes2Frame;
    case Value::Axes2FrameToBase: return axes2FrameToBase;
    default: return userFrame;
    }
}

qint64 lenientInteger(const char* text)
{
    const char* s = text;
    while (*s == ' ' || *s == '\t' || *s == '\r' || *s == '\n')
        ++s;
    const bool negative = *s == '-';
    if (*s == '-' || *s == '+')
        ++s;
    int base = 10;
    if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s += 2;
    }
    qint64 value = 0;
    for (; digitValue(*s) < base; ++s)
        value = std::min<qint64>(value * base + digitValue(*s), qint64(1) << 40);
    return clampToInt(negative ? -value : value);
}

double framePart(const char* part, std::size_t length, bool* ok)
{
    // A part longer than any text can be is no number.
    if (length > std::size_t(std::numeric_limits<int>::max())) {
        if (ok)
            *ok = false;
        return 0.0;
    }
    return QString::fromUtf8(part, int(length)).toDouble(ok);
}

Records readRecords(const CalibrationXml& file, int axisCount)
{
    Records records;
    const std::vector<pugi::xml_node> entries = file.entries();
    const qint64 offset = qint64(std::max(0, axisCount)) + 1;
    Lines lines = file.lines();
    for (std::size_t i = 0; i < records.size() && i < entries.size(); ++i) {
        const pugi::xml_node entry = entries[i];
        const std::array<pugi::xml_node, valueCount> value = valueNodes(entry);
        const auto text = [&](Value v) { return value[std::size_t(v)].text().as_string(""); };
        Record& r = records[i];
        r.hasEntry = true;
        r.line = lines.of(entry);
        r.axes1Index = clampToInt(std::max<qint64>(0, lenientInteger(text(Value::Axes1Index)) - offset));
        r.axes1Type = clampToInt(std::max<qint64>(0, lenientInteger(text(Value::Axes1Type)) + 1));
        r.axes2Index = clampToInt(std::max<qint64>(0, lenientInteger(text(Value::Axes2Index)) - offset));
        r.axes2Type = clampToInt(std::max<qint64>(0, lenientInteger(text(Value::Axes2Type)) + 1));
        readFrame(text(Value::Axes1Frame), r.axes1Frame);
        readFrame(text(Value::Axes2Frame), r.axes2Frame);
        readFrame(text(Value::Axes2FrameToBase), r.axes2FrameToBase);
        readFrame(text(Value::UserFrame), r.userFrame);
    }
    return records;
}

}  // namespace tool

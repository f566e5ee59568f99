// The runtime variable classes on top of the simulated store.
#include "variablestore.h"

#include <rtmcore/rtmcustomrvar.h>

namespace {

QString elementName(const QString& vectorName, int index)
{
    return QStringLiteral("%1[%2]").arg(vectorName).arg(index);
}

template <typename Elements>
void makeElements(Elements& elements, const QString& vectorName, int length, int access)
{
    using Element = typename Elements::value_type::element_type;
    for (int k = 0; k < length; ++k)
        elements.push_back(std::make_unique<Element>(elementName(vectorName, k), access));
}

template <typename Elements>
void setUsedEach(Elements& elements, bool on)
{
    for (auto& element : elements)
        element->setUsed(on);
}

// An index outside the vector reaches a detached element that reads as 0 and
// drops writes; the store counts the access.
template <typename Elements>
auto& elementAt(const Elements& elements, int index)
{
    using Element = typename Elements::value_type::element_type;
    static Element* detached = new Element(QString(), 1);
    if (index < 0 || static_cast<std::size_t>(index) >= elements.size()) {
        sim::VariableStore::instance().countStrayElementAccess();
        return *detached;
    }
    return *elements[static_cast<std::size_t>(index)];
}

}  // namespace

rtmCustomRvar::rtmCustomRvar(const QString& name, ValueKind kind, int /*access*/)
    : name_(name), slot_(nullptr)
{
    // A vector keeps its values in its elements; an element without a name is
    // the detached one.
    if (kind == ValueKind::Vector || name.isEmpty())
        return;
    QVariant initial;
    switch (kind) {
    case ValueKind::Bool: initial = false; break;
    case ValueKind::Int: initial = 0; break;
    case ValueKind::Real: initial = 0.0; break;
    case ValueKind::String: initial = QString(); break;
    case ValueKind::Vector: break;
    }
    slot_ = sim::VariableStore::instance().slot(name, initial);
}

rtmCustomRvar::~rtmCustomRvar() = default;

bool rtmCustomRvar::setUsed(bool on)
{
    if (slot_)
        sim::VariableStore::instance().setUsed(slot_, on);
    return slot_ != nullptr;
}

bool rtmCustomRvar::readBool() const { return slot_ && slot_->value.toBool(); }
int rtmCustomRvar::readInt() const { return slot_ ? slot_->value.toInt() : 0; }
double rtmCustomRvar::readReal() const { return slot_ ? slot_->value.toDouble() : 0.0; }
QString rtmCustomRvar::readString() const { return slot_ ? slot_->value.toString() : QString(); }

void rtmCustomRvar::write(bool value)
{
    if (slot_)
        sim::VariableStore::instance().write(slot_, QVariant(value));
}

void rtmCustomRvar::write(int value)
{
    if (slot_)
        sim::VariableStore::instance().write(slot_, QVariant(value));
}

void rtmCustomRvar::write(double value)
{
    if (slot_)
        sim::VariableStore::instance().write(slot_, QVariant(value));
}

void rtmCustomRvar::write(const QString& value)
{
    if (slot_)
        sim::VariableStore::instance().write(slot_, QVariant(value));
}

rtmCustomRvarBool::rtmCustomRvarBool(const QString& name, int access)
    : rtmCustomRvar(name, ValueKind::Bool, access)
{
}

rtmCustomRvarBool& rtmCustomRvarBool::operator=(bool value)
{
    write(value);
    return *this;
}

rtmCustomRvarBool::operator bool() const { return readBool(); }

rtmCustomRvarInt::rtmCustomRvarInt(const QString& name, int access)
    : rtmCustomRvar(name, ValueKind::Int, access)
{
}

rtmCustomRvarInt& rtmCustomRvarInt::operator=(int value)
{
    write(value);
    return *this;
}

rtmCustomRvarInt::operator int() const { return readInt(); }

rtmCustomRvarString::rtmCustomRvarString(const QString& name, int access)
    : rtmCustomRvar(name, ValueKind::String, access)
{
}

rtmCustomRvarString& rtmCustomRvarString::operator=(const QString& value)
{
    write(value);
    return *this;
}

rtmCustomRvarString::operator QString() const { return readString(); }

// ---- int vector

rtmCustomRvarIntVect::Element::Element(const QString& name, int access)
    : rtmCustomRvar(name, ValueKind::Int, access)
{
}

rtmCustomRvarIntVect::Element& rtmCustomRvarIntVect::Element::operator=(int value)
{
    write(value);
    return *this;
}

rtmCustomRvarIntVect::Element::operator int() const { return readInt(); }

rtmCustomRvarIntVect::rtmCustomRvarIntVect(const QString& name, int length, int access)
    : rtmCustomRvar(name, ValueKind::Vector, access)
{
    makeElements(elements_, name, length, access);
}

rtmCustomRvarIntVect::~rtmCustomRvarIntVect() = default;
bool rtmCustomRvarIntVect::setUsed(bool on) { setUsedEach(elements_, on); return true; }
int rtmCustomRvarIntVect::count() const { return static_cast<int>(elements_.size()); }
rtmCustomRvarIntVect::Element& rtmCustomRvarIntVect::element(int index) { return elementAt(elements_, index); }
int rtmCustomRvarIntVect::getValue(int index) const { return elementAt(elements_, index); }
void rtmCustomRvarIntVect::setValue(int index, int value) { elementAt(elements_, index) = value; }

// ---- real vector

rtmCustomRvarRealVect::Element::Element(const QString& name, int access)
    : rtmCustomRvar(name, ValueKind::Real, access)
{
}

rtmCustomRvarRealVect::Element& rtmCustomRvarRealVect::Element::operator=(double value)
{
    write(value);
    return *this;
}

rtmCustomRvarRealVect::Element::operator double() const { return readReal(); }

rtmCustomRvarRealVect::rtmCustomRvarRealVect(const QString& name, int length, int access)
    : rtmCustomRvar(name, ValueKind::Vector, access)
{
    makeElements(elements_, name, length, access);
}

rtmCustomRvarRealVect::~rtmCustomRvarRealVect() = default;
bool rtmCustomRvarRealVect::setUsed(bool on) { setUsedEach(elements_, on); return true; }
int rtmCustomRvarRealVect::count() const { return static_cast<int>(elements_.size()); }
rtmCustomRvarRealVect::Element& rtmCustomRvarRealVect::element(int index) { return elementAt(elements_, index); }
double rtmCustomRvarRealVect::getValue(int index) const { return elementAt(elements_, index); }
void rtmCustomRvarRealVect::setValue(int index, double value) { elementAt(elements_, index) = value; }

// Enough of rtmcore for a library to link and load: values kept in the object.
#include <rtmcore/rtmcustomrvar.h>

#include <QVariant>

#include <memory>
#include <vector>

class RtmVariablePrivate
{
public:
    QString name;
    QVariant value;
    std::vector<std::unique_ptr<rtmCustomRvar>> elements;
};

rtmCustomRvar::rtmCustomRvar(const QString& name, int) : d(new RtmVariablePrivate{name, {}, {}}) {}
rtmCustomRvar::~rtmCustomRvar() { delete d; }
bool rtmCustomRvar::setUsed(bool) { return true; }
QString rtmCustomRvar::variableName() const { return d->name; }

#define SCALAR(Class, Type, Argument, get)                                                                   \
    Class::Class(const QString& name, int access) : rtmCustomRvar(name, access) {}                 \
    Class::~Class() = default;                                                                     \
    Class& Class::operator=(Argument value)                                                          \
    {                                                                                              \
        d->value = value;                                                                          \
        return *this;                                                                              \
    }                                                                                              \
    Class::operator Type() const { return d->value.get(); }

SCALAR(rtmCustomRvarBool, bool, bool, toBool)
SCALAR(rtmCustomRvarInt, int, int, toInt)
SCALAR(rtmCustomRvarReal, double, double, toDouble)
SCALAR(rtmCustomRvarString, QString, const QString&, toString)

#define VECTOR(Class, Element, Type)                                                                \
    Class::Class(const QString& name, int length, int access) : rtmCustomRvar(name, access)        \
    {                                                                                              \
        for (int k = 0; k < length; ++k)                                                           \
            d->elements.emplace_back(new Element(name + '[' + QString::number(k) + ']', access));  \
    }                                                                                              \
    Class::~Class() = default;                                                                     \
    bool Class::setUsed(bool used)                                                                 \
    {                                                                                              \
        for (auto& element : d->elements)                                                          \
            element->setUsed(used);                                                                \
        return true;                                                                               \
    }                                                                                              \
    int Class::count() const { return int(d->elements.size()); }                                  \
    Element& Class::element(int index) { return static_cast<Element&>(*d->elements.at(index)); }   \
    Element& Class::operator[](int index) { return element(index); }                               \
    Type Class::getValue(int index) const { return static_cast<Element&>(*d->elements.at(index)); } \
    void Class::setValue(int index, Type value) { element(index) = value; }

VECTOR(rtmCustomRvarIntVect, rtmCustomRvarInt, int)
VECTOR(rtmCustomRvarRealVect, rtmCustomRvarReal, double)

QString RtmGetLocalizedFileName(const QString& name, bool) { return QStringLiteral("/pendant/bin/") + name; }

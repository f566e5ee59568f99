// Controller runtime variables as the positioner library sees them.
//
// A runtime variable is a named value shared by the pendant and the robot
// controller. Writing it makes the value visible to the controller's routines;
// reading it returns the latest value the controller holds. Objects made with
// the same name refer to the same controller variable.
//
// A vector variable is one controller variable per element. The vector gives
// access to its element variables so that they can be registered one by one.
#pragma once

#include <QString>

#include <memory>
#include <vector>

struct RtmVariableSlot;

class rtmCustomRvar
{
public:
    virtual ~rtmCustomRvar();

    rtmCustomRvar(const rtmCustomRvar&) = delete;
    rtmCustomRvar& operator=(const rtmCustomRvar&) = delete;

    // Registers (true) or unregisters (false) the variable with the controller.
    // For a vector this registers its elements in index order.
    virtual bool setUsed(bool on);

    const QString& name() const { return name_; }

protected:
    enum class ValueKind { Bool, Int, Real, String, Vector };

    rtmCustomRvar(const QString& name, ValueKind kind, int access);

    // Element variables live inside their vector; they have no slot of their own
    // when they lie outside it (see the vectors' nullElement()).
    bool readBool() const;
    int readInt() const;
    double readReal() const;
    QString readString() const;
    void write(bool value);
    void write(int value);
    void write(double value);
    void write(const QString& value);

private:
    QString name_;
    RtmVariableSlot* slot_;
};

class rtmCustomRvarBool : public rtmCustomRvar
{
public:
    rtmCustomRvarBool(const QString& name, int access);
    rtmCustomRvarBool& operator=(bool value);
    operator bool() const;
};

class rtmCustomRvarInt : public rtmCustomRvar
{
public:
    rtmCustomRvarInt(const QString& name, int access);
    rtmCustomRvarInt& operator=(int value);
    operator int() const;
};

class rtmCustomRvarString : public rtmCustomRvar
{
public:
    rtmCustomRvarString(const QString& name, int access);
    rtmCustomRvarString& operator=(const QString& value);
    operator QString() const;
};

class rtmCustomRvarIntVect : public rtmCustomRvar
{
public:
    // One element variable, named "<vector>[k]"; it also serves as the element
    // proxy of operator[].
    class Element : public rtmCustomRvar
    {
    public:
        Element(const QString& name, int access);
        Element& operator=(int value);
        operator int() const;
    };

    rtmCustomRvarIntVect(const QString& name, int length, int access);
    ~rtmCustomRvarIntVect() override;

    bool setUsed(bool on) override;

    int count() const;
    // An index outside 0 .. count()-1 yields a detached element: reads give 0,
    // writes are dropped.
    Element& element(int index);
    Element& operator[](int index) { return element(index); }
    int getValue(int index) const;
    void setValue(int index, int value);

private:
    std::vector<std::unique_ptr<Element>> elements_;
};

class rtmCustomRvarRealVect : public rtmCustomRvar
{
public:
    class Element : public rtmCustomRvar
    {
    public:
        Element(const QString& name, int access);
        Element& operator=(double value);
        operator double() const;
    };

    rtmCustomRvarRealVect(const QString& name, int length, int access);
    ~rtmCustomRvarRealVect() override;

    bool setUsed(bool on) override;

    int count() const;
    Element& element(int index);
    Element& operator[](int index) { return element(index); }
    double getValue(int index) const;
    void setValue(int index, double value);

private:
    std::vector<std::unique_ptr<Element>> elements_;
};

// The absolute path of a pendant file or directory given relative to the
// pendant's program directory, e.g. "../Application/positioner".
QString RtmGetLocalizedFileName(const QString& relativePath, bool localized);

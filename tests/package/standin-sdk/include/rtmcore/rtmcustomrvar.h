// rtmcore 3: controller runtime variables.
#pragma once

#include <QString>

class RtmVariablePrivate;

class rtmCustomRvar
{
public:
    explicit rtmCustomRvar(const QString& name, int access = 1);
    virtual ~rtmCustomRvar();
    virtual bool setUsed(bool used = true);
    QString variableName() const;

protected:
    RtmVariablePrivate* d;

private:
    rtmCustomRvar(const rtmCustomRvar&);
    rtmCustomRvar& operator=(const rtmCustomRvar&);
};

class rtmCustomRvarBool : public rtmCustomRvar
{
public:
    rtmCustomRvarBool(const QString& name, int access = 1);
    ~rtmCustomRvarBool() override;
    rtmCustomRvarBool& operator=(bool value);
    operator bool() const;
};

class rtmCustomRvarInt : public rtmCustomRvar
{
public:
    rtmCustomRvarInt(const QString& name, int access = 1);
    ~rtmCustomRvarInt() override;
    rtmCustomRvarInt& operator=(int value);
    operator int() const;
};

class rtmCustomRvarReal : public rtmCustomRvar
{
public:
    rtmCustomRvarReal(const QString& name, int access = 1);
    ~rtmCustomRvarReal() override;
    rtmCustomRvarReal& operator=(double value);
    operator double() const;
};

class rtmCustomRvarString : public rtmCustomRvar
{
public:
    rtmCustomRvarString(const QString& name, int access = 1);
    ~rtmCustomRvarString() override;
    rtmCustomRvarString& operator=(const QString& value);
    operator QString() const;
};

// Element variables are plain scalar variables, kept behind the vector's
// private pointer.
class rtmCustomRvarIntVect : public rtmCustomRvar
{
public:
    rtmCustomRvarIntVect(const QString& name, int length, int access = 1);
    ~rtmCustomRvarIntVect() override;
    bool setUsed(bool used = true) override;
    int count() const;
    rtmCustomRvarInt& element(int index);
    rtmCustomRvarInt& operator[](int index);
    int getValue(int index) const;
    void setValue(int index, int value);
};

class rtmCustomRvarRealVect : public rtmCustomRvar
{
public:
    rtmCustomRvarRealVect(const QString& name, int length, int access = 1);
    ~rtmCustomRvarRealVect() override;
    bool setUsed(bool used = true) override;
    int count() const;
    rtmCustomRvarReal& element(int index);
    rtmCustomRvarReal& operator[](int index);
    double getValue(int index) const;
    void setValue(int index, double value);
};

QString RtmGetLocalizedFileName(const QString& name, bool localized = true);

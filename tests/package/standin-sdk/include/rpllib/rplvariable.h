// nuvok.rpllib 3: a declaration of the open program.
#pragma once

class RplVariable
{
public:
    RplVariable();
    RplVariable(const RplVariable& other);
    RplVariable& operator=(const RplVariable& other);
    ~RplVariable();

    bool isConstant() const;
    unsigned int id() const;
    bool isValid() const;

private:
    struct Data;
    Data* d;
};

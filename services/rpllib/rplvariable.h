// A handle to a variable declaration of the program open in the editor.
#pragma once

class RplVariable
{
public:
    RplVariable() = default;
    RplVariable(unsigned int id, bool constant) : valid_(true), id_(id), constant_(constant) {}

    bool isValid() const { return valid_; }
    unsigned int id() const { return id_; }
    bool isConstant() const { return constant_; }

private:
    bool valid_ = false;
    unsigned int id_ = 0;
    bool constant_ = false;
};

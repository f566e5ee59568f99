// Enough of nuvok (data access, program editor, message box) for a library to
// link and load: an empty program, a robot at rest, no controller.
#include <dataaccess/dataaccess.h>
#include <guilib/msgbox.h>
#include <rpllib/rpleditordatainterface.h>

namespace {

class EmptyProgram : public RplEditorDataInterface
{
public:
    QString filename() override { return QString(); }
    bool saveProgram(const QString&) override { return false; }
    bool isWriteMode() override { return false; }
    bool setWriteMode(bool) override { return false; }
    RplVariable getVisibleVarDef(const QString&, int) override { return RplVariable(); }
    bool setVariable(RplVariable&, const QVariant&, bool) override { return false; }
    bool setRefSys(unsigned int) override { return false; }
    bool setDynRefSys(unsigned int, QString, double, double, double, double, double, double, int) override
    {
        return false;
    }
    int refSysCount() const override { return 0; }
};

}  // namespace

class DataAccess::Private
{
public:
    EmptyProgram program;
};

DataAccess::DataAccess() : d(new Private) {}
DataAccess::~DataAccess() { delete d; }
DataAccess* DataAccess::getInstance()
{
    static DataAccess instance;
    return &instance;
}
RplEditorDataInterface* DataAccess::getRplDataInterface() { return &d->program; }
int DataAccess::getAxisCount() { return 6; }
PositionInfo DataAccess::getCartPosition() { return PositionInfo{}; }
bool DataAccess::getValueBitStatus(int value, int bit) { return bit >= 0 && bit < 31 && (value >> bit & 1); }
int DataAccess::setValueBitStatus(int value, int bit, bool set)
{
    if (bit < 0 || bit >= 31)
        return value;
    return set ? value | 1 << bit : value & ~(1 << bit);
}
bool DataAccess::GetFileFromController2TPU(const QString&, const QString&, bool) { return false; }
bool DataAccess::SendFileFromTPU2Controller(const QString&, const QString&, bool) { return false; }

RplEditorDataInterface::~RplEditorDataInterface() = default;

struct RplVariable::Data
{
    bool valid = false;
    unsigned int id = 0;
    bool constant = false;
};

RplVariable::RplVariable() : d(new Data) {}
RplVariable::RplVariable(const RplVariable& other) : d(new Data(*other.d)) {}
RplVariable& RplVariable::operator=(const RplVariable& other)
{
    *d = *other.d;
    return *this;
}
RplVariable::~RplVariable() { delete d; }
bool RplVariable::isConstant() const { return d->constant; }
unsigned int RplVariable::id() const { return d->id; }
bool RplVariable::isValid() const { return d->valid; }

class MsgBox::Private
{
};

MsgBox::MsgBox(int, QString, int, bool, bool, int, bool, bool, QString, QString, QString, int) : d(new Private) {}
MsgBox::~MsgBox() { delete d; }

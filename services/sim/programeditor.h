// The simulated program editor: one open program with its declared variables,
// its reference systems and its write mode. Every call of the data interface
// goes into an ordered log.
#pragma once

#include <rpllib/rpleditordatainterface.h>

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <map>
#include <vector>

namespace sim {

struct EditorCall
{
    QString op;
    QVariantList args;
};

struct DynRefSysEntry
{
    unsigned int id;
    QString baseName;
    double frame[6];
    int kind;
};

class ProgramEditor : public RplEditorDataInterface
{
public:
    static ProgramEditor& instance();

    // An empty program "main.xpl" in read mode that accepts everything.
    void reset();
    // The program of a positioner cell: wobj0, wobj_dyn0 and the object-frame
    // points oframe_p1 to oframe_p10.
    void openPositionerProgram();

    // Declares a variable of the open program and returns its id. The value of a
    // structured variable is a QVariantHash of its members.
    unsigned int declare(const QString& name, bool constant = false,
                         const QVariant& value = QVariantHash());
    QVariant value(const QString& name) const;

    void setProgramFileName(const QString& fileName) { fileName_ = fileName; }
    void setRefuseWriteMode(bool refuse) { refuseWriteMode_ = refuse; }
    void setAcceptRefSys(bool accept) { acceptRefSys_ = accept; }
    void setAcceptDynRefSys(bool accept) { acceptDynRefSys_ = accept; }
    void setWriteModeDirectly(bool on) { writeMode_ = on; }

    const std::vector<EditorCall>& calls() const { return calls_; }
    QStringList callNames() const;
    void clearCalls() { calls_.clear(); }

    // What the accepted calls left behind.
    unsigned int activeRefSys() const { return activeRefSys_; }
    const std::vector<DynRefSysEntry>& dynRefSystems() const { return dynRefSystems_; }
    const QStringList& savedPrograms() const { return savedPrograms_; }

    RplVariable getVisibleVarDef(const QString& name) override;
    // Stores only in write mode and never into a constant; the hash's entries
    // replace the members of those names.
    bool setVariable(RplVariable& variable, const QVariant& value) override;
    bool setRefSys(unsigned int id) override;
    bool setDynRefSys(unsigned int id, QString baseName, double x, double y, double z, double a,
                      double b, double c, int kind) override;
    bool isWriteMode() override;
    bool setWriteMode(bool on) override;
    QString filename() override;
    bool saveProgram(const QString& fileName) override;

private:
    ProgramEditor() { reset(); }

    struct Declaration
    {
        QString name;
        unsigned int id;
        bool constant;
        QVariant value;
    };
    Declaration* byId(unsigned int id);
    void log(const QString& op, const QVariantList& args = {});

    std::map<QString, Declaration> declarations_;
    unsigned int nextId_ = 1;
    QString fileName_;
    bool writeMode_ = false;
    bool refuseWriteMode_ = false;
    bool acceptRefSys_ = true;
    bool acceptDynRefSys_ = true;
    unsigned int activeRefSys_ = 0;
    std::vector<DynRefSysEntry> dynRefSystems_;
    QStringList savedPrograms_;
    std::vector<EditorCall> calls_;
};

}  // namespace sim

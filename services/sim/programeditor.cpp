#include "programeditor.h"

#include <QHash>

namespace sim {

ProgramEditor& ProgramEditor::instance()
{
    static ProgramEditor* editor = new ProgramEditor;
    return *editor;
}

void ProgramEditor::reset()
{
    declarations_.clear();
    nextId_ = 1;
    fileName_ = QStringLiteral("main.xpl");
    writeMode_ = false;
    refuseWriteMode_ = false;
    acceptRefSys_ = true;
    acceptDynRefSys_ = true;
    activeRefSys_ = 0;
    dynRefSystems_.clear();
    savedPrograms_.clear();
    calls_.clear();
}

void ProgramEditor::openPositionerProgram()
{
    reset();
    fileName_ = QStringLiteral("positioner_cell.xpl");
    declare(QStringLiteral("wobj0"));
    declare(QStringLiteral("wobj_dyn0"));
    for (int number = 1; number <= 10; ++number)
        declare(QStringLiteral("oframe_p%1").arg(number));
}

unsigned int ProgramEditor::declare(const QString& name, bool constant, const QVariant& value)
{
    // Ids start well away from 0 so that a forgotten id shows in a test.
    const unsigned int id = 100 + nextId_++;
    declarations_[name] = Declaration{name, id, constant, value};
    return id;
}

QVariant ProgramEditor::value(const QString& name) const
{
    const auto it = declarations_.find(name);
    return it == declarations_.end() ? QVariant() : it->second.value;
}

QStringList ProgramEditor::callNames() const
{
    QStringList names;
    for (const EditorCall& call : calls_)
        names << call.op;
    return names;
}

ProgramEditor::Declaration* ProgramEditor::byId(unsigned int id)
{
    for (auto& entry : declarations_) {
        if (entry.second.id == id)
            return &entry.second;
    }
    return nullptr;
}

void ProgramEditor::log(const QString& op, const QVariantList& args)
{
    calls_.push_back({op, args});
}

RplVariable ProgramEditor::getVisibleVarDef(const QString& name)
{
    log(QStringLiteral("getVisibleVarDef"), {name});
    const auto it = declarations_.find(name);
    if (it == declarations_.end())
        return RplVariable();
    return RplVariable(it->second.id, it->second.constant);
}

bool ProgramEditor::setVariable(RplVariable& variable, const QVariant& value)
{
    log(QStringLiteral("setVariable"), {variable.id(), value});
    Declaration* declaration = variable.isValid() ? byId(variable.id()) : nullptr;
    if (!declaration || declaration->constant || !writeMode_)
        return false;
    QVariantHash members = declaration->value.toHash();
    const QVariantHash update = value.toHash();
    for (auto it = update.begin(); it != update.end(); ++it)
        members.insert(it.key(), it.value());
    declaration->value = members;
    return true;
}

bool ProgramEditor::setRefSys(unsigned int id)
{
    log(QStringLiteral("setRefSys"), {id});
    if (!acceptRefSys_ || !byId(id))
        return false;
    activeRefSys_ = id;
    return true;
}

bool ProgramEditor::setDynRefSys(unsigned int id, QString baseName, double x, double y, double z,
                                 double a, double b, double c, int kind)
{
    log(QStringLiteral("setDynRefSys"), {id, baseName, x, y, z, a, b, c, kind});
    if (!acceptDynRefSys_ || !byId(id))
        return false;
    dynRefSystems_.push_back({id, baseName, {x, y, z, a, b, c}, kind});
    return true;
}

bool ProgramEditor::isWriteMode()
{
    log(QStringLiteral("isWriteMode"));
    return writeMode_;
}

bool ProgramEditor::setWriteMode(bool on)
{
    log(QStringLiteral("setWriteMode"), {on});
    if (on && refuseWriteMode_)
        return false;
    writeMode_ = on;
    return true;
}

QString ProgramEditor::filename()
{
    log(QStringLiteral("filename"));
    return fileName_;
}

bool ProgramEditor::saveProgram(const QString& fileName)
{
    log(QStringLiteral("saveProgram"), {fileName});
    savedPrograms_ << fileName;
    return true;
}

}  // namespace sim

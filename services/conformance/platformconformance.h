// What the library relies on of the pendant's platform modules.
//
// The platform's classes come from whichever header tree the build names: our
// own interfaces and simulation, or the vendor's modules on a real pendant.
// The library relies on a small set of their operations; the checks below
// turn any drift of those into a build failure that names the service. They
// compile to nothing.
#pragma once

#include <dataaccess/dataaccess.h>
#include <guilib/msgbox.h>
#include <rpllib/rpleditordatainterface.h>
#include <rpllib/rplvariable.h>
#include <rtmcore/rtmcustomrvar.h>

#include <QString>
#include <QVariant>

#include <type_traits>
#include <utility>

namespace Platform {

namespace Conformance {

template <typename T>
T& ref();

// Controller runtime variables.
static_assert(std::is_base_of_v<rtmCustomRvar, rtmCustomRvarBool> &&
                  std::is_base_of_v<rtmCustomRvar, rtmCustomRvarInt> &&
                  std::is_base_of_v<rtmCustomRvar, rtmCustomRvarString> &&
                  std::is_base_of_v<rtmCustomRvar, rtmCustomRvarIntVect> &&
                  std::is_base_of_v<rtmCustomRvar, rtmCustomRvarRealVect>,
              "rtmcore: every runtime variable class must derive from rtmCustomRvar");
static_assert(std::is_convertible_v<decltype(ref<rtmCustomRvar>().setUsed(true)), bool>,
              "rtmcore: rtmCustomRvar::setUsed(bool) must return bool");

template <typename Variable, typename Value>
constexpr bool scalarConforms = std::is_constructible_v<Variable, QString, int> &&
                                std::is_assignable_v<Variable&, Value> &&
                                std::is_convertible_v<Variable&, Value>;
static_assert(scalarConforms<rtmCustomRvarBool, bool>,
              "rtmcore: rtmCustomRvarBool must be made from (name, 1), take and give a bool");
static_assert(scalarConforms<rtmCustomRvarInt, int>,
              "rtmcore: rtmCustomRvarInt must be made from (name, 1), take and give an int");
static_assert(scalarConforms<rtmCustomRvarString, QString>,
              "rtmcore: rtmCustomRvarString must be made from (name, 1), take and give a QString");

template <typename Vector, typename Value>
constexpr bool vectorConforms =
    std::is_constructible_v<Vector, QString, int, int> &&
    std::is_convertible_v<decltype(ref<Vector>().getValue(0)), Value> &&
    std::is_void_v<std::void_t<decltype(ref<Vector>().setValue(0, Value()))>> &&
    std::is_assignable_v<decltype(ref<Vector>()[0]), Value>;
static_assert(vectorConforms<rtmCustomRvarIntVect, int>,
              "rtmcore: rtmCustomRvarIntVect must be made from (name, length, 1) and offer "
              "getValue(int), setValue(int, int) and an assignable operator[](int)");
static_assert(vectorConforms<rtmCustomRvarRealVect, double>,
              "rtmcore: rtmCustomRvarRealVect must be made from (name, length, 1) and offer "
              "getValue(int), setValue(int, double) and an assignable operator[](int)");
static_assert(std::is_same_v<decltype(RtmGetLocalizedFileName(QString(), true)), QString>,
              "rtmcore: RtmGetLocalizedFileName(const QString&, bool) must return QString");

// Data access.
static_assert(std::is_same_v<decltype(DataAccess::getInstance()), DataAccess*>,
              "DataAccess: getInstance() must return DataAccess*");
static_assert(std::is_convertible_v<decltype(ref<DataAccess>().getRplDataInterface()),
                                    RplEditorDataInterface*>,
              "DataAccess: getRplDataInterface() must return RplEditorDataInterface*");
static_assert(std::is_same_v<decltype(DataAccess::getAxisCount()), int>,
              "DataAccess: getAxisCount() must return int");
static_assert(std::is_same_v<decltype(DataAccess::getValueBitStatus(0, 0)), bool> &&
                  std::is_same_v<decltype(DataAccess::setValueBitStatus(0, 0, true)), int>,
              "DataAccess: getValueBitStatus(int, int) must return bool and "
              "setValueBitStatus(int, int, bool) int");
static_assert(
    std::is_same_v<decltype(DataAccess::GetFileFromController2TPU(QString(), QString(), false)), bool> &&
        std::is_same_v<decltype(DataAccess::SendFileFromTPU2Controller(QString(), QString(), false)), bool>,
    "DataAccess: the file transfers must take (QString, QString, bool) and return bool");
static_assert(std::is_same_v<decltype(DataAccess::getCartPosition()), PositionInfo>,
              "DataAccess: getCartPosition() must return PositionInfo");

// Program editor data.
using Editor = RplEditorDataInterface;
static_assert(std::is_same_v<decltype(ref<Editor>().getVisibleVarDef(QString())), RplVariable>,
              "RplEditorDataInterface: getVisibleVarDef(const QString&) must return RplVariable");
static_assert(std::is_convertible_v<decltype(ref<Editor>().setVariable(ref<RplVariable>(), QVariant())), bool>,
              "RplEditorDataInterface: setVariable(RplVariable&, QVariant) must return bool");
static_assert(std::is_convertible_v<decltype(ref<Editor>().setRefSys(0u)), bool>,
              "RplEditorDataInterface: setRefSys(unsigned int) must return bool");
static_assert(std::is_convertible_v<decltype(ref<Editor>().setDynRefSys(0u, QString(), 0.0, 0.0, 0.0, 0.0,
                                                                         0.0, 0.0, 1)),
                                    bool>,
              "RplEditorDataInterface: setDynRefSys(unsigned int, QString, six doubles, int) must return bool");
static_assert(std::is_convertible_v<decltype(ref<Editor>().isWriteMode()), bool> &&
                  std::is_convertible_v<decltype(ref<Editor>().setWriteMode(true)), bool>,
              "RplEditorDataInterface: isWriteMode() and setWriteMode(bool) must return bool");
static_assert(std::is_convertible_v<decltype(ref<Editor>().filename()), QString> &&
                  std::is_void_v<std::void_t<decltype(ref<Editor>().saveProgram(QString()))>>,
              "RplEditorDataInterface: filename() must give a QString and saveProgram(QString) exist");
static_assert(std::is_copy_constructible_v<RplVariable> &&
                  std::is_same_v<decltype(ref<const RplVariable>().isValid()), bool> &&
                  std::is_same_v<decltype(ref<const RplVariable>().id()), unsigned int> &&
                  std::is_same_v<decltype(ref<const RplVariable>().isConstant()), bool>,
              "RplVariable: must be copyable with isValid(), id() giving unsigned int and isConstant()");

// Message box.
static_assert(std::is_constructible_v<MsgBox, int, QString, int, bool, bool, int, bool, bool, QString,
                                      QString, QString, int> &&
                  std::is_destructible_v<MsgBox>,
              "MsgBox: must be made from (int, QString, int, bool, bool, int, bool, bool, QString, "
              "QString, QString, int)");

}  // namespace Conformance

}  // namespace Platform

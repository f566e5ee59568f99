#pragma once

#include "positioner_global.h"
#include "positionerparm.h"
#include "positionervariables.h"
#include "teachedpoint.h"

#include <QObject>
#include <QString>

#include <pugixml.hpp>

class UserFrameDynEditor;

// The calibration of up to ten positioners and their use in robot programs.
// One process-wide instance, made by getInstance() and deleted by destroy();
// every operation is called on the host's user-interface thread.
class POSITIONER_EXPORT PositionerData : public QObject
{
public:
    static PositionerData* getInstance();
    // Also safe from a host handler that runs while an operation of the
    // instance waits: the instance is then deleted when that operation returns.
    static void destroy();

    int getPositionerAxisID();
    void setPositionerAxisID(int axis);
    int getPositionerID();
    void setPositionerID(int positioner);
    // 0 stands for 6, all the external-axis values the controller reports;
    // more than those are kept at 6.
    void setMaxAuxjNum(int n);
    void delay_MSec(unsigned int ms);

    // The calibration file of the ten positioners. A successful read leaves
    // savedParms equal to parms; a write replaces the file only when complete
    // and says whether it could.
    bool writePositionerFile(QString path);
    bool readPositionerFile(QString path);
    QString posDoubleToQstr(double* const values, int count);
    void posQstrToDouble(QString text, double* const values, int count);
    pugi::xml_text getNodeText(pugi::xml_node node, QString name);

    // Files between pendant and controller, and change detection.
    bool getFileFromCtrl(QString controllerPath, QString localPath);
    bool sendFileToCtrl(QString localPath, QString controllerPath);
    void rdeReadFileCode();
    bool positionerDataIsEqual(PositionerParm& a, PositionerParm& b);

    // The user-frame program on the controller gets the user frames of
    // positioners 1 to 5; false when it could not be fetched, rewritten or sent.
    bool saveUserFrameDyn();

    // wobj_dyn0, the work object that follows a positioner (index 0 to 9,
    // number 1 to 10), in the editor, in GLOBAL.var and in the program.
    bool setDynRefSys(int index);
    bool saveDynRefSys(int index);
    void setVariableDynRefSys(int number);
    void setVariableOframePoint(int number);
    // False when the file could not be loaded or the rewritten file not saved.
    bool writeGlobalVarFile(QString path);

    // The active work object.
    bool setWobj0(int index);
    bool setWobj_dyn0(int index);
    bool initActiveDyn0(int number);
    bool initSetWobj_dyn0(int number);
    QString getCurrentWobj();
    void setCurrentWobj(QString name);
    bool getTpuActivedyn0();
    void setTpuActivedyn0(bool active);

    // Single controller variables.
    int getPosId();
    void setPosId(int v);
    bool getPositionEnabled();
    void setPositionEnabled(bool on);
    int getCurrentActivedPos();
    bool get_enable_slave_robot();
    double get_axespos(int i);
    void setAxisIndexCfg(int i, int v);
    void setAxisTypeCfg(int i, int v);
    void setTool_Value(int i, double v);
    void setEnableAxesNum(int n);

    // Registration of the variable set with the controller.
    bool setUsedVars_positioner(bool on);
    bool setUsedVars_currentposID(bool on);

    // Teaching the nine calibration points (1 to 9). teachPoint keeps the point
    // even when a check rejects it: 1 accepted and requested from the
    // controller, 0 no such point or no such positioner selected, -1 to -4 the
    // check that failed.
    int teachPoint(int n);
    // Waits briefly for a clear still pending on the controller, then requests
    // this one; the library's copy is zeroed at once.
    void clearTeachedPoint(int n);
    // The plausibility checks of teachPoint, against the other points of n's
    // group that the last teachPoint found taught.
    bool checkPointPosition(int n);
    bool checkAuxjPosition(int n);
    // 0 when only the external axis axisIndex moved, 1 when it did not move
    // enough, 2 when others moved as well.
    int checkAuxjIdRun(int n, int axisIndex);

    // Frame calculations by the controller. axis 0 or 1 is the axis the
    // controller calculates; positionerAxisID decides which fields of the
    // selected record take the answer. 1 when stored, 0 otherwise.
    int calculatePositionerFrame(int axis);
    int calculateUserFrame();
    void clearPositionerFrame(int positioner, int axis);
    // Method 1 selects the controller's second way of building the user frame.
    void setUserFrameCalibMethod(int method);
    // positioner in the controller's numbering, 1 to 10; does not wait.
    void switchPosId(int positioner);

    PositionerParm parms[10];
    PositionerParm savedParms[10];
    TeachedPoint teachedPoints[9];
    double dynUframe[6] = {};
    double dynOframe[6] = {};
    QString dynBaseName;
    bool dynMovable = false;
    bool dynOnRobot = false;
    int positionerAxisID = 0;
    int positionerID = 0;
    int teachStatus = 0;
    bool usedCurrentPosID = false;
    UserFrameDynEditor* userFrameDynEditor = nullptr;
    int maxAuxjNum = 6;

private:
    PositionerData();
    ~PositionerData() override;

    // Marks an operation that may let host handlers run; the instance outlives
    // the outermost one. Hidden: hosts have no use for it, so it stays out of
    // the library's exported interface.
    class Q_DECL_HIDDEN Operation
    {
    public:
        explicit Operation(PositionerData* data);
        ~Operation();
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        PositionerData* data_;
    };

    static PositionerData* pInstance;

    int runningOperations_ = 0;
    bool destroyRequested_ = false;
};

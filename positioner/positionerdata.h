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
    // The user-frame program on the controller gets the user frames of positioners 1 to 5.
    bool saveUserFrameDyn();

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
    // the outermost one.
    class Operation
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

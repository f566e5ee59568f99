#pragma once

#include "positioner_global.h"
#include "positionerparm.h"
#include "positionervariables.h"
#include "teachedpoint.h"

#include <QObject>
#include <QString>

#include <pugixml.hpp>

class UserFrameDynEditor;

/// The calibration of up to ten positioners and their use in robot programs.
///
/// One process-wide instance, made by getInstance() and deleted by destroy();
/// every operation is called on the host's user-interface thread. The library
/// starts no thread and takes no lock: where it waits for the controller it
/// processes the host's events instead, so the screens stay alive, and host
/// handlers (including ones that call the library again) run in the middle of
/// the operation. Each operation says below whether it does so and for how long
/// at most.
///
/// The members are public because the host reads the records directly; their
/// order and types are the host's ABI.
class POSITIONER_EXPORT PositionerData : public QObject
{
public:
    /// \name Instance and selections
    ///@{

    /// The instance, made on first use: that creates the positioner directory
    /// when missing and fetches and reads the controller's calibration file, so
    /// the records start from what the controller holds (defaults without it).
    /// \nowait The first call blocks for that one file transfer.
    static PositionerData* getInstance();
    /// Deletes the instance; the next getInstance() starts afresh. Nothing is
    /// sent to the controller and nothing is unregistered.
    /// Also safe from a host handler that runs while an operation of the
    /// instance waits: the instance is then deleted when that operation returns.
    /// \nowait
    static void destroy();

    /// The selected axis: 0 for axis 1, any other value for axis 2.
    /// \nowait
    int getPositionerAxisID();
    /// Selects the axis whose fields calculatePositionerFrame() fills.
    /// \nowait
    void setPositionerAxisID(int axis);
    /// The selected positioner, an index into parms.
    /// \nowait
    int getPositionerID();
    /// Selects the record that teaching and the frame calculations work on;
    /// outside 0 to 9 those operations refuse instead of touching memory.
    /// \nowait
    void setPositionerID(int positioner);
    /// How many external-axis values teachPoint() captures and compares.
    /// 0 stands for 6, all the external-axis values the controller reports;
    /// more than those are kept at 6.
    /// \nowait
    void setMaxAuxjNum(int n);
    /// Waits ms milliseconds on a monotonic clock, for hosts that let the
    /// controller act on a request before they go on.
    /// \waits Processed throughout, for ms milliseconds; 0 returns at once.
    void delay_MSec(unsigned int ms);
    ///@}

    /// \name Calibration file
    /// The calibration file of the ten positioners. A successful read leaves
    /// savedParms equal to parms; a write replaces the file only when complete
    /// and says whether it could.
    ///@{

    /// Writes all ten records; false when the file could not be written
    /// completely, or a frame holds NaN or infinity, which the controller
    /// could not read; the old file then stays as it was.
    /// \nowait
    bool writePositionerFile(QString path);
    /// Reads the records by position and takes them as the baseline of
    /// positionerDataIsEqual(); false, changing nothing, when the file cannot
    /// be parsed.
    /// \nowait
    bool readPositionerFile(QString path);
    /// count values with four decimals, joined by commas: the file's precision.
    /// \nowait
    QString posDoubleToQstr(double* const values, int count);
    /// Parses up to count comma-separated values; missing ones keep theirs,
    /// and one that is no finite number reads as 0.
    /// \nowait
    void posQstrToDouble(QString text, double* const values, int count);
    /// The text of node's child element name (empty when missing).
    /// \nowait
    pugi::xml_text getNodeText(pugi::xml_node node, QString name);
    ///@}

    /// \name Files between pendant and controller, and change detection
    ///@{

    /// Copies a file from the controller; false when the transfer failed.
    /// \nowait Blocks for the transfer.
    bool getFileFromCtrl(QString controllerPath, QString localPath);
    /// Copies a file to the controller; false when the transfer failed.
    /// \nowait Blocks for the transfer.
    bool sendFileToCtrl(QString localPath, QString controllerPath);
    /// Asks the controller to read the calibration file it holds again; send
    /// the file first.
    /// \nowait Does not wait for the controller.
    void rdeReadFileCode();
    /// Whether two records are equal, exactly as numbers: a record of parms
    /// that differs from its savedParms copy changed since the last read.
    /// A NaN equals nothing, 0.0 equals -0.0.
    /// \nowait
    bool positionerDataIsEqual(PositionerParm& a, PositionerParm& b);
    ///@}

    /// \name User-frame program
    ///@{

    /// The user-frame program on the controller gets the user frames of
    /// positioners 1 to 5; false when it could not be fetched, rewritten or sent.
    /// \nowait Blocks for two file transfers.
    bool saveUserFrameDyn();
    ///@}

    /// \name Dynamic work object
    /// wobj_dyn0, the work object that follows a positioner (index 0 to 9,
    /// number 1 to 10), in the editor, in GLOBAL.var and in the program.
    ///@{

    /// Makes wobj_dyn0 follow positioner index: switches the controller to it,
    /// takes its user frame as object frame, rewrites wobj_dyn0 in the
    /// controller's GLOBAL.var and registers the reference system with the
    /// editor. True when the editor accepted the registration; a failed
    /// exchange of GLOBAL.var shows a message box and does not stop it.
    /// \waits Processed while the controller takes the switch: up to 100 rounds
    /// of 16 ms, about 1.6 s. Besides, the call blocks for fetching and sending
    /// GLOBAL.var and for any message box shown.
    bool setDynRefSys(int index);
    /// Writes the user frames of all ten positioners into oframe_p1 to
    /// oframe_p10, positioner index's into wobj_dyn0, and saves the program.
    /// False for an index outside 0 to 9 or when the editor refuses write mode
    /// for the save.
    /// \nowait
    bool saveDynRefSys(int index);
    /// Writes positioner number's user frame into the object frame of the
    /// program variable wobj_dyn0; silently nothing when it is missing,
    /// constant, or write mode is refused.
    /// \nowait
    void setVariableDynRefSys(int number);
    /// Writes positioner number's user frame into oframe_p<number>, on the
    /// same terms as setVariableDynRefSys().
    /// \nowait
    void setVariableOframePoint(int number);
    /// Rewrites the initial value of wobj_dyn0 in the GLOBAL.var at path from
    /// dynUframe, dynOframe, dynMovable, dynOnRobot and dynBaseName, keeping
    /// everything else. False when the file could not be loaded or the
    /// rewritten file not saved.
    /// \nowait
    bool writeGlobalVarFile(QString path);
    ///@}

    /// \name Active work object
    ///@{

    /// Makes wobj0 the editor's active work object and records positioner
    /// index + 1 as the active one; false when the program lacks wobj0 or the
    /// editor refuses.
    /// \nowait
    bool setWobj0(int index);
    /// Makes wobj_dyn0 the active work object for positioner index (0 to 9);
    /// false otherwise, as setWobj0().
    /// \nowait
    bool setWobj_dyn0(int index);
    /// Registers wobj_dyn0 for positioner number with the editor alone, without
    /// the controller's switch or GLOBAL.var: for a program opened when the
    /// controller already follows that positioner.
    /// \nowait
    bool initActiveDyn0(int number);
    /// Makes wobj_dyn0 the active work object; false for a number outside 1 to
    /// 10, a program without wobj_dyn0 or an editor that refuses.
    /// \nowait
    bool initSetWobj_dyn0(int number);
    /// The name of the current work object as the controller keeps it.
    /// \nowait
    QString getCurrentWobj();
    /// Records the name of the current work object for the controller.
    /// \nowait
    void setCurrentWobj(QString name);
    /// Whether the pendant has activated wobj_dyn0, as the controller keeps it.
    /// \nowait
    bool getTpuActivedyn0();
    /// Records whether the pendant has activated wobj_dyn0.
    /// \nowait
    void setTpuActivedyn0(bool active);
    ///@}

    /// \name Single controller variables
    /// Each reads or writes one controller variable and returns at once; vector
    /// indices outside the vector read 0.0 or write nothing.
    ///@{

    /// ipos.posindex, the positioner of the last switch request.
    /// \nowait
    int getPosId();
    /// Writes ipos.posindex without raising a switch request (see switchPosId()).
    /// \nowait
    void setPosId(int v);
    /// ipos.enable: whether the positioner function is on.
    /// \nowait
    bool getPositionEnabled();
    /// Switches the positioner function on or off.
    /// \nowait
    void setPositionEnabled(bool on);
    /// ipos.currentposindex: the number (1 to 10) of the active positioner.
    /// \nowait
    int getCurrentActivedPos();
    /// Whether the external axes belong to a slave robot.
    /// \nowait
    bool get_enable_slave_robot();
    /// Position of the slave robot's axis i (0 or 1).
    /// \nowait
    double get_axespos(int i);
    /// Configured external-axis index of positioner axis i (0 or 1).
    /// \nowait
    void setAxisIndexCfg(int i, int v);
    /// Configured type of positioner axis i (0 or 1).
    /// \nowait
    void setAxisTypeCfg(int i, int v);
    /// Tool value i (0 to 5) for the controller's routines.
    /// \nowait
    void setTool_Value(int i, double v);
    /// Number of enabled positioner axes.
    /// \nowait
    void setEnableAxesNum(int n);
    ///@}

    /// \name Registration of the variable set with the controller
    ///@{

    /// Registers (on) or unregisters the variables the controller updates for
    /// the library; the current-positioner pair stays registered while
    /// setUsedVars_currentposID() keeps it. Always true.
    /// \nowait
    bool setUsedVars_positioner(bool on);
    /// Keeps ipos.bswitchpos and ipos.currentposindex registered (on), or lets
    /// them go, whatever the rest of the set does. Always true.
    /// \nowait
    bool setUsedVars_currentposID(bool on);
    ///@}

    /// \name Teaching the nine calibration points
    /// Points 1 to 3 calibrate axis 1, 4 to 6 axis 2, 7 to 9 the user frame.
    /// The host writes the axis types and indices of the selected record into
    /// parms before it teaches: the checks read them.
    ///@{

    /// Captures the robot's and the external axes' position as point n, checks
    /// it against the other taught points of its group and, when it passes,
    /// asks the controller to take it. teachPoint keeps the point even when a
    /// check rejects it: 1 accepted and requested from the controller, 0 no
    /// such point or no such positioner selected, -1 to -4 the check that
    /// failed (-3 means "own axis not moved" for points 1 to 6 and "external
    /// axes moved" for points 7 to 9).
    /// \nowait Does not wait for the controller to take the point.
    int teachPoint(int n);
    /// Waits briefly for a clear still pending on the controller, then requests
    /// this one; the library's copy is zeroed at once.
    /// \waits Processed while a pending clear is waited for and one round more:
    /// up to 21 rounds of 16 ms, about 0.34 s.
    void clearTeachedPoint(int n);
    /// The plausibility checks of teachPoint, against the other points of n's
    /// group that the last teachPoint found taught.
    /// The robot moved at least 5.0 (summed) from each of them.
    /// \nowait
    bool checkPointPosition(int n);
    /// The external axes moved at least 5.0 (summed) for an axis point, less
    /// than 5.0 for a user-frame point.
    /// \nowait
    bool checkAuxjPosition(int n);
    /// 0 when only the external axis axisIndex moved, 1 when it did not move
    /// enough, 2 when others moved as well.
    /// \nowait
    int checkAuxjIdRun(int n, int axisIndex);
    ///@}

    /// \name Frame calculations by the controller
    /// Each resets its answer, raises the request and waits for the answer; the
    /// frame is stored with four decimals in the selected record.
    ///@{

    /// Frame calculations by the controller. axis 0 or 1 is the axis the
    /// controller calculates; positionerAxisID decides which fields of the
    /// selected record take the answer. 1 when stored, 0 otherwise.
    /// \waits Processed while the controller calculates: 16 ms, then up to 100
    /// polls of 16 ms, about 1.6 s.
    int calculatePositionerFrame(int axis);
    /// The user frame of the selected positioner; 1 when stored, 0 otherwise.
    /// \waits Processed while the controller calculates: up to 1000 polls of
    /// 16 ms, about 16 s.
    int calculateUserFrame();
    /// Zeroes axis 1's frame (axis 0) or axis 2's two frames (axis 1) of record
    /// positioner, locally only: save the file to make it last.
    /// \nowait
    void clearPositionerFrame(int positioner, int axis);
    /// Method 1 selects the controller's second way of building the user frame.
    /// \nowait
    void setUserFrameCalibMethod(int method);
    /// positioner in the controller's numbering, 1 to 10; does not wait.
    /// \nowait
    void switchPosId(int positioner);
    ///@}

    /// \name Member data
    /// Read directly by the host; the library never writes dynUframe,
    /// dynMovable or dynOnRobot.
    ///@{

    /// Current calibration of positioners 0 to 9.
    PositionerParm parms[10];
    /// parms as the calibration file was last read; compare to find changes.
    PositionerParm savedParms[10];
    /// The library's copy of points 1 to 9 (element n - 1), kept for the checks.
    TeachedPoint teachedPoints[9];
    /// User frame of wobj_dyn0 (x, y, z, a, b, c), written into GLOBAL.var.
    double dynUframe[6] = {};
    /// Object frame of wobj_dyn0: the user frame of the positioner it follows.
    double dynOframe[6] = {};
    /// Base name of wobj_dyn0, "table" once a positioner is registered.
    QString dynBaseName;
    /// "movable" flag of wobj_dyn0 in GLOBAL.var.
    bool dynMovable = false;
    /// "onrobot" flag of wobj_dyn0 in GLOBAL.var.
    bool dynOnRobot = false;
    /// Selected axis; see setPositionerAxisID().
    int positionerAxisID = 0;
    /// Selected positioner; see setPositionerID().
    int positionerID = 0;
    /// Points taught as the last teachPoint() found them, bit n - 1 for point n.
    int teachStatus = 0;
    /// Whether setUsedVars_currentposID() keeps the current-positioner pair.
    bool usedCurrentPosID = false;
    /// Rewrites the user-frame program; owned by the instance.
    UserFrameDynEditor* userFrameDynEditor = nullptr;
    /// External-axis values captured per point; see setMaxAuxjNum().
    int maxAuxjNum = 6;
    ///@}

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

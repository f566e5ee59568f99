// The simulated robot controller's positioner side.
//
// The controller reacts to request flags: when the library (or anyone) writes a
// flag true, the routine for that flag runs after the controller's latency,
// through the host's event loop, so that it fires while the library waits and
// processes events. The controller reads and writes the shared variables
// through variable objects of its own.
#pragma once

#include "positionerroutines.h"

#include <rtmcore/rtmcustomrvar.h>

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class ControllerSimulator
{
public:
    // Installs the controller's positioner routines.
    ControllerSimulator();
    ~ControllerSimulator();

    ControllerSimulator(const ControllerSimulator&) = delete;
    ControllerSimulator& operator=(const ControllerSimulator&) = delete;

    // Milliseconds from a request to the answer, for every flag or for one.
    void setLatency(int ms) { latency_ = ms; }
    void setLatency(const QString& flag, int ms) { reactions_[flag].latency = ms; }

    // A controller that does not answer leaves requests pending. A reaction
    // already scheduled is dropped too.
    void setAnswering(bool answering) { answering_ = answering; }
    void setAnswering(const QString& flag, bool answering) { reactions_[flag].answering = answering; }

    // Adds (or replaces) the routine for a request flag.
    void onRequest(const QString& flag, std::function<void()> routine);

    // Requests taken since construction.
    int requests(const QString& flag) const;

    // Teaching points and calculating the positioner's frames.
    PositionerRoutines& positionerRoutines() { return positionerRoutines_; }

private:
    struct Reaction
    {
        std::function<void()> routine;
        int latency = -1;
        bool answering = true;
        int requests = 0;
    };

    void requested(const QString& flag);
    bool willAnswer(const Reaction& reaction) const { return answering_ && reaction.answering; }

    // Switching positioners: the controller takes the new positioner and
    // acknowledges by clearing the request flag.
    void acknowledgeSwitch();

    std::map<QString, Reaction> reactions_;
    int latency_ = 0;
    bool answering_ = true;
    int observer_ = 0;
    // Parent of the scheduled reactions, so that they die with the simulator.
    QObject timers_;

    rtmCustomRvarBool bswitchpos_{QStringLiteral("ipos.bswitchpos"), 1};
    PositionerRoutines positionerRoutines_{*this};
};

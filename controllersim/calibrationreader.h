// The controller's side of the calibration file: on a read request it loads its
// own copy and takes the positioners' calibration from it.
#pragma once

#include <QString>

#include <functional>
#include <vector>

class ControllerSimulator;

struct ControllerCalibration
{
    int id = 0;
    int enabledAxes = 0;
    int axis1Index = 0;  // as the file numbers it: among all axes, from 1
    int axis1Type = 0;   // as the file holds it: -1 for an axis not in use
    int axis2Index = 0;
    int axis2Type = 0;
    double axes1Frame[6] = {};
    double axes2Frame[6] = {};
    double axes2FrameToBase[6] = {};
    double userFrame[6] = {};
};

class CalibrationReader
{
public:
    // The controller keeps the file here.
    static QString controllerPath();

    // Answers ipos.breadcalibframe: loads the file, reports it, and clears the
    // flag as its acknowledgement.
    explicit CalibrationReader(ControllerSimulator& controller);

    // What the last read request loaded; empty when the file was missing or not
    // a calibration file.
    const std::vector<ControllerCalibration>& loaded() const { return loaded_; }
    int reads() const { return reads_; }
    void setListener(std::function<void(const std::vector<ControllerCalibration>&)> listener)
    {
        listener_ = std::move(listener);
    }

    static std::vector<ControllerCalibration> parse(const QString& path);

private:
    void read();

    std::vector<ControllerCalibration> loaded_;
    int reads_ = 0;
    std::function<void(const std::vector<ControllerCalibration>&)> listener_;
};

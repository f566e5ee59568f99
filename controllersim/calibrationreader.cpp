#include "calibrationreader.h"

#include "controllersimulator.h"

#include <rtmcore/rtmcustomrvar.h>
#include <sim/files.h>

#include <QStringList>

#include <pugixml.hpp>

namespace {

void parseFrame(const pugi::xml_node& entry, const char* name, double* frame)
{
    const QStringList parts = QString::fromUtf8(entry.child(name).text().as_string()).split(',');
    for (int k = 0; k < 6 && k < parts.size(); ++k)
        frame[k] = parts[k].toDouble();
}

}  // namespace

QString CalibrationReader::controllerPath()
{
    return QStringLiteral("/Application/positioner/positionercalibframepar.xml");
}

CalibrationReader::CalibrationReader(ControllerSimulator& controller)
{
    controller.onRequest(QStringLiteral("ipos.breadcalibframe"), [this] { read(); });
}

std::vector<ControllerCalibration> CalibrationReader::parse(const QString& path)
{
    std::vector<ControllerCalibration> calibration;
    pugi::xml_document document;
    if (!document.load_file(path.toLocal8Bit().constData()))
        return calibration;
    for (pugi::xml_node entry : document.child("FramePar").children("Positioner")) {
        ControllerCalibration c;
        c.id = entry.attribute("id").as_int();
        c.enabledAxes = entry.child("EnableAxesNum").text().as_int();
        c.axis1Index = entry.child("Axes1Index").text().as_int();
        c.axis1Type = entry.child("Axes1Type").text().as_int();
        c.axis2Index = entry.child("Axes2Index").text().as_int();
        c.axis2Type = entry.child("Axes2Type").text().as_int();
        parseFrame(entry, "Axes1Frame", c.axes1Frame);
        parseFrame(entry, "Axes2Frame", c.axes2Frame);
        parseFrame(entry, "Axes2FrameToBase", c.axes2FrameToBase);
        parseFrame(entry, "UserFrame", c.userFrame);
        calibration.push_back(c);
    }
    return calibration;
}

void CalibrationReader::read()
{
    ++reads_;
    loaded_ = parse(sim::Files::instance().controllerFile(controllerPath()));
    rtmCustomRvarBool(QStringLiteral("ipos.breadcalibframe"), 1) = false;
    if (listener_)
        listener_(loaded_);
}

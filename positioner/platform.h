// Where the library meets the pendant's platform modules.
//
// The platform's classes come from whichever header tree the build names: our
// own interfaces and simulation, or the vendor's modules on a real pendant.
// The operations the library relies on are checked where the platform's
// interfaces are described (platformconformance.h), so that a drift fails the
// build with the service's name. What goes beyond them (how a pose is laid
// out, how a vector reaches its element variables, how a message box is
// shown) lives in this header alone, so that a vendor whose classes differ
// changes one file.
#pragma once

#include <platformconformance.h>

#include <array>
#include <cstring>
#include <type_traits>

namespace Platform {

// The pose as the service delivers it: an 8-byte leading field, then six
// doubles x, y, z, a, b, c.
using Pose = std::array<double, 6>;
constexpr std::size_t poseOffset = 8;
static_assert(std::is_trivially_copyable_v<PositionInfo> && alignof(PositionInfo) <= poseOffset &&
                  sizeof(PositionInfo) >= poseOffset + sizeof(Pose),
              "DataAccess: PositionInfo must be a plain record of an 8-byte field and six doubles");

// The robot's current cartesian pose x, y, z, a, b, c.
inline Pose cartesianPose()
{
    const PositionInfo info = DataAccess::getCartPosition();
    Pose pose;
    std::memcpy(pose.data(), reinterpret_cast<const unsigned char*>(&info) + poseOffset, sizeof pose);
    return pose;
}

// Registers (true) or unregisters (false) each element variable of a vector,
// in index order.
template <typename Vector>
void setUsedElements(Vector& vector, bool on)
{
    const int count = vector.count();
    for (int k = 0; k < count; ++k)
        vector.element(k).setUsed(on);
}

// The robot's own axes, as the service reports them.
inline int axisCount() { return DataAccess::getAxisCount(); }

// Copies a file from the controller to the pendant, or back; true when it was copied.
inline bool fetchFile(const QString& controllerPath, const QString& localPath)
{
    return DataAccess::GetFileFromController2TPU(controllerPath, localPath, false);
}
inline bool sendFile(const QString& localPath, const QString& controllerPath)
{
    return DataAccess::SendFileFromTPU2Controller(localPath, controllerPath, false);
}

inline bool isBitSet(int mask, int bit) { return DataAccess::getValueBitStatus(mask, bit); }
inline int withBit(int mask, int bit, bool on) { return DataAccess::setValueBitStatus(mask, bit, on); }

// The program editor's data interface, asked for anew on every use.
inline RplEditorDataInterface* editor() { return DataAccess::getInstance()->getRplDataInterface(); }

// Shows a failure to the operator; the box is made and gone again at once.
inline void showMessage(const QString& text)
{
    const QString unchanged = QStringLiteral("unchanged");
    MsgBox box(2, text, 1, true, false, 0, false, false, unchanged, unchanged, unchanged, 18);
}

}  // namespace Platform

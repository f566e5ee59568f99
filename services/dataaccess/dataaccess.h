// The pendant's data-access service: robot state, bit masks, file transfer
// between pendant and controller, and the way to the program editor.
#pragma once

#include <QString>

#include <cstdint>

class RplEditorDataInterface;

// The robot's cartesian pose. The leading field belongs to the service; the
// pose follows as x, y, z, a, b, c.
struct PositionInfo
{
    std::int64_t header;
    double coord[6];
};

class DataAccess
{
public:
    static DataAccess* getInstance();

    // The data interface of the program editor; never null.
    RplEditorDataInterface* getRplDataInterface();

    static int getAxisCount();
    static PositionInfo getCartPosition();

    // Bits outside 0..31 are never set, and setting one leaves the mask as it is.
    static bool getValueBitStatus(int mask, int bit);
    static int setValueBitStatus(int mask, int bit, bool on);

    // Copies a file; true when the copy was made. The last argument is reserved
    // by the service and always false here.
    static bool GetFileFromController2TPU(const QString& controllerPath, const QString& localPath,
                                          bool reserved);
    static bool SendFileFromTPU2Controller(const QString& localPath, const QString& controllerPath,
                                           bool reserved);

private:
    DataAccess() = default;
};

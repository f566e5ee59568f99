// nuvok.dataaccess 3.
#pragma once

#include <QString>

class RplEditorDataInterface;

struct PositionInfo
{
    long long stamp;
    double coord[6];
};

class DataAccess
{
public:
    virtual ~DataAccess();
    static DataAccess* getInstance();
    virtual RplEditorDataInterface* getRplDataInterface();

    static int getAxisCount();
    static PositionInfo getCartPosition();
    static bool getValueBitStatus(int value, int bit);
    static int setValueBitStatus(int value, int bit, bool set = true);
    static bool GetFileFromController2TPU(const QString& from, const QString& to, bool async = false);
    static bool SendFileFromTPU2Controller(const QString& from, const QString& to, bool async = false);

private:
    DataAccess();
    class Private;
    Private* d;
};

// nuvok.guilib 3: message box, shown while it exists.
#pragma once

#include <QString>

class MsgBox
{
public:
    MsgBox(int type, QString text, int buttons = 1, bool modal = true, bool closable = true,
           int defaultButton = 0, bool icon = true, bool autoClose = false, QString title = QString(),
           QString ok = QString(), QString cancel = QString(), int timeout = 0);
    virtual ~MsgBox();

private:
    class Private;
    Private* d;
};

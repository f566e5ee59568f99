// The pendant's message box. Constructing it shows the message to the operator.
#pragma once

#include <QString>

class MsgBox
{
public:
    MsgBox(int kind, QString text, int buttons, bool modal, bool closable, int defaultButton,
           bool showIcon, bool autoClose, QString title, QString acceptText, QString rejectText,
           int timeout);
    ~MsgBox();

    MsgBox(const MsgBox&) = delete;
    MsgBox& operator=(const MsgBox&) = delete;
};

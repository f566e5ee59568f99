#include "messageboxes.h"

#include <guilib/msgbox.h>

namespace sim {

MessageBoxes& MessageBoxes::instance()
{
    static MessageBoxes* boxes = new MessageBoxes;
    return *boxes;
}

void MessageBoxes::record(const ShownMessage& message)
{
    shown_.push_back(message);
    if (listener_)
        listener_(message);
}

}  // namespace sim

MsgBox::MsgBox(int kind, QString text, int buttons, bool modal, bool closable, int defaultButton,
               bool showIcon, bool autoClose, QString title, QString acceptText,
               QString rejectText, int timeout)
{
    sim::MessageBoxes::instance().record({kind, text, buttons, modal, closable, defaultButton,
                                          showIcon, autoClose, title, acceptText, rejectText,
                                          timeout});
}

MsgBox::~MsgBox() = default;

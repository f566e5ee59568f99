// The message boxes the library has shown, with every argument.
#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace sim {

/// One message box as the library made it, with every argument of MsgBox.
struct ShownMessage
{
    int kind;            ///< The box's kind.
    QString text;        ///< The message to the operator.
    int buttons;         ///< Which buttons it shows.
    bool modal;          ///< Whether it is modal.
    bool closable;       ///< Whether the operator may close it.
    int defaultButton;   ///< The button taken by default.
    bool showIcon;       ///< Whether an icon is shown.
    bool autoClose;      ///< Whether it closes by itself.
    QString title;       ///< Its title.
    QString acceptText;  ///< The accepting button's text.
    QString rejectText;  ///< The rejecting button's text.
    int timeout;         ///< Its timeout.
};

/// The message boxes shown in this process, in order.
class MessageBoxes
{
public:
    /// The process's record of boxes.
    /// \nowait
    static MessageBoxes& instance();

    /// Every box shown since the last reset(), in order.
    /// \nowait
    const std::vector<ShownMessage>& shown() const { return shown_; }
    /// Called with each box as it is shown (the demo host prints them).
    /// \nowait
    void setListener(std::function<void(const ShownMessage&)> listener) { listener_ = std::move(listener); }
    /// Forgets the boxes shown.
    /// \nowait
    void reset() { shown_.clear(); }

    /// Records a box and tells the listener; MsgBox calls it.
    /// \nowait
    void record(const ShownMessage& message);

private:
    MessageBoxes() = default;

    std::vector<ShownMessage> shown_;
    std::function<void(const ShownMessage&)> listener_;
};

}  // namespace sim

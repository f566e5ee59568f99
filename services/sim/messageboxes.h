// The message boxes the library has shown, with every argument.
#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace sim {

struct ShownMessage
{
    int kind;
    QString text;
    int buttons;
    bool modal;
    bool closable;
    int defaultButton;
    bool showIcon;
    bool autoClose;
    QString title;
    QString acceptText;
    QString rejectText;
    int timeout;
};

class MessageBoxes
{
public:
    static MessageBoxes& instance();

    const std::vector<ShownMessage>& shown() const { return shown_; }
    // The demo host prints each box as it is shown.
    void setListener(std::function<void(const ShownMessage&)> listener) { listener_ = std::move(listener); }
    void reset() { shown_.clear(); }

    void record(const ShownMessage& message);

private:
    MessageBoxes() = default;

    std::vector<ShownMessage> shown_;
    std::function<void(const ShownMessage&)> listener_;
};

}  // namespace sim
